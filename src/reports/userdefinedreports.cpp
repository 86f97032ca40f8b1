#include "reports/userdefinedreports.h"

#include "common/dialogs.h"
#include "reports/namedsources.h"

#include <QDir>
#include <QFileInfo>

namespace reports
{

namespace
{

QString inDirectory(const QString& directory, const QString& name)
{
    return QDir::cleanPath(directory + QLatin1Char('/') + name);
}

// The template, or nothing after the error message that shows why not.
std::optional<report::ReportTemplate> loaded(const QString& fileName, Dialogs& dialogs,
                                             const NamedSources& sources)
{
    try {
        return report::loadReportTemplate(fileName, &sources);
    } catch (const report::TemplateError& e) {
        dialogs.inform(Dialogs::Kind::Error, e.message());
        return std::nullopt;
    }
}

} // namespace

BoundReport::BoundReport(report::ReportTemplate reportTemplate,
                         std::unique_ptr<report::RowSource> rows)
    : template_(std::move(reportTemplate)), rows_(std::move(rows))
{
}

BoundReport::BoundReport(BoundReport&&) noexcept = default;
BoundReport& BoundReport::operator=(BoundReport&&) noexcept = default;
BoundReport::~BoundReport() = default;

int BoundReport::print(report::PageSink& sink, const report::RunOptions& options)
{
    rows_->rewind();
    return report::ReportRunner(template_.definition, options).run(*rows_, sink);
}

std::optional<report::ReportTemplate> loadUserTemplate(const QString& fileName, Dialogs& dialogs,
                                                       const NamedSources& sources)
{
    if (!QFileInfo::exists(fileName)) {
        dialogs.inform(Dialogs::Kind::Warning,
                       kMissingReportTemplate + QDir::toNativeSeparators(fileName));
        return std::nullopt;
    }
    return loaded(fileName, dialogs, sources);
}

QString userDefinedTemplatePath(const QString& directory, int report)
{
    switch (report) {
    case 1:
        return inDirectory(directory, QStringLiteral("UserDefinedTallywickReport01.rtm"));
    case 2:
        return inDirectory(directory, QStringLiteral("UserDefinedTallywickReport02.rtm"));
    default:
        return {};
    }
}

std::optional<BoundReport> openUserDefinedReport(int report, const QString& directory,
                                                 Dialogs& dialogs, Database& db)
{
    const QString fileName = userDefinedTemplatePath(directory, report);
    if (fileName.isEmpty()) {
        dialogs.inform(Dialogs::Kind::Warning, kReportChoiceWarning);
        return std::nullopt;
    }
    const NamedSources sources;
    std::optional<report::ReportTemplate> reportTemplate =
        loadUserTemplate(fileName, dialogs, sources);
    if (!reportTemplate)
        return std::nullopt;
    auto rows = sources.open(db, reportTemplate->source, reportTemplate->orderBy);
    return BoundReport(std::move(*reportTemplate), std::move(rows));
}

std::optional<int> printUserDefinedReport(int report, const QString& directory, Dialogs& dialogs,
                                          Database& db, report::PageSink& sink,
                                          const report::RunOptions& options)
{
    std::optional<BoundReport> bound = openUserDefinedReport(report, directory, dialogs, db);
    if (!bound)
        return std::nullopt;
    return bound->print(sink, options);
}

QString labelTemplatePath(const QString& directory)
{
    return inDirectory(directory, kLabelTemplateName);
}

QString missingTemplateText(const QString& fileName)
{
    return QStringLiteral("The report template %1 could not be found.")
        .arg(QDir::toNativeSeparators(fileName));
}

std::optional<int> printLabels(const QString& directory, Dialogs& dialogs, report::RowSource& rows,
                               report::PageSink& sink, const report::RunOptions& options)
{
    const QString fileName = labelTemplatePath(directory);
    if (!QFileInfo::exists(fileName)) {
        dialogs.inform(Dialogs::Kind::Warning, missingTemplateText(fileName));
        return std::nullopt;
    }
    const NamedSources sources;
    const std::optional<report::ReportTemplate> reportTemplate = loaded(fileName, dialogs, sources);
    if (!reportTemplate)
        return std::nullopt;
    rows.rewind();
    return report::ReportRunner(reportTemplate->definition, options).run(rows, sink);
}

} // namespace reports
