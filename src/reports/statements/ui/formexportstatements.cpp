#include "reports/statements/ui/formexportstatements.h"

#include "common/ui/barprogress.h"
#include "common/ui/dateentry.h"
#include "common/ui/fontfactor.h"
#include "data/screensettings.h"
#include "reports/statements/statementexportchoices.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace statements;

TFormExportStatements::TFormExportStatements(Database& db, QString databaseDirectory,
                                             QWidget* parent)
    : QDialog(parent), db_(db), directory_(std::move(databaseDirectory)), messageBoxes_(this),
      dialogs_(&messageBoxes_)
{
    setObjectName(QStringLiteral("FormExportStatements"));
    setWindowTitle(QStringLiteral("Export Statements to Mail-Merge File"));

    EditDataFileName = new QLineEdit(this);
    EditDataFileName->setObjectName(QStringLiteral("EditDataFileName"));
    ButtonBrowse = new QPushButton(QStringLiteral("..."), this);
    ButtonBrowse->setObjectName(QStringLiteral("ButtonBrowse"));
    ButtonBrowse->setFixedWidth(32);
    connect(ButtonBrowse, &QPushButton::clicked, this, [this] { ButtonBrowseClick(); });
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(EditDataFileName, 1);
    fileRow->addWidget(ButtonBrowse);

    EditStatementDescription = new QLineEdit(this);
    EditStatementDescription->setObjectName(QStringLiteral("EditStatementDescription"));
    ComboBoxCustomerType = new QComboBox(this);
    ComboBoxCustomerType->setObjectName(QStringLiteral("ComboBoxCustomerType"));
    ComboBoxCustomerType->addItems({QStringLiteral("Clients"), QStringLiteral("Funders"),
                                    QStringLiteral("Clients and Funders")});
    wwDBSpinEditMaxStatements = new QSpinBox(this);
    wwDBSpinEditMaxStatements->setObjectName(QStringLiteral("wwDBSpinEditMaxStatements"));
    wwDBSpinEditMaxStatements->setRange(kMinStatements, kMaxStatements);
    ComboBoxExportType = new QComboBox(this);
    ComboBoxExportType->setObjectName(QStringLiteral("ComboBoxExportType"));
    ComboBoxExportType->addItems(
        {QStringLiteral("Tab-Delimited mail-merge"), QStringLiteral("Excel")});
    ComboBoxExportType->setEnabled(false); // the file is always tab-delimited text

    wwDBDateTimePickerStart = new DateEntry(this);
    wwDBDateTimePickerStart->setObjectName(QStringLiteral("wwDBDateTimePickerStart"));
    wwDBDateTimePickerEnd = new DateEntry(this);
    wwDBDateTimePickerEnd->setObjectName(QStringLiteral("wwDBDateTimePickerEnd"));
    // The period stays in order: the other end follows the one moved past it.
    connect(wwDBDateTimePickerStart, &DateEntry::dateEdited, this, [this](const QDate& start) {
        if (start > wwDBDateTimePickerEnd->date())
            wwDBDateTimePickerEnd->setDate(start);
    });
    connect(wwDBDateTimePickerEnd, &DateEntry::dateEdited, this, [this](const QDate& end) {
        if (end < wwDBDateTimePickerStart->date())
            wwDBDateTimePickerStart->setDate(end);
    });

    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    auto* status = new QLabel(this);
    status->setObjectName(QStringLiteral("LabelStatus"));

    auto* buttons = new QDialogButtonBox(this);
    ButtonOK = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonClose = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    ButtonClose->setObjectName(QStringLiteral("ButtonClose"));
    connect(ButtonOK, &QPushButton::clicked, this, &TFormExportStatements::ButtonOKClick);
    connect(ButtonClose, &QPushButton::clicked, this, &QDialog::reject);
    const auto fileNamed = [this] {
        ButtonOK->setEnabled(!EditDataFileName->text().trimmed().isEmpty());
    };
    connect(EditDataFileName, &QLineEdit::textChanged, this, fileNamed);
    fileNamed();

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(QStringLiteral("Specify a file for the exported data:"), fileRow);
    form->addRow(QStringLiteral("Start of period to export:"), wwDBDateTimePickerStart);
    form->addRow(QStringLiteral("End of period:"), wwDBDateTimePickerEnd);
    form->addRow(QStringLiteral("Statement description, if no description present:"),
                 EditStatementDescription);
    form->addRow(QStringLiteral("Include in the export:"), ComboBoxCustomerType);
    form->addRow(QStringLiteral("Maximum Number of Statements to Export, per Client:"),
                 wwDBSpinEditMaxStatements);
    form->addRow(QStringLiteral("Specify the export format:"), ComboBoxExportType);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(6);
    layout->addWidget(ProgressBar);
    layout->addWidget(status);
    layout->addWidget(buttons);
    setMinimumWidth(640);
    applyFontFactor(this);
}

void TFormExportStatements::setDialogs(Dialogs* dialogs)
{
    dialogs_ = dialogs ? dialogs : &messageBoxes_;
}

void TFormExportStatements::showEvent(QShowEvent* event)
{
    const StatementExportChoices c = readStatementExportChoices(ScreenSettings(directory_));
    EditDataFileName->setText(c.options.fileName);
    EditStatementDescription->setText(c.options.statementDescription);
    ComboBoxCustomerType->setCurrentIndex(int(c.options.kind));
    wwDBSpinEditMaxStatements->setValue(c.options.maxStatements);
    ComboBoxExportType->setCurrentIndex(c.exportType);
    const ExportPeriod period = defaultExportPeriod(QDate::currentDate());
    wwDBDateTimePickerStart->setDate(period.start);
    wwDBDateTimePickerEnd->setDate(period.end);
    ProgressBar->setValue(0);
    QDialog::showEvent(event);
}

void TFormExportStatements::done(int result)
{
    StatementExportChoices c;
    c.options.fileName = EditDataFileName->text();
    c.options.statementDescription = EditStatementDescription->text();
    c.options.kind = CustomerKind(ComboBoxCustomerType->currentIndex());
    c.options.maxStatements = wwDBSpinEditMaxStatements->value();
    c.exportType = ComboBoxExportType->currentIndex();
    ScreenSettings settings(directory_);
    writeStatementExportChoices(settings, c);
    QDialog::done(result);
}

void TFormExportStatements::ButtonBrowseClick()
{
    QFileDialog dialog(this, QStringLiteral("Specify a file for the exported data"),
                       EditDataFileName->text());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setNameFilter(QStringLiteral("Mail-merge files (*.csv *.txt)"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        EditDataFileName->setText(dialog.selectedFiles().constFirst());
}

void TFormExportStatements::ButtonOKClick()
{
    if (EditDataFileName->text().trimmed().isEmpty())
        return;
    StatementExportOptions options;
    options.fileName = EditDataFileName->text().trimmed();
    options.statementDescription = EditStatementDescription->text();
    options.kind = CustomerKind(ComboBoxCustomerType->currentIndex());
    options.maxStatements = wwDBSpinEditMaxStatements->value();

    BarProgress progress(ProgressBar, findChild<QLabel*>(QStringLiteral("LabelStatus")));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        exportStatements(db_, options, *dialogs_, progress);
        QApplication::restoreOverrideCursor();
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        dialogs_->inform(Dialogs::Kind::Error,
                         QStringLiteral("The mail-merge file was not written.\r\n") +
                             QString::fromUtf8(e.what()));
    }
}
