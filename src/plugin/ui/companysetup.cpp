#include "plugin/ui/companysetup.h"

#include "common/access.h"
#include "masterdata/codetables/codetables.h"
#include "masterdata/company/ui/frmcompany.h"
#include "plugin/ui/arprocess.h"
#include "plugin/ui/codetablescreens.h"
#include "plugin/ui/helptopics.h"
#include "plugin/ui/screenregistry.h"

void openCompanySetup(QWidget*)
{
    ArProcess& process = arProcess();
    if (!process.dataModule || !process.lookups || !SecurityCheck(kAccessYourCompany))
        return;
    openOrBringForward(QStringLiteral("frmCompany"), [&] {
        auto* screen = new TfrmCompany(*process.dataModule, *process.lookups);
        screen->setOpenCurrencies([](std::optional<qint64> currencyId) {
            openCodeTableList(codetables::currencies(), currencyId);
        });
        screen->setOpenHelp([] { openHelpTopic(kHelpOrganizationSetup); });
        return screen;
    });
}
