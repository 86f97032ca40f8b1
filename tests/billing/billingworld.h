#pragma once
// A small meal program for generation tests: host clients, funders, meal items, prices and
// deliveries written row by row, AR customers and items synchronized from them, and runs of the
// generation with scripted answers.

#include "billing/generationrun.h"
#include "engine/database.h"
#include "scripteddialogs.h"

#include <QDate>
#include <QVariant>
#include <memory>

namespace billingworld
{

inline const QVariant kNone = QVariant(QMetaType::fromType<QString>());
inline const billing::DeliveryPeriod kJune{QDate(2024, 6, 1), QDate(2024, 6, 30)};

class World
{
public:
    // Host tables and the AR schema, seeded, on the engine of the current test row.
    explicit World(const QString& engine);

    Database& db() { return *db_; }

    void client(int person, const QString& clientId, const QString& first, const QString& last,
                const QString& urn = {}, const QVariant& pledgeMethod = kNone,
                const QVariant& pledgePeriod = kNone, const QVariant& pledgeAmount = kNone);
    void funder(const QString& code, const QVariant& party, const QVariant& method,
                const QVariant& rate = kNone, const QVariant& period = kNone);
    // The client's own terms under a funding source (service 0: every service).
    void fundUse(int person, const QString& code, const QVariant& method, const QVariant& rate,
                 const QVariant& period, int service = 0);
    void item(int id, const QString& name, const QVariant& meal, const QVariant& price);
    // A "F" (unit amount) or "P" (pledge) price row; person 0 is the funder's general price.
    void price(int person, const QString& code, const QString& unit, const QVariant& amount,
               const QString& method = QStringLiteral("F"), int service = 0);
    // One delivery with one meal credit.
    void deliver(int person, const QDate& date, const QVariant& funding, int item, int quantity = 1,
                 bool complimentary = false, int service = 1);
    void setCompany(const QString& field, const QVariant& value);

    // Customer and item synchronization, as a bookkeeper runs them before generating.
    void synchronize();

    // A run answering Yes to the proceed question and No to both synchronization offers (items
    // are already synchronized, so only the customer offer is asked).
    billing::GenerationResult generate(const billing::GenerationSettings& settings,
                                       ScriptedDialogs* dialogs = nullptr, bool preview = false);

    // The stored invoices, by number: "customerNo|type|description|amount", and their lines
    // "seq|quantity|itemNo|unitPrice|description", amounts as plain decimals.
    QStringList invoices();
    QStringList lines(const QString& customerNo);
    // The client history entries (with a person) in insertion order: "person|client|event".
    QStringList history();
    int count(const QString& table);

private:
    std::unique_ptr<Database> db_;
    int nextDelivery_ = 1;
    int nextFunder_ = 1;
};

// Settings for June 2024 with every payer, meals and pledges, history on.
billing::GenerationSettings juneSettings();

} // namespace billingworld
