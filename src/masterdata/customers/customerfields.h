#pragma once
// The customer fields the bookkeeper edits by hand, with how a typed value becomes the stored
// one. The record screen and `tallywick customers set` both go through here, so both store and
// refuse alike.

#include "masterdata/customers/customerrefusal.h"

#include <QList>
#include <QString>
#include <QVariant>

class Database;
struct CustomerRecord;

enum class CustomerFieldKind {
    Text,
    UpperText, // postal codes
    WebPage,   // kept without its "http://"
    Amount,    // money
    Percent,
    Days,
    Flag,
    CodeId, // a key into a code table (currency, tax, salesman, customer type)
};

struct CustomerField {
    QString name;
    CustomerFieldKind kind;
};

// Every field the record screen edits, page by page.
const QList<CustomerField>& editableCustomerFields();
// The editable field of this name, compared without regard to case; nothing for another name.
const CustomerField* editableCustomerField(const QString& name);

// The stored value of a typed one; empty text clears. `wrong` says why text is not a value of
// the field's kind (amounts in the user's format, flags as yes/no/true/false/1/0).
QVariant customerFieldValue(const CustomerField& field, const QString& typed, QString* wrong);
// Puts the value into the record, refusing a currency change that would strand the customer's
// invoices in another currency.
CustomerCheck setCustomerField(Database& db, CustomerRecord& record, const CustomerField& field,
                               const QVariant& value);
