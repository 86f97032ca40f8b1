#pragma once
// Every text the payment register shows or asks, worded exactly as the bookkeeper reads it
// ("\r" and "\r\n" included; only the screen turns them into line breaks).

#include "receivables/listing/listtexts.h"

#include <QString>

namespace paymentregistermsg
{
// Deleting a payment.
inline const QString kPostedCantBeDeleted =
    QStringLiteral("A Payment that has been Posted\r\ncan't be deleted!");
QString confirmDeleteCheque(const QString& chequeNo);
QString postedMeanwhile(const QString& chequeNo);

// The find dialog.
QString chequeNotFoundFor(const QString& chequeNo, const QString& customerName);
QString chequeNotFound(const QString& chequeNo);
QString noChequesFor(const QString& customerName);
using ::customerNoNotFound;
} // namespace paymentregistermsg
