// Splitting, joining and token replacement for description and message texts.
#include "common/textwords.h"

QStringList StringToWords(const QString& text, const QString& delimiter)
{
    QStringList words;
    if (delimiter.isEmpty())
        return {text};
    QString rest = text;
    for (qsizetype at = rest.indexOf(delimiter); at >= 0; at = rest.indexOf(delimiter)) {
        words << rest.left(at);
        rest.remove(0, at + delimiter.size());
    }
    words << rest;
    return words;
}

QString WordsToString(const QStringList& words, const QString& separator)
{
    return words.join(separator);
}

void ReplaceToken(QString& text, const QString& token, const QString& replacement)
{
    if (token.isEmpty())
        return;
    text = WordsToString(StringToWords(text, token), replacement);
}
