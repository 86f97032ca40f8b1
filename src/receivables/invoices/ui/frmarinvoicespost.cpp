#include "receivables/invoices/ui/frmarinvoicespost.h"

#include "common/ui/barprogress.h"
#include "engine/dberror.h"
#include "receivables/invoices/posting/invoicepostingrun.h"
#include "receivables/invoices/posting/invoicestopost.h"
#include "receivables/invoices/ui/invoicewindowopen.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TfrmARInvoicesPost::TfrmARInvoicesPost(Database& db, QWidget* parent)
    : QDialog(parent), db_(db), dialogs_(this)
{
    setObjectName(QStringLiteral("frmARInvoicesPost"));
    setWindowTitle(QStringLiteral("Post AR Invoices"));

    LabelCount = new QLabel(invoiceposting::toBePostedText(0), this);
    LabelCount->setObjectName(QStringLiteral("LabelCount"));
    QFont bold = LabelCount->font();
    bold.setBold(true);
    LabelCount->setFont(bold);

    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, 1);
    ProgressBar->setValue(0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { btnOKClick(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelCount);
    layout->addSpacing(6);
    layout->addWidget(ProgressBar);
    layout->addWidget(buttons);
    setMinimumWidth(320);

    OpenQuery();
}

void TfrmARInvoicesPost::OpenQuery()
{
    waiting_ = invoiceposting::countInvoicesToPost(db_);
    LabelCount->setText(invoiceposting::toBePostedText(waiting_));
}

void TfrmARInvoicesPost::btnOKClick()
{
    // Whatever happens, the dialog closes: with OK only once posting ran.
    if (waiting_ == 0) {
        reject();
        return;
    }
    InvoicePostingOptions options;
    options.invoiceWindowOpen = invoiceWindowOpen();
    BarProgress progress(ProgressBar);
    InvoicePostingResult result;
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        struct RestoreCursor {
            ~RestoreCursor() { QApplication::restoreOverrideCursor(); }
        } restore;
        result = InvoicePostingRun(db_, dialogs_, progress).run(options);
    } catch (const std::exception& e) {
        // A declined lock, or the engine failing before posting began.
        dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
        reject();
        return;
    }
    if (result.accepted())
        accept();
    else
        reject();
}
