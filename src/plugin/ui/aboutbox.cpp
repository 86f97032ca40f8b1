#include "plugin/ui/aboutbox.h"

#include "common/ui/fontfactor.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFormAboutARSystem::TFormAboutARSystem(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAboutARSystem"));
    setWindowTitle(QStringLiteral("About Tallywick"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(8);
    auto* product = new QLabel(QStringLiteral("Hearthtable Tallywick"), this);
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    product->setFont(big);
    auto* purpose = new QLabel(
        QStringLiteral("Accounts receivable and billing for home-delivered meals"), this);
    auto* version = new QLabel(versionText(), this);
    version->setObjectName(QStringLiteral("LabelVersion"));
    layout->addWidget(product);
    layout->addWidget(purpose);
    layout->addSpacing(6);
    layout->addWidget(version);
    layout->addSpacing(10);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::AcceptRole);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    applyFontFactor(this);
}

QString TFormAboutARSystem::versionText()
{
    return QStringLiteral("Version: ") + QStringLiteral(TALLYWICK_VERSION);
}
