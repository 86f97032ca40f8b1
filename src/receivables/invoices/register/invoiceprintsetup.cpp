#include "receivables/invoices/register/invoiceprintsetup.h"

#include "data/artables.h"
#include "data/companyrow.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/transaction.h"

#include <stdexcept>

QString InvoicePrintSetup::styleName(int style)
{
    return style == 1 ? QStringLiteral("Professional") : QStringLiteral("Classic");
}

namespace
{
const QString kOrganizationRow = QStringLiteral("SELECT ARInvoiceMessage, "
                                                "ARInvoiceCopies, ARPrintTerms, "
                                                "ARInvoiceAustralia, ARInvoiceStyle FROM Company "
                                                "ORDER BY CompanyNo LIMIT 1");
} // namespace

InvoicePrintSetup readInvoicePrintSetup(Database& db)
{
    InvoicePrintSetup setup;
    {
        Statement c = db.prepare(kOrganizationRow);
        c.exec();
        if (c.next()) {
            setup.message = c.text(QStringLiteral("ARInvoiceMessage"));
            setup.copies = int(c.integer(QStringLiteral("ARInvoiceCopies")));
            setup.printTerms = c.boolean(QStringLiteral("ARPrintTerms"));
            setup.australia = c.boolean(QStringLiteral("ARInvoiceAustralia"));
            setup.style = int(c.integer(QStringLiteral("ARInvoiceStyle")));
        }
    }
    Statement logo = db.prepare(QStringLiteral("SELECT Logo FROM Logo"));
    logo.exec();
    if (logo.next())
        setup.logo = logo.value(0).toByteArray();
    return setup;
}

void storeInvoicePrintSetup(Database& db, const InvoicePrintSetup& setup)
{
    if (setup.copies < 0 || setup.copies > InvoicePrintSetup::kMaxCopies)
        throw std::invalid_argument("the number of copies takes at most two digits");
    Transaction transaction(db);
    companyrow::update(db, {{QStringLiteral("ARInvoiceMessage"), setup.message},
                            {QStringLiteral("ARInvoiceCopies"), setup.copies},
                            {QStringLiteral("ARPrintTerms"), setup.printTerms},
                            {QStringLiteral("ARInvoiceAustralia"), setup.australia}});

    const QVariant logo =
        setup.logo.isEmpty() ? QVariant(QMetaType(QMetaType::QByteArray)) : QVariant(setup.logo);
    const QVariantMap logoRow{{QStringLiteral("Logo"), logo}};
    if (records::update(db, ar::logo(), logoRow, QStringLiteral("1 = 1")) == 0 &&
        !setup.logo.isEmpty())
        records::insert(db, ar::logo(), logoRow);
    transaction.commit();
}
