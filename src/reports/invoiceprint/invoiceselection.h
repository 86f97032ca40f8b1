#pragma once
// Which invoices a print run prints, and in which order: the nine lines of the selection as the
// print dialog and the invoice register know them. Line 7 chooses the invoices (all unprinted
// ones, or one invoice) and line 8 orders them; both are replaced as whole lines. The lines keep
// their familiar text; the SQL that runs is built from them for the connection's engine.

#include <QString>
#include <QStringList>

class Database;
class Dialect;

class InvoiceSelection
{
public:
    static constexpr int kSelectionLine = 7;
    static constexpr int kOrderLine = 8;
    static const QString kDefaultSelection; // "WHERE I.Printed = false"

    // The orders of the dialog's "Select the Sort Order:" list, by item index.
    enum SortOrder { ByInvoiceNo = 0, ByCustomerNo = 1, ByCustomerName = 2 };
    static constexpr int kSortOrderCount = 3;

    // Every unprinted invoice by invoice number.
    InvoiceSelection();

    const QStringList& lines() const { return lines_; }
    QString text() const { return lines_.join(QLatin1Char('\n')); }

    void replaceSelectionLine(const QString& line) { lines_[kSelectionLine] = line; }
    // The invoice register's single invoice: "WHERE I.ARInvoiceID = " and its id.
    void selectOneInvoice(qint64 arInvoiceId);
    bool isDefaultSelection() const { return lines_[kSelectionLine] == kDefaultSelection; }
    // An index outside the list orders by invoice number.
    void setSortOrder(int index);

    // The keys of the selected invoices in the chosen order. Invoices that sort alike follow
    // their key, so both engines, and a second copy of the batch, print them in one order.
    QString keysSql(const Dialect& dialect) const;
    // How many invoices the selection holds: the batch size.
    int count(Database& db) const;

private:
    // The order line in the engine's words: "NoCase" becomes its case-insensitive order.
    QString orderSql(const Dialect& dialect) const;

    QStringList lines_;
};

// Shown above the dialog's choices: "12 invoice(s) to be printed".
QString invoicesToBePrintedText(int batchSize);
