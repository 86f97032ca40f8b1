#include "receivables/invoices/ui/frmarinvoicesetup.h"

#include "common/ui/fontfactor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TfrmARInvoiceSetup::TfrmARInvoiceSetup(Database& db, QWidget* parent)
    : QDialog(parent), db_(db), setup_(readInvoicePrintSetup(db)), dialogs_(this)
{
    setObjectName(QStringLiteral("frmARInvoiceSetup"));
    setWindowTitle(QStringLiteral("Invoice Print Setup"));

    edtMessage = new QLineEdit(setup_.message, this);
    edtMessage->setObjectName(QStringLiteral("edtMessage"));
    edtMessage->setMaxLength(120);
    edtMessage->setMinimumWidth(360);
    edtCopies = new QSpinBox(this);
    edtCopies->setObjectName(QStringLiteral("edtCopies"));
    edtCopies->setRange(0, InvoicePrintSetup::kMaxCopies);
    edtCopies->setValue(setup_.copies);
    chkPrintTerms = new QCheckBox(QStringLiteral("Print Payment Terms"), this);
    chkPrintTerms->setObjectName(QStringLiteral("chkPrintTerms"));
    chkPrintTerms->setChecked(setup_.printTerms);
    chkAustralia = new QCheckBox(this);
    chkAustralia->setObjectName(QStringLiteral("chkAustralia"));
    chkAustralia->setChecked(setup_.australia);
    cboStyle = new QComboBox(this);
    cboStyle->setObjectName(QStringLiteral("cboStyle"));
    cboStyle->addItems({InvoicePrintSetup::styleName(0), InvoicePrintSetup::styleName(1)});
    cboStyle->setCurrentIndex(setup_.style == 1 ? 1 : 0);
    cboStyle->setEnabled(false);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setFixedSize(240, 120);
    imgLogo->setFrameShape(QFrame::StyledPanel);
    imgLogo->setAlignment(Qt::AlignCenter);
    btnLoad = new QPushButton(QStringLiteral("&Load..."), this);
    btnLoad->setObjectName(QStringLiteral("btnLoad"));
    btnClear = new QPushButton(QStringLiteral("C&lear"), this);
    btnClear->setObjectName(QStringLiteral("btnClear"));
    connect(btnLoad, &QPushButton::clicked, this, [this] {
        const QString file = QFileDialog::getOpenFileName(
            this, QStringLiteral("Select logo"), QString(), QStringLiteral("Bitmaps (*.bmp)"));
        if (!file.isEmpty())
            loadLogo(file);
    });
    connect(btnClear, &QPushButton::clicked, this, [this] { clearLogo(); });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Message:"), edtMessage);
    form->addRow(QStringLiteral("Number of copies:"), edtCopies);
    form->addRow(QString(), chkPrintTerms);
    form->addRow(QStringLiteral("Australian Tax Invoice Logic:"), chkAustralia);
    form->addRow(QStringLiteral("Style (future feature)"), cboStyle);
    auto* logoButtons = new QVBoxLayout;
    logoButtons->addWidget(btnLoad);
    logoButtons->addWidget(btnClear);
    logoButtons->addStretch();
    auto* logoRow = new QHBoxLayout;
    logoRow->addWidget(imgLogo);
    logoRow->addLayout(logoButtons);
    form->addRow(QStringLiteral("Logo:"), logoRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmARInvoiceSetup::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    showLogo();
    applyFontFactor(this);
}

bool TfrmARInvoiceSetup::loadLogo(const QString& path)
{
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (QImage::fromData(bytes).isNull()) {
        dialogs_.inform(Dialogs::Kind::Error,
                        QStringLiteral("The file %1 is not a picture that can be read.").arg(path));
        return false;
    }
    setup_.logo = bytes;
    showLogo();
    return true;
}

void TfrmARInvoiceSetup::clearLogo()
{
    setup_.logo.clear();
    showLogo();
}

void TfrmARInvoiceSetup::showLogo()
{
    const QImage image = QImage::fromData(setup_.logo);
    btnClear->setEnabled(!image.isNull());
    if (image.isNull()) {
        imgLogo->setPixmap(QPixmap());
        imgLogo->setText(QStringLiteral("(no logo)"));
        return;
    }
    imgLogo->setPixmap(QPixmap::fromImage(image.scaled(
        imgLogo->size() - QSize(8, 8), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TfrmARInvoiceSetup::accept()
{
    setup_.message = edtMessage->text();
    setup_.copies = edtCopies->value();
    setup_.printTerms = chkPrintTerms->isChecked();
    setup_.australia = chkAustralia->isChecked();
    try {
        storeInvoicePrintSetup(db_, setup_);
    } catch (const std::exception& e) {
        dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
        return;
    }
    QDialog::accept();
}
