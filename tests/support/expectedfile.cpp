#include "expectedfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace testfiles
{

namespace
{
constexpr int kContext = 3;

bool updating()
{
    return qEnvironmentVariable("TALLYWICK_UPDATE_EXPECTED") == QLatin1String("1");
}
} // namespace

QString firstDifference(const QString& expected, const QString& actual)
{
    const QStringList want = expected.split(QLatin1Char('\n'));
    const QStringList got = actual.split(QLatin1Char('\n'));
    int line = 0;
    while (line < want.size() && line < got.size() && want.at(line) == got.at(line))
        ++line;
    if (line == want.size() && line == got.size())
        return {};
    QString out = QStringLiteral("first difference at line %1 (expected %2 lines, got %3)\n")
                      .arg(line + 1)
                      .arg(want.size())
                      .arg(got.size());
    const int from = std::max(0, line - kContext);
    for (int i = from; i < line; ++i)
        out += QStringLiteral("    %1\n").arg(want.at(i));
    for (int i = line; i < std::min<int>(want.size(), line + kContext); ++i)
        out += QStringLiteral("  - %1\n").arg(want.at(i));
    for (int i = line; i < std::min<int>(got.size(), line + kContext); ++i)
        out += QStringLiteral("  + %1\n").arg(got.at(i));
    return out;
}

bool matchesExpected(const QString& expectedFile, const QString& actual, QString* failure)
{
    if (updating()) {
        QDir().mkpath(QFileInfo(expectedFile).absolutePath());
        QFile out(expectedFile);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            *failure =
                QStringLiteral("%1 could not be written: %2").arg(expectedFile, out.errorString());
            return false;
        }
        out.write(actual.toUtf8());
        qInfo("rewrote %s", qPrintable(expectedFile));
        return true;
    }
    QFile in(expectedFile);
    if (!in.open(QIODevice::ReadOnly)) {
        *failure = QStringLiteral("%1 is missing (%2); run with TALLYWICK_UPDATE_EXPECTED=1 to "
                                  "write it")
                       .arg(expectedFile, in.errorString());
        return false;
    }
    const QString expected = QString::fromUtf8(in.readAll());
    const QString difference = firstDifference(expected, actual);
    if (difference.isEmpty())
        return true;
    *failure = QStringLiteral("%1 differs, %2(TALLYWICK_UPDATE_EXPECTED=1 rewrites it)")
                   .arg(expectedFile, difference);
    return false;
}

} // namespace testfiles
