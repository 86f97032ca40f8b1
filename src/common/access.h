// Access to the console's screens. Every screen-opening action asks SecurityCheck with the
// area it belongs to; this is the single place where a per-user access rule would apply.
#pragma once

#include <QLatin1String>
#include <QString>
#include <array>

struct AccessArea {
    QLatin1String key;
    QLatin1String caption; // empty where the screen passes none
};

inline constexpr AccessArea kAccessARInvoices{QLatin1String("ARInvoices"),
                                              QLatin1String("AR Invoices")};
inline constexpr AccessArea kAccessARPayments{QLatin1String("ARPayments"),
                                              QLatin1String("AR Payments")};
inline constexpr AccessArea kAccessARReports{QLatin1String("ARReports"),
                                             QLatin1String("AR Reports")};
inline constexpr AccessArea kAccessItems{QLatin1String("Items"), QLatin1String("")};
inline constexpr AccessArea kAccessItemTypes{QLatin1String("ItemTypes"),
                                             QLatin1String("Item Types")};
inline constexpr AccessArea kAccessTaxes{QLatin1String("Taxes"), QLatin1String("")};
inline constexpr AccessArea kAccessWarehouses{QLatin1String("Warehouses"), QLatin1String("")};
inline constexpr AccessArea kAccessYourCompany{QLatin1String("YourCompany"),
                                               QLatin1String("Your Company")};
inline constexpr AccessArea kAccessBanks{QLatin1String("Banks"), QLatin1String("")};
inline constexpr AccessArea kAccessCurrencies{QLatin1String("Currencies"), QLatin1String("")};
inline constexpr AccessArea kAccessCustomers{QLatin1String("Customers"), QLatin1String("")};
inline constexpr AccessArea kAccessCustomerTypes{QLatin1String("CustomerTypes"),
                                                 QLatin1String("Customer Types")};
inline constexpr AccessArea kAccessSalesmen{QLatin1String("Salesmen"), QLatin1String("")};

inline constexpr std::array<AccessArea, 13> kAccessAreas = {
    kAccessARInvoices, kAccessARPayments,    kAccessARReports,   kAccessItems, kAccessItemTypes,
    kAccessTaxes,      kAccessWarehouses,    kAccessYourCompany, kAccessBanks, kAccessCurrencies,
    kAccessCustomers,  kAccessCustomerTypes, kAccessSalesmen};

// Whether the current user may open screens of the area. No per-user rule is applied: every
// area is granted.
bool SecurityCheck(const QString& key, const QString& caption);
bool SecurityCheck(const AccessArea& area);
