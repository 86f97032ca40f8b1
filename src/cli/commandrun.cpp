#include "cli/commandrun.h"

#include "cli/commands.h"
#include "data/datamodule.h"
#include "receivables/listing/customerlookup.h"
#include "receivables/listing/listtexts.h"

#include <QPrinterInfo>

int refuseWords(CliContext& context, const QString& wrong, const char* usage)
{
    context.err << wrong << Qt::endl << usage << Qt::endl;
    return 2;
}

std::optional<int> refuseDestination(CliContext& context, const QString& pdf,
                                     const QString& printer, const QString& what)
{
    if (pdf.isEmpty() && printer.isEmpty()) {
        context.err << "Name where " << what << " with --pdf FILE or --printer NAME." << Qt::endl;
        return 2;
    }
    if (!printer.isEmpty() && !QPrinterInfo::availablePrinterNames().contains(printer)) {
        context.err << "There is no printer named " << printer << "." << Qt::endl;
        return 1;
    }
    return std::nullopt;
}

int withBooks(Dialogs& dialogs, const std::function<int(TDataModuleARSystem&)>& work)
{
    TDataModuleARSystem module(dialogs);
    if (!module.schemaReport().error.isEmpty())
        return 1;
    return work(module);
}

std::optional<qint64> customerNamed(Database& db, const QString& customerNo, CliContext& context)
{
    const auto customer = customerWithNo(db, customerNo);
    if (!customer)
        context.err << customerNoNotFound(customerNo) << Qt::endl;
    return customer ? std::optional<qint64>(customer->id) : std::nullopt;
}

std::optional<qint64> onlyOneNamed(const QList<qint64>& ids, CliContext& context,
                                   const QString& none,
                                   const std::function<QString(qsizetype count)>& many)
{
    if (ids.size() == 1)
        return ids.first();
    context.err << (ids.isEmpty() ? none : many(ids.size())) << Qt::endl;
    return std::nullopt;
}

int deletionExit(DeleteOutcome outcome, CliContext& context, const QString& gone)
{
    switch (outcome) {
    case DeleteOutcome::Deleted:
        return 0;
    case DeleteOutcome::Abandoned:
        context.out << "Nothing was deleted." << Qt::endl;
        return 0;
    case DeleteOutcome::NotFound:
        context.err << gone << Qt::endl;
        return 1;
    case DeleteOutcome::Refused:
        break;
    }
    return 1;
}
