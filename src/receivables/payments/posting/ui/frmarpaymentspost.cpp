#include "receivables/payments/posting/ui/frmarpaymentspost.h"

#include "common/ui/barprogress.h"
#include "engine/dberror.h"
#include "receivables/payments/posting/paymentpostingrun.h"
#include "receivables/payments/posting/paymentstopost.h"
#include "receivables/payments/posting/ui/paymentwindowopen.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TfrmARPaymentsPost::TfrmARPaymentsPost(Database& db, QWidget* parent)
    : QDialog(parent), db_(db), dialogs_(this)
{
    setObjectName(QStringLiteral("frmARPaymentsPost"));
    setWindowTitle(QStringLiteral("Post AR Payments"));

    LabelCount = new QLabel(paymentposting::toBePostedText(0), this);
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

void TfrmARPaymentsPost::OpenQuery()
{
    waiting_ = paymentposting::countPaymentsToPost(db_);
    LabelCount->setText(paymentposting::toBePostedText(waiting_));
}

void TfrmARPaymentsPost::btnOKClick()
{
    // Whatever happens, the dialog closes: with OK only once posting ran.
    if (waiting_ == 0) {
        reject();
        return;
    }
    PaymentPostingOptions options;
    options.paymentWindowOpen = paymentWindowOpen();
    BarProgress progress(ProgressBar);
    PaymentPostingResult result;
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        struct RestoreCursor {
            ~RestoreCursor() { QApplication::restoreOverrideCursor(); }
        } restore;
        result = PaymentPostingRun(db_, dialogs_, progress).run(options);
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
