#pragma once
// What one code table (taxes, banks, currencies...) is to its list and record screens: the
// table and its key, the list's columns and order, the fields the record screen edits, the
// order in which missing values are refused, and what guards a row against deletion. One list
// screen and one record screen serve every table through these descriptions.

#include "engine/tabledef.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace codetables
{

// A column of the list: its heading and the SQL expression it shows.
struct ListColumn {
    QString caption;
    QString expression;
};

// A field of the record screen.
struct RecordField {
    enum class Kind {
        Text,   // a line of text, as long as the table's field allows
        Letter, // one letter
        Memo,
        Check,
        Number, // a real number (a rate, an exchange rate)
        Amount, // money
        Lookup, // the key of a row of another table, picked by name
        Choice  // one of `choices`, stored as 1, 2...
    };
    QString name;
    QString caption;
    Kind kind = Kind::Text;
    // Lookup: the rows offered, by name.
    QString lookupTable;
    QString lookupKey;
    QString lookupName;
    QStringList choices;
    bool readOnly = false;
    bool wordWrapSwitch = false; // Memo: a switch beside it turns word wrap on and off
    enum class Button { None, Dial, Mail };
    Button button = Button::None; // beside the field: dial the number, write to the address
};

// A value the record cannot be saved without: the message and the fields it is made of (a
// salesman's first and last name count as one name). A number counts as missing when it is 0.
struct Requirement {
    QStringList fields;
    QString message;
};

// A row that refers to the key and so keeps it from being deleted.
struct DeleteGuard {
    QString table;
    QStringList columns; // looked at in this order
    QString reason;
};

// A key the record picks from another table, which another user may have deleted meanwhile.
struct StillExists {
    QString field;
    QString table;
    QString key;
    QString message;
};

struct CodeTable {
    QString listName;      // the list screen's object name, "frmTaxes"
    QString listCaption;   // "Taxes"
    QString recordName;    // "frmTax"
    QString recordCaption; // "Tax"
    QString newCaption;    // "New Tax"
    TableDef table;
    QString key;
    QString nameExpression; // the row's name in SQL, for the list and the delete question
    QStringList nameFields; // the same name on the record screen: these fields, one blank apart
    QString listFrom;       // FROM clause of the list (the table, or a join)
    QStringList orderBy;    // sorted without regard to case
    QList<ListColumn> columns;
    QList<RecordField> fields;
    QList<Requirement> requirements; // checked in this order
    QList<StillExists> stillExists;
    QString duplicateMessage; // empty: a duplicate key goes to the error handler as it is
    QString refusalPrefix = QStringLiteral("Unable to delete '");
    QList<DeleteGuard> guards;
    QStringList alsoDeleteFrom; // rows of these tables that go with the deleted row, by key
    qint64 systemRowsUpTo = 0;  // rows 1..n were put there by the system and stay
    bool numberedFromItemCtl = false;
};

} // namespace codetables
