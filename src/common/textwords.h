// Small text utilities for building descriptions and message texts: splitting a text at a
// delimiter, joining words, and replacing a placeholder token everywhere in a text.
#pragma once

#include <QString>
#include <QStringList>

// The parts of `text` between occurrences of `delimiter` (which may be longer than one
// character), found left to right; the part after the last delimiter is always included, even
// when empty ("a,b," gives "a", "b", ""). An empty delimiter gives the whole text as one part.
QStringList StringToWords(const QString& text, const QString& delimiter);

// The words joined in order with `separator` between them; an empty list gives empty text.
QString WordsToString(const QStringList& words, const QString& separator);

// Replaces every occurrence of `token` in `text`, left to right without overlap, with
// `replacement`. An empty token leaves the text as it is.
void ReplaceToken(QString& text, const QString& token, const QString& replacement);
