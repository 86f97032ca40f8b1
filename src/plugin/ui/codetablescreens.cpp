#include "plugin/ui/codetablescreens.h"

#include "data/datamodule.h"
#include "masterdata/codetables/codetables.h"
#include "masterdata/ui/frmcodelist.h"
#include "plugin/ui/arprocess.h"
#include "plugin/ui/helptopics.h"
#include "plugin/ui/phonedialer.h"
#include "plugin/ui/screenregistry.h"

#include <QAction>
#include <QApplication>

namespace
{

// The console's "Synchronize Items", which the item list's Synchronize runs.
void runConsoleItemSync()
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* sync = top->findChild<QAction*>(QStringLiteral("ActionSynchronizeItems"),
                                                  Qt::FindDirectChildrenOnly)) {
            sync->trigger();
            return;
        }
}

} // namespace

QWidget* openCodeTableList(const codetables::CodeTable& table, std::optional<qint64> key)
{
    TDataModuleARSystem* module = arProcess().dataModule;
    if (!module)
        return nullptr;
    QWidget* screen = openOrBringForward(table.listName, [&] {
        auto* list = new TfrmCodeList(module->database(), table);
        if (table.numberedFromItemCtl)
            list->synchronize = runConsoleItemSync;
        list->dial = [](const QString& number) { dialPhone(number, QString()); };
        list->openHelp = [] { openHelpTopic(kHelpCodeTables); };
        return list;
    });
    if (auto* list = qobject_cast<TfrmCodeList*>(screen); list && key)
        list->positionOn(*key);
    return screen;
}

void openItemList()
{
    if (auto* list = qobject_cast<TfrmCodeList*>(findScreen(QStringLiteral("frmItems"))))
        list->setFilter(QString());
    openCodeTableList(codetables::items());
}

void openCodeTableNamed(const QString& table, qint64 key)
{
    for (const codetables::CodeTable& codeTable :
         {codetables::customerTypes(), codetables::itemTypes(), codetables::items(),
          codetables::taxes(), codetables::salesmen(), codetables::banks(),
          codetables::currencies(), codetables::locations()}) {
        if (codeTable.table.name.compare(table, Qt::CaseInsensitive) == 0) {
            openCodeTableList(codeTable, key ? std::optional<qint64>(key) : std::nullopt);
            return;
        }
    }
}
