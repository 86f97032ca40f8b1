#include "receivables/invoices/invoiceprintsetup.h"

#include "data/artables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/statement.h"
#include "engine/transaction.h"

#include <stdexcept>

InvoicePrintSetup readInvoicePrintSetup(Database& db)
{
    InvoicePrintSetup setup;
    Statement company = db.query(
        QStringLiteral("SELECT ARInvoiceMessage, ARInvoiceCopies, ARPrintTerms, "
                       "ARInvoiceAustralia, ARInvoiceStyle FROM Company ORDER BY CompanyNo"));
    company.exec();
    if (company.next()) {
        setup.message = company.text(QStringLiteral("ARInvoiceMessage"));
        setup.copies = int(company.integer(QStringLiteral("ARInvoiceCopies")));
        setup.printTerms = company.boolean(QStringLiteral("ARPrintTerms"));
        setup.australia = company.boolean(QStringLiteral("ARInvoiceAustralia"));
        setup.style = int(company.integer(QStringLiteral("ARInvoiceStyle")));
    }
    Statement logo = db.query(QStringLiteral("SELECT Logo FROM Logo"));
    logo.exec();
    if (logo.next())
        setup.logo = logo.value(0).toByteArray();
    return setup;
}

void storeInvoicePrintSetup(Database& db, const InvoicePrintSetup& setup)
{
    if (setup.copies < 0 || setup.copies > InvoicePrintSetup::kMaxCopies)
        throw std::invalid_argument("Number of copies must be between 0 and 99.");
    Transaction transaction(db);
    records::update(db, ar::company(),
                    {{QStringLiteral("ARInvoiceMessage"), setup.message},
                     {QStringLiteral("ARInvoiceCopies"), setup.copies},
                     {QStringLiteral("ARPrintTerms"), setup.printTerms},
                     {QStringLiteral("ARInvoiceAustralia"), setup.australia}},
                    QStringLiteral("1 = 1"));
    db.exec(QStringLiteral("DELETE FROM Logo"));
    if (!setup.logo.isEmpty())
        records::insert(db, ar::logo(), {{QStringLiteral("Logo"), setup.logo}});
    transaction.commit();
}
