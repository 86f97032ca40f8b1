#include "reports/ui/formarreportdestination.h"

#include "common/ui/dialogbuttons.h"
#include "common/ui/fontfactor.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

TFormARReportDestination::TFormARReportDestination(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormARReportDestination"));
    setWindowTitle(QStringLiteral("Report Option"));

    auto* group = new QGroupBox(QStringLiteral("Select a Report Destination"), this);
    group->setObjectName(QStringLiteral("RadioGroupDestination"));
    rbScreen = new QRadioButton(QStringLiteral("&Screen"), group);
    rbScreen->setObjectName(QStringLiteral("rbScreen"));
    rbPrinter = new QRadioButton(QStringLiteral("&Printer"), group);
    rbPrinter->setObjectName(QStringLiteral("rbPrinter"));
    rbScreen->setChecked(true);
    auto* choices = new QVBoxLayout(group);
    choices->setContentsMargins(16, 8, 16, 10);
    choices->addWidget(rbScreen);
    choices->addWidget(rbPrinter);

    QDialogButtonBox* buttons = makeDialogOkCancel(this, btnOK, btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(260);
    rbScreen->setFocus();
    applyFontFactor(this);
}

ReportDestination TFormARReportDestination::destination() const
{
    return rbPrinter->isChecked() ? ReportDestination::Printer : ReportDestination::Screen;
}
