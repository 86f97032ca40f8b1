#include "pdfreading.h"

#include "programrun.h"

#include <QRegularExpression>

int pdfPageCount(const QString& file)
{
    const ProgramRun run = runProgram(QStringLiteral("pdfinfo"), {file});
    if (run.exitCode != 0)
        return -1;
    const auto match = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                          QRegularExpression::MultilineOption)
                           .match(run.out);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString pdfText(const QString& file)
{
    return runProgram(QStringLiteral("pdftotext"),
                      {QStringLiteral("-layout"), file, QStringLiteral("-")})
        .out;
}

QStringList pdfWords(const QString& file)
{
    const ProgramRun run = runProgram(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    return run.out.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}
