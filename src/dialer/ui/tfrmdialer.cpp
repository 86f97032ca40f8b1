#include "dialer/ui/tfrmdialer.h"

#include "common/ui/fontfactor.h"
#include "common/ui/messageboxdialogs.h"
#include "dialer/dialersettings.h"
#include "dialer/modemdial.h"
#include "dialer/ui/tfrmdialersetup.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmDialer::TfrmDialer(QWidget* parent)
    : QDialog(parent), ownDialogs_(std::make_unique<MessageBoxDialogs>(this))
{
    setObjectName(QStringLiteral("frmDialer"));
    setWindowTitle(QStringLiteral("Dialer"));
    dialogs = ownDialogs_.get();
    iniPath = dialer::dialerIniPath();
    deviceFor = dialer::serialDeviceFor;

    lblPrompt = new QLabel(this);
    lblPrompt->setObjectName(QStringLiteral("lblPrompt"));
    lblPrompt->setMinimumWidth(260);
    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnSetup = new QPushButton(QStringLiteral("&Setup"), this);
    btnSetup->setObjectName(QStringLiteral("btnSetup"));
    connect(btnOK, &QPushButton::clicked, this, &TfrmDialer::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSetup, &QPushButton::clicked, this, &TfrmDialer::btnSetupClick);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnSetup);
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(16);
    layout->addWidget(lblPrompt);
    layout->addLayout(buttons);
    adjustSize();
    applyFontFactor(this);
}

TfrmDialer::~TfrmDialer() = default;

QString TfrmDialer::prompt() const
{
    return QStringLiteral("Phone '") + partyName_ + QStringLiteral("'\rat ") + phoneNumber_;
}

void TfrmDialer::showEvent(QShowEvent* event)
{
    lblPrompt->setText(MessageBoxDialogs::displayText(prompt()));
    btnOK->setFocus();
    QDialog::showEvent(event);
}

void TfrmDialer::btnOKClick()
{
    const QString device = deviceFor(dialer::readDialerPort(iniPath));
    // The screen steps aside while the user picks up the phone; the call is then done.
    if (dialer::dialNumber(device, phoneNumber_, *dialogs, [this] { hide(); }))
        accept();
}

void TfrmDialer::btnSetupClick()
{
    TfrmDialerSetup setup(iniPath, this);
    setup.exec();
}
