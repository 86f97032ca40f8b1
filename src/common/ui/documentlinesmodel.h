#pragma once
// The lines of a document (an invoice's items, a payment's allocations) as a line grid shows and
// edits them. The document keeps the lines; this model follows its line count, and every edit
// goes through the document so the grid meets the same checks as any other writer. A refusal is
// shown and the value is not taken.

#include <QAbstractTableModel>
#include <QStringList>

class Dialogs;

class DocumentLinesModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // `headers` gives the columns, in their order.
    DocumentLinesModel(QStringList headers, Dialogs& dialogs, QObject* parent = nullptr);

    // The document changed outside the grid (a line appended, filled, stored, deleted,
    // cancelled): rows are added or taken away at the end and every row is shown anew.
    void sync();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

Q_SIGNALS:
    // A refused value: the message was shown; the grid keeps the cursor on the cell.
    void refused(const QModelIndex& index);
    // The document's totals or caption may have changed.
    void documentChanged();

protected:
    virtual int documentLineCount() const = 0;
    // Starts showing the document's lines as they are (called once the document is known).
    void showLines() { shownRows_ = documentLineCount(); }
    // Whether the index is a line both shown and still in the document.
    bool isShownLine(const QModelIndex& index) const;
    // Amounts and quantities right, text left.
    static QVariant cellAlignment(bool number);

    // Takes a value typed into a cell: the line is put into editing first, then `edit` makes
    // the change (false: the column takes no value). A `Refusal` is shown and reported.
    template <class Refusal, class Document, class Edit>
    bool takeCellEdit(Document& document, const QModelIndex& index, Edit&& edit)
    {
        try {
            if (document.editingRow() != index.row()) {
                if (index.row() >= document.lineCount())
                    return false;
                document.editLine(index.row());
            }
            if (!edit())
                return false;
        } catch (const Refusal& refusal) {
            refuse(index, refusal.message());
            return false;
        }
        lineChanged(index.row());
        return true;
    }

private:
    void refuse(const QModelIndex& index, const QString& message);
    void lineChanged(int row);

    QStringList headers_;
    Dialogs& dialogs_;
    int shownRows_ = 0;
};
