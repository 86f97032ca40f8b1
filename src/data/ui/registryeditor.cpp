#include "data/ui/registryeditor.h"

#include "common/ui/fontfactor.h"
#include "data/registry.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace
{

const QString kDataLocation = QStringLiteral("Data Location:");
const QString kSharedIniDirectory = QStringLiteral("Shared Ini Directory:");
const QString kLan = QStringLiteral("LAN");
const QString kInternet = QStringLiteral("Internet");

// Four groups of one to three digits separated by points. The server may listen on a port of
// its own, so ":port" may follow; the start-up rules read it from the same setting.
const QRegularExpression kServerAddress(QStringLiteral(R"(\d{1,3}(\.\d{1,3}){3}(:\d{1,5})?)"));

} // namespace

TFormRegistryEditor::TFormRegistryEditor(Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), folderPicker_(&TFormRegistryEditor::chooseFolder)
{
    setObjectName(QStringLiteral("FormRegistryEditor"));
    setWindowTitle(QStringLiteral("Hearthtable Data Options"));
    setMinimumWidth(460);

    auto* grpOperationMode = new QGroupBox(QStringLiteral("Operation Mode"), this);
    grpOperationMode->setObjectName(QStringLiteral("grpOperationMode"));
    rbFileServer = new QRadioButton(QStringLiteral("File Server"), grpOperationMode);
    rbFileServer->setObjectName(QStringLiteral("rbFileServer"));
    rbClientServer = new QRadioButton(QStringLiteral("Client-Server Engine"), grpOperationMode);
    rbClientServer->setObjectName(QStringLiteral("rbClientServer"));
    rgOperationMode = new QButtonGroup(this);
    rgOperationMode->addButton(rbFileServer, 0);
    rgOperationMode->addButton(rbClientServer, 1);
    rbFileServer->setChecked(true);
    auto* modeLayout = new QHBoxLayout(grpOperationMode);
    modeLayout->addWidget(rbFileServer);
    modeLayout->addSpacing(24);
    modeLayout->addWidget(rbClientServer);
    modeLayout->addStretch();

    editDataLocation = new QLineEdit(this);
    editDataLocation->setObjectName(QStringLiteral("editDataLocation"));
    editDataLocation->setReadOnly(true);
    btnBrowse = new QPushButton(QStringLiteral("&Browse..."), this);
    btnBrowse->setObjectName(QStringLiteral("btnBrowse"));
    btnBrowse->setToolTip(QStringLiteral("Locate Hearthtable Data Folder"));
    btnBrowse->setAutoDefault(false);
    auto* locationLayout = new QHBoxLayout;
    locationLayout->addWidget(editDataLocation, 1);
    locationLayout->addWidget(btnBrowse);
    lblDataLocation = new QLabel(kDataLocation, this);
    lblDataLocation->setObjectName(QStringLiteral("lblDataLocation"));
    lblDataLocation->setBuddy(editDataLocation);
    lblDataLocation->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Room for either caption, so that changing the mode does not shift the fields.
    lblDataLocation->setMinimumWidth(
        std::max(lblDataLocation->fontMetrics().horizontalAdvance(kDataLocation),
                 lblDataLocation->fontMetrics().horizontalAdvance(kSharedIniDirectory)));

    // Wide enough for the longest address with a port, and no wider.
    const int addressWidth =
        fontMetrics().horizontalAdvance(QStringLiteral("000.000.000.000:00000")) + 24;
    editServerIP = new QLineEdit(this);
    editServerIP->setObjectName(QStringLiteral("editServerIP"));
    editServerIP->setValidator(new QRegularExpressionValidator(kServerAddress, editServerIP));
    editServerIP->setFixedWidth(addressWidth);
    auto* lblServerIP = new QLabel(QStringLiteral("Server IP Address:"), this);
    lblServerIP->setObjectName(QStringLiteral("lblServerIP"));
    lblServerIP->setBuddy(editServerIP);

    cboServerType = new QComboBox(this);
    cboServerType->setObjectName(QStringLiteral("cboServerType"));
    cboServerType->addItems({kLan, kInternet});
    cboServerType->setFixedWidth(addressWidth);
    auto* lblServerType = new QLabel(QStringLiteral("ServerType:"), this);
    lblServerType->setObjectName(QStringLiteral("lblServerType"));
    lblServerType->setBuddy(cboServerType);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(lblDataLocation, locationLayout);
    form->addRow(lblServerIP, editServerIP);
    form->addRow(lblServerType, cboServerType);

    // Part of the form but never offered: hidden, disabled and without effect.
    btnDeleteAllSettings = new QPushButton(QStringLiteral("Delete All Settings"), this);
    btnDeleteAllSettings->setObjectName(QStringLiteral("btnDeleteAllSettings"));
    btnDeleteAllSettings->setEnabled(false);
    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(btnDeleteAllSettings, QDialogButtonBox::ResetRole);
    buttons->addButton(btnOK, QDialogButtonBox::AcceptRole);
    buttons->addButton(btnCancel, QDialogButtonBox::RejectRole);
    btnDeleteAllSettings->hide(); // after the box, which shows every button it is given

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grpOperationMode);
    layout->addSpacing(6);
    layout->addLayout(form);
    layout->addSpacing(12);
    layout->addStretch();
    layout->addWidget(buttons);

    // Follows every change of the choice, by mouse or by keyboard.
    connect(rbClientServer, &QRadioButton::toggled, this,
            &TFormRegistryEditor::rgOperationModeClick);
    connect(btnBrowse, &QPushButton::clicked, this, &TFormRegistryEditor::btnBrowseClick);
    connect(btnOK, &QPushButton::clicked, this, &TFormRegistryEditor::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    applyFontFactor(this);
}

void TFormRegistryEditor::setFolderPicker(FolderPicker picker)
{
    folderPicker_ = picker ? std::move(picker) : FolderPicker(&TFormRegistryEditor::chooseFolder);
}

QString TFormRegistryEditor::chooseFolder(QWidget* parent, const QString& caption,
                                          const QString& startFolder)
{
    QFileDialog picker(parent, caption, startFolder);
    picker.setFileMode(QFileDialog::Directory);
    picker.setOption(QFileDialog::ShowDirsOnly);
    // A data folder may well sit under a hidden one (a profile's application data).
    picker.setFilter(picker.filter() | QDir::Hidden);
    if (picker.exec() != QDialog::Accepted || picker.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(picker.selectedFiles().constFirst());
}

void TFormRegistryEditor::showEvent(QShowEvent* event)
{
    // Read afresh each time the dialog is opened, not when it comes back from being minimized.
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TFormRegistryEditor::FormShow()
{
    const bool clientServer = GetRegString(reg::Mode, reg::ValueName) == QLatin1String("C");
    (clientServer ? rbClientServer : rbFileServer)->setChecked(true);
    rgOperationModeClick();
    editDataLocation->setText(GetRegString(reg::Alias, reg::ValueName));
    editServerIP->setText(GetRegString(reg::ServerIP, reg::ValueName));
    const bool internet = GetRegString(reg::Connection, reg::ValueName) == kInternet;
    cboServerType->setCurrentIndex(cboServerType->findText(internet ? kInternet : kLan));
}

void TFormRegistryEditor::rgOperationModeClick()
{
    lblDataLocation->setText(rbClientServer->isChecked() ? kSharedIniDirectory : kDataLocation);
}

void TFormRegistryEditor::btnBrowseClick()
{
    const QString folder = folderPicker_(this, QStringLiteral("Locate Hearthtable Data Folder"),
                                         editDataLocation->text());
    if (!folder.isEmpty())
        editDataLocation->setText(folder);
}

void TFormRegistryEditor::btnOKClick()
{
    // Each setting on its own: one that cannot be written is reported and the rest still are.
    SetRegString(dialogs_, reg::Mode,
                 rbClientServer->isChecked() ? QStringLiteral("C") : QStringLiteral("F"));
    SetRegString(dialogs_, reg::Alias, editDataLocation->text());
    SetRegString(dialogs_, reg::ServerIP, editServerIP->text());
    SetRegString(dialogs_, reg::Connection, cboServerType->currentText());
    accept();
}
