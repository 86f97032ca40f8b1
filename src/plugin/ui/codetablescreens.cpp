#include "plugin/ui/codetablescreens.h"

#include "data/datamodule.h"
#include "masterdata/codetables/codetables.h"
#include "masterdata/ui/frmcodelist.h"
#include "masterdata/ui/frmcoderecord.h"
#include "plugin/ui/arprocess.h"
#include "plugin/ui/fontfactor.h"
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
        list->runRecordScreen = [](TfrmCodeRecord& record) {
            applyFontFactor(&record);
            record.exec();
        };
        if (table.numberedFromItemCtl)
            list->synchronize = runConsoleItemSync;
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
