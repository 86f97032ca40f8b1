#pragma once
// Reading the register commands' option values. Each returns the message for a wrong value, or
// nothing.

#include "receivables/listing/listtexts.h"

#include <QDate>
#include <QStringList>

// yes or no.
QString readFlag(const QString& option, const QString& value, FlagChoice& choice);
// One of `words`.
QString readWord(const QString& option, const QString& value, const QStringList& words);
// A date written yyyy-mm-dd; `date` is left invalid when it is written otherwise.
QString readIsoDate(const QString& value, QDate& date);
