#include "reports/statements/statementexportchoices.h"

#include "data/screensettings.h"

namespace statements
{

namespace
{

const QString kSection = QStringLiteral("ExportARStatements");
const QString kFileKey = QStringLiteral("DataFileName");
const QString kDescriptionKey = QStringLiteral("EditStatementDescription");
const QString kKindKey = QStringLiteral("ComboBoxCustomerType");
const QString kMaxKey = QStringLiteral("wwDBSpinEditMaxStatements");
const QString kExportTypeKey = QStringLiteral("ComboBoxExportType");

} // namespace

StatementExportChoices readStatementExportChoices(const ScreenSettings& settings)
{
    StatementExportChoices c;
    c.options.fileName = settings.read(kSection, kFileKey, QString());
    c.options.statementDescription = settings.read(kSection, kDescriptionKey, QString());
    const int kind = settings.readIndex(kSection, kKindKey, int(CustomerKind::Both));
    c.options.kind = kind >= 0 && kind <= 2 ? CustomerKind(kind) : CustomerKind::Both;
    const int max = settings.readIndex(kSection, kMaxKey, kMinStatements);
    c.options.maxStatements = max >= kMinStatements && max <= kMaxStatements ? max : kMinStatements;
    const int type = settings.readIndex(kSection, kExportTypeKey, 1);
    c.exportType = type == 0 || type == 1 ? type : 1;
    return c;
}

void writeStatementExportChoices(ScreenSettings& settings, const StatementExportChoices& c)
{
    settings.write(kSection, kFileKey, c.options.fileName);
    settings.write(kSection, kDescriptionKey, c.options.statementDescription);
    settings.writeIndex(kSection, kKindKey, int(c.options.kind));
    settings.writeIndex(kSection, kMaxKey, c.options.maxStatements);
    settings.writeIndex(kSection, kExportTypeKey, c.exportType);
}

ExportPeriod defaultExportPeriod(QDate today)
{
    const QDate thisMonth(today.year(), today.month(), 1);
    const QDate end = thisMonth.addDays(-1);
    return {QDate(end.year() - 1, end.month(), 1), end};
}

} // namespace statements
