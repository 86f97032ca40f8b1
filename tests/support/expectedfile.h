#pragma once
// Printed documents are checked against expected files kept with the tests: their page model
// text, not their pixels. When a layout changes on purpose, run the tests once with
// TALLYWICK_UPDATE_EXPECTED=1 to write the files anew, and review the change with git diff.

#include <QString>
#include <QTest>

namespace testfiles
{
// Compares `actual` with the file. On a difference (or a missing file) `failure` tells the
// first lines that differ; with TALLYWICK_UPDATE_EXPECTED=1 the file is written instead and
// the comparison holds.
bool matchesExpected(const QString& expectedFile, const QString& actual, QString* failure);
// The first differing line of two texts with a few lines around it, for a failure message.
QString firstDifference(const QString& expected, const QString& actual);
} // namespace testfiles

#define COMPARE_WITH_EXPECTED(actual, expectedFile)                                                \
    do {                                                                                           \
        QString failure_;                                                                          \
        if (!testfiles::matchesExpected((expectedFile), (actual), &failure_))                      \
            QFAIL(qPrintable(failure_));                                                           \
    } while (false)
