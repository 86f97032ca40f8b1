#pragma once
// Reports and labels that users design themselves: JSON text kept under the ".rtm" names users
// know ("ARLabel.rtm", "UserDefinedTallywickReport01.rtm"). A template names the row source it
// prints, its paper, an optional label layout and its bands with their texts, lines, boxes and
// pictures; loading it builds a ReportDefinition. docs/report-templates.md describes the format.
//
// Users edit these files by hand, so every refusal names the file, where in it the fault is
// and what is wrong.

#include "report/reportdefinition.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

namespace report
{

inline constexpr QLatin1String kTemplateFormat("tallywick-report");
inline constexpr int kTemplateVersion = 1;

// A template that cannot be used; the message names the file and the fault.
class TemplateError : public std::runtime_error
{
public:
    explicit TemplateError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

// The row sources a template may bind to, with the fields each one gives.
class SourceCatalogue
{
public:
    virtual ~SourceCatalogue() = default;
    // The fields of the named source (the name compared without regard to case); nothing for a
    // name the catalogue does not know.
    virtual std::optional<QStringList> fieldsOf(const QString& source) const = 0;
    virtual QStringList sourceNames() const = 0;
};

struct ReportTemplate {
    QString fileName;
    // The row source as the catalogue names it (as written when loaded without a catalogue).
    QString source;
    // The order the rows must come in: the group fields, outermost first, then the template's
    // own order, each field once.
    QStringList orderBy;
    ReportDefinition definition;
};

// Reads a template file. With a catalogue, the source and every field the template names are
// checked against it. Raises TemplateError.
ReportTemplate loadReportTemplate(const QString& fileName,
                                  const SourceCatalogue* sources = nullptr);
// The same from text already read; pictures are found beside `fileName`.
ReportTemplate readReportTemplate(const QByteArray& text, const QString& fileName,
                                  const SourceCatalogue* sources = nullptr);

} // namespace report
