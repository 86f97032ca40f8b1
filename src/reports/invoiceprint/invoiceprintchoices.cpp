#include "reports/invoiceprint/invoiceprintchoices.h"

#include "data/screensettings.h"
#include "reports/invoiceprint/invoiceselection.h"

namespace
{

const QString kSection = QStringLiteral("FormARInvoicesPrint");
const QString kOutputKey = QStringLiteral("RzComboBoxPrintOption");
const QString kSortOrderKey = QStringLiteral("RzComboBoxSortOrder");
constexpr int kOutputCount = 3;

int itemIndex(const ScreenSettings& settings, const QString& key, int count)
{
    const int index = settings.readIndex(kSection, key, 0);
    return index >= 0 && index < count ? index : 0;
}

} // namespace

InvoicePrintChoices readInvoicePrintChoices(const ScreenSettings& settings)
{
    return {PrintOutputChoice(itemIndex(settings, kOutputKey, kOutputCount)),
            itemIndex(settings, kSortOrderKey, InvoiceSelection::kSortOrderCount)};
}

void writeInvoicePrintChoices(ScreenSettings& settings, const InvoicePrintChoices& choices)
{
    settings.writeIndex(kSection, kOutputKey, int(choices.output));
    settings.writeIndex(kSection, kSortOrderKey, choices.sortOrder);
}
