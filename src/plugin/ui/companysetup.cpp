#include "plugin/ui/companysetup.h"

#include "common/access.h"
#include "masterdata/codetables/codetables.h"
#include "masterdata/company/ui/frmcompany.h"
#include "plugin/ui/arprocess.h"
#include "plugin/ui/codetablescreens.h"
#include "plugin/ui/formarsystem.h"
#include "plugin/ui/screenregistry.h"

#include <QUrl>

void openCompanySetup(QWidget* console)
{
    ArProcess& process = arProcess();
    if (!process.dataModule || !process.lookups || !SecurityCheck(kAccessYourCompany))
        return;
    auto* arConsole = qobject_cast<TFormARSystem*>(console);
    openOrBringForward(QStringLiteral("frmCompany"), [&] {
        auto* screen = new TfrmCompany(*process.dataModule, *process.lookups);
        screen->setOpenCurrencies([](std::optional<qint64> currencyId) {
            openCodeTableList(codetables::currencies(), currencyId);
        });
        if (arConsole)
            screen->setOpenHelp([arConsole] {
                QUrl topic = QUrl::fromLocalFile(TFormARSystem::helpFile());
                topic.setFragment(QStringLiteral("topic-410"));
                arConsole->openUrl(topic);
            });
        return screen;
    });
}
