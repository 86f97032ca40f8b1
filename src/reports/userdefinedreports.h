#pragma once
// The reports users design themselves: the console's "Report 1" and "Report 2", and the address
// labels printed with invoices and statements. Widget-free: the screen asks for the
// destination and hands over a page sink (the preview or the printer); the rules here find the
// template, load it, bind it to its rows and print it.

#include "report/page.h"
#include "report/reportrunner.h"
#include "report/reporttemplate.h"
#include "report/rowsource.h"

#include <QString>
#include <memory>
#include <optional>

class Database;
class Dialogs;

namespace reports
{

class NamedSources;

inline const QString kReportChoiceWarning =
    QStringLiteral("Report choice was not one of the selections!");
inline const QString kMissingReportTemplate =
    QStringLiteral("Could not locate the report template file:\n\r");
inline const QString kLabelTemplateName = QStringLiteral("ARLabel.rtm");
// Asked before any labels print, with invoices and with statements.
inline const QString kInsertLabels =
    QStringLiteral("Insert labels into printer and click OK when ready.\r\nClick Cancel to skip "
                   "printing any labels.");

// A loaded template with its rows, ready to print as often as asked (a preview prints again
// when it is paged through or sent to the printer).
class BoundReport
{
public:
    BoundReport(report::ReportTemplate reportTemplate, std::unique_ptr<report::RowSource> rows);
    BoundReport(BoundReport&&) noexcept;
    BoundReport& operator=(BoundReport&&) noexcept;
    ~BoundReport();

    const report::ReportTemplate& reportTemplate() const { return template_; }
    const report::ReportDefinition& definition() const { return template_.definition; }
    // Prints every page into the sink from the first row; returns the number of pages.
    int print(report::PageSink& sink, const report::RunOptions& options = {});

private:
    report::ReportTemplate template_;
    std::unique_ptr<report::RowSource> rows_;
};

// A template the user keeps in the database's directory, checked against the sources. Nothing,
// after a message, when the file is missing (warning "Could not locate the report template
// file:" and the file) or the template is refused (error with the loader's text).
std::optional<report::ReportTemplate> loadUserTemplate(const QString& fileName, Dialogs& dialogs,
                                                       const NamedSources& sources);

// The template of "Report 1" (report 1) or "Report 2" (report 2) in the database's directory;
// empty for any other report.
QString userDefinedTemplatePath(const QString& directory, int report);

// Finds, loads and binds the template of "Report 1" or "Report 2". Nothing, after a message,
// when the report is neither (warning), the file is missing (warning) or the template is
// refused (error with the loader's text).
std::optional<BoundReport> openUserDefinedReport(int report, const QString& directory,
                                                 Dialogs& dialogs, Database& db);
// The same, printed into the sink; the number of pages, or nothing when nothing printed.
std::optional<int> printUserDefinedReport(int report, const QString& directory, Dialogs& dialogs,
                                          Database& db, report::PageSink& sink,
                                          const report::RunOptions& options = {});

// The label template "ARLabel.rtm" in the database's directory.
QString labelTemplatePath(const QString& directory);
// The warning for a label template that is not there.
QString missingTemplateText(const QString& fileName);
// Prints one label per row with the label template. Nothing, after a message, when the
// template is missing (warning "The report template <file> could not be found.") or refused
// (error with the loader's text).
std::optional<int> printLabels(const QString& directory, Dialogs& dialogs, report::RowSource& rows,
                               report::PageSink& sink, const report::RunOptions& options = {});

} // namespace reports
