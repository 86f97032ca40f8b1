#include "close/resetchoicesetting.h"

#include "data/screensettings.h"

namespace
{
const QString kSection = QStringLiteral("FormResetBalances");
const QString kChoiceKey = QStringLiteral("RzComboBoxCandidates");
} // namespace

int readResetChoiceIndex(const ScreenSettings& settings)
{
    return settings.readIndex(kSection, kChoiceKey, -1);
}

void writeResetChoiceIndex(ScreenSettings& settings, int index)
{
    settings.writeIndex(kSection, kChoiceKey, index);
}
