#include "masterdata/ui/itemsdialogs.h"

#include "common/ui/dialogbuttons.h"
#include "common/ui/fontfactor.h"
#include "masterdata/codetables/itemlist.h"
#include "receivables/listing/ui/filterchoices.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfrmItemsFilter::TfrmItemsFilter(Database& db, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmItemsFilter"));
    setWindowTitle(QStringLiteral("Filter Items"));
    cboItemType = new QComboBox(this);
    cboItemType->setObjectName(QStringLiteral("cboItemType"));
    fillItemTypeChoices(cboItemType, db, kAllItemTypes);
    auto* suspended = new QGroupBox(QStringLiteral("Suspended"), this);
    rbSuspendedYes = new QRadioButton(QStringLiteral("Yes"), suspended);
    rbSuspendedNo = new QRadioButton(QStringLiteral("No"), suspended);
    rbSuspendedAll = new QRadioButton(QStringLiteral("All"), suspended);
    rbSuspendedAll->setChecked(true);
    auto* row = new QHBoxLayout(suspended);
    row->addWidget(rbSuspendedYes);
    row->addWidget(rbSuspendedNo);
    row->addWidget(rbSuspendedAll);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Item type:"), cboItemType);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(suspended);
    QPushButton *ok, *cancel;
    layout->addWidget(makeDialogOkCancel(this, ok, cancel));
    applyFontFactor(this);
}

QString TfrmItemsFilter::filter() const
{
    const QVariant type = cboItemType->currentData();
    const auto suspended = rbSuspendedYes->isChecked()  ? codetables::SuspendedChoice::Yes
                           : rbSuspendedNo->isChecked() ? codetables::SuspendedChoice::No
                                                        : codetables::SuspendedChoice::All;
    return codetables::itemFilter(
        type.isValid() ? std::optional<qint64>(type.toLongLong()) : std::nullopt, suspended);
}

TfrmItemsFind::TfrmItemsFind(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmItemsFind"));
    setWindowTitle(QStringLiteral("Find Item"));
    rbItemNo = new QRadioButton(QStringLiteral("Item no."), this);
    rbDescription = new QRadioButton(QStringLiteral("Description"), this);
    rbItemNo->setChecked(true);
    editFind = new QLineEdit(this);
    editFind->setObjectName(QStringLiteral("editFind"));
    auto* by = new QHBoxLayout;
    by->addWidget(rbItemNo);
    by->addWidget(rbDescription);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(by);
    layout->addWidget(editFind);
    QPushButton *ok, *cancel;
    layout->addWidget(makeDialogOkCancel(this, ok, cancel));
    applyFontFactor(this);
}

bool TfrmItemsFind::byNumber() const
{
    return rbItemNo->isChecked();
}

QString TfrmItemsFind::typed() const
{
    return editFind->text();
}
