#include "receivables/posting/ui/postingdialog.h"

#include "common/ui/barprogress.h"
#include "common/ui/fontfactor.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

PostingDialog::PostingDialog(Database& db, const QString& objectName, const QString& caption,
                             Pass pass, QWidget* parent)
    : QDialog(parent), db_(db), pass_(std::move(pass)), dialogs_(this)
{
    setObjectName(objectName);
    setWindowTitle(caption);

    LabelCount = new QLabel(pass_.toBePostedText(0), this);
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
    applyFontFactor(this);
}

void PostingDialog::OpenQuery()
{
    waiting_ = pass_.countWaiting(db_);
    LabelCount->setText(pass_.toBePostedText(waiting_));
}

void PostingDialog::btnOKClick()
{
    // Whatever happens, the dialog closes: with OK only once posting ran.
    if (waiting_ == 0) {
        reject();
        return;
    }
    BarProgress progress(ProgressBar);
    bool ran = false;
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        struct RestoreCursor {
            ~RestoreCursor() { QApplication::restoreOverrideCursor(); }
        } restore;
        ran = pass_.post(db_, dialogs_, progress);
    } catch (const std::exception& e) {
        // A declined lock, or the engine failing before posting began.
        dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
    }
    if (ran)
        accept();
    else
        reject();
}
