// A second workstation for the invoice numbering test: writes N invoices through the invoice
// document, each for one customer with one line, and prints each invoice's key and number on a
// line of its own.
#include "engine/database.h"
#include "receivables/invoices/invoicedocument.h"
#include "receivables/invoices/invoicerefusal.h"
#include "testdatabases.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 5) {
        QTextStream(stderr) << "usage: make_invoices sqlite:FILE|pg:KEYWORDS;schema=S COUNT "
                               "CUSTOMER_NO ITEM_NO\n";
        return 2;
    }
    const ConnectionParams params = testdb::paramsFromChildArgument(args[1]);
    QTextStream out(stdout);
    try {
        auto db = Database::open(params);
        const int count = args[2].toInt();
        for (int i = 0; i < count; ++i) {
            auto doc = InvoiceDocument::openNew(*db);
            doc->setCustomerNoText(args[3]);
            doc->appendLine();
            doc->setLineQuantity(i % 7 + 1);
            doc->setLineItemNo(args[4]);
            doc->storeLine();
            doc->ok();
            out << doc->invoiceId() << ' ' << doc->header().invoiceNo << '\n';
        }
    } catch (const InvoiceRefusal& e) {
        QTextStream(stderr) << e.message() << '\n';
        return 1;
    } catch (const std::exception& e) {
        QTextStream(stderr) << e.what() << '\n';
        return 1;
    }
    return 0;
}
