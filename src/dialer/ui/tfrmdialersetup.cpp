#include "dialer/ui/tfrmdialersetup.h"

#include "common/ui/dialogbuttons.h"
#include "common/ui/fontfactor.h"
#include "common/ui/messageboxdialogs.h"
#include "dialer/dialersettings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

TfrmDialerSetup::TfrmDialerSetup(QString iniPath, QWidget* parent)
    : QDialog(parent), ownDialogs_(std::make_unique<MessageBoxDialogs>(this)),
      iniPath_(std::move(iniPath))
{
    dialogs = ownDialogs_.get();
    setObjectName(QStringLiteral("frmDialerSetup"));
    setWindowTitle(QStringLiteral("Dialer Setup"));

    cboPort = new QComboBox(this);
    cboPort->setObjectName(QStringLiteral("cboPort"));
    cboPort->setMinimumWidth(140);
    QStringList devices;
    for (int port = dialer::kFirstPort; port <= dialer::kLastPort; ++port) {
        cboPort->addItem(QStringLiteral("COM%1").arg(port));
        devices << QStringLiteral("COM%1 is %2").arg(port).arg(dialer::serialDeviceFor(port));
    }
    cboPort->setToolTip(QStringLiteral("The serial port of the modem. On this computer:\n") +
                        devices.join(QLatin1Char('\n')));

    QDialogButtonBox* buttons = makeDialogOkCancel(this, btnOK, btnCancel);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Port:"), cboPort);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(16);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    applyFontFactor(this);
}

void TfrmDialerSetup::showEvent(QShowEvent* event)
{
    cboPort->setCurrentIndex(dialer::readDialerPort(iniPath_) - dialer::kFirstPort);
    cboPort->setFocus();
    QDialog::showEvent(event);
}

TfrmDialerSetup::~TfrmDialerSetup() = default;

void TfrmDialerSetup::accept()
{
    // A program folder the user may not write to would otherwise drop the choice unseen.
    if (!dialer::writeDialerPort(iniPath_, cboPort->currentIndex() + dialer::kFirstPort)) {
        dialogs->inform(Dialogs::Kind::Error,
                        QStringLiteral("Unable to save the dialer port in ") + iniPath_);
        return;
    }
    QDialog::accept();
}
