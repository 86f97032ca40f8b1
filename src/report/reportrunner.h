#pragma once
// Lays out a report over its rows and hands each finished page to a sink as soon as it is full.

#include "report/page.h"
#include "report/reportcontext.h"
#include "report/reportdefinition.h"
#include "report/rowsource.h"

#include <QDateTime>
#include <QHash>
#include <QString>

namespace report
{

struct RunOptions {
    QDateTime printedAt = QDateTime::currentDateTime();
    QHash<QString, QString> parameters;
};

class ReportRunner
{
public:
    ReportRunner(const ReportDefinition& definition, RunOptions options = {});
    ~ReportRunner();

    // Runs the report; returns the number of pages made. A report over no rows makes no page
    // unless it has a title or summary to print. The sink is not finished: one PDF or one
    // print job may hold several runs (copies of a batch), and its owner finishes it.
    int run(RowSource& rows, PageSink& sink);

private:
    class Pass;
    const ReportDefinition& definition_;
    RunOptions options_;
};

} // namespace report
