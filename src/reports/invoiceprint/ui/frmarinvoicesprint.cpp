#include "reports/invoiceprint/ui/frmarinvoicesprint.h"

#include "common/ui/barprogress.h"
#include "common/ui/fontfactor.h"
#include "data/screensettings.h"
#include "engine/dberror.h"
#include "engine/tablelock.h"
#include "receivables/invoices/ui/invoicewindowopen.h"
#include "reports/invoiceprint/invoiceprintchoices.h"
#include "reports/invoiceprint/invoiceprintrun.h"
#include "reports/invoiceprint/ui/screeninvoiceoutput.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TfrmARInvoicesPrint::TfrmARInvoicesPrint(Database& db, QString databaseDirectory, QWidget* parent)
    : QDialog(parent), db_(db), directory_(std::move(databaseDirectory)), dialogs_(this)
{
    setObjectName(QStringLiteral("frmARInvoicesPrint"));
    setWindowTitle(QStringLiteral("Print AR Invoices"));

    LabelCount = new QLabel(this);
    LabelCount->setObjectName(QStringLiteral("LabelCount"));
    QFont bold = LabelCount->font();
    bold.setBold(true);
    LabelCount->setFont(bold);

    RzComboBoxPrintOption = new QComboBox(this);
    RzComboBoxPrintOption->setObjectName(QStringLiteral("RzComboBoxPrintOption"));
    RzComboBoxPrintOption->addItems({QStringLiteral("Invoices Only"),
                                     QStringLiteral("Invoices and Labels"),
                                     QStringLiteral("Invoices and Mail-Merge")});
    RzComboBoxSortOrder = new QComboBox(this);
    RzComboBoxSortOrder->setObjectName(QStringLiteral("RzComboBoxSortOrder"));
    RzComboBoxSortOrder->addItems({QStringLiteral("Invoice Number"),
                                   QStringLiteral("Client/Funder ID"),
                                   QStringLiteral("Client Last Name")});
    connect(RzComboBoxSortOrder, &QComboBox::currentIndexChanged, this,
            [this] { applySortOrder(); });

    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, 1);
    ProgressBar->setValue(0);
    auto* status = new QLabel(this);
    status->setObjectName(QStringLiteral("LabelStatus"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOK"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { btnOKClick(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Select the output:"), RzComboBoxPrintOption);
    form->addRow(QStringLiteral("Select the Sort Order:"), RzComboBoxSortOrder);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelCount);
    layout->addSpacing(6);
    layout->addLayout(form);
    layout->addSpacing(6);
    layout->addWidget(ProgressBar);
    layout->addWidget(status);
    layout->addWidget(buttons);
    setMinimumWidth(380);

    if (selection_.isDefaultSelection())
        OpenQuery();
    applyFontFactor(this);
}

void TfrmARInvoicesPrint::OpenQuery()
{
    batchSize_ = selection_.count(db_);
    opened_ = true;
    LabelCount->setText(invoicesToBePrintedText(batchSize_));
}

void TfrmARInvoicesPrint::showEvent(QShowEvent* event)
{
    const InvoicePrintChoices choices = readInvoicePrintChoices(ScreenSettings(directory_));
    RzComboBoxPrintOption->setCurrentIndex(int(choices.output));
    const QSignalBlocker quiet(RzComboBoxSortOrder);
    RzComboBoxSortOrder->setCurrentIndex(choices.sortOrder);
    applySortOrder();
    QDialog::showEvent(event);
}

void TfrmARInvoicesPrint::done(int result)
{
    ScreenSettings settings(directory_);
    writeInvoicePrintChoices(settings, {PrintOutputChoice(RzComboBoxPrintOption->currentIndex()),
                                        RzComboBoxSortOrder->currentIndex()});
    QDialog::done(result);
}

void TfrmARInvoicesPrint::applySortOrder()
{
    const bool wasOpen = opened_;
    opened_ = false;
    selection_.setSortOrder(RzComboBoxSortOrder->currentIndex());
    if (selection_.isDefaultSelection() || wasOpen)
        OpenQuery();
}

void TfrmARInvoicesPrint::btnOKClick()
{
    InvoicePrintOptions options;
    options.output = PrintOutputChoice(RzComboBoxPrintOption->currentIndex());
    options.reprint = windowTitle().startsWith(QLatin1String("Reprint"));
    options.invoiceWindowOpen = ::invoiceWindowOpen();
    options.dataDirectory = directory_;

    auto* status = findChild<QLabel*>(QStringLiteral("LabelStatus"));
    BarProgress progress(ProgressBar, status);
    ScreenInvoiceOutput output(this, dialogs_, directory_);
    InvoicePrintResult result;
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        struct RestoreCursor {
            ~RestoreCursor() { QApplication::restoreOverrideCursor(); }
        } restore;
        result = InvoicePrintRun(db_, dialogs_, progress, output).run(selection_, options);
    } catch (const LockError& e) {
        dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
        return;
    } catch (const std::exception& e) {
        dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
        return;
    }
    if (!output.pdfFiles().isEmpty())
        dialogs_.inform(Dialogs::Kind::Information,
                        QStringLiteral("Printed to:\r\n") +
                            output.pdfFiles().join(QStringLiteral("\r\n")));
    switch (result.outcome) {
    case InvoicePrintOutcome::PrinterNotChosen:
    case InvoicePrintOutcome::InvoiceWindowOpen:
        return; // the dialog stays open for another try
    case InvoicePrintOutcome::Printed:
        accept();
        return;
    case InvoicePrintOutcome::NothingToPrint:
    case InvoicePrintOutcome::NotConfirmed:
        reject();
        return;
    }
}
