#include "reports/registerlists/ui/formtimeperiod.h"

#include "common/ui/dateentry.h"
#include "common/ui/dialogbuttons.h"
#include "common/ui/fontfactor.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

TFormTimePeriod::TFormTimePeriod(const QDate& today, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormTimePeriod"));
    setWindowTitle(QStringLiteral("Time Period"));
    edtDateFrom = new DateEntry(this);
    edtDateFrom->setObjectName(QStringLiteral("edtDateFrom"));
    edtDateTo = new DateEntry(this);
    edtDateTo->setObjectName(QStringLiteral("edtDateTo"));

    QDialogButtonBox* buttons = makeDialogOkCancel(this, btnOK, btnCancel);
    for (DateEntry* edit : {edtDateFrom, edtDateTo})
        connect(edit, &DateEntry::dateEdited, this, [this] { updateOK(); });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&From:"), edtDateFrom);
    form->addRow(QStringLiteral("&To:"), edtDateTo);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(240);

    setPeriod(reports::previousMonth(today));
    edtDateFrom->setFocus();
    applyFontFactor(this);
}

reports::TimePeriod TFormTimePeriod::period() const
{
    return {edtDateFrom->date(), edtDateTo->date()};
}

void TFormTimePeriod::setPeriod(const reports::TimePeriod& period)
{
    edtDateFrom->setDate(period.from);
    edtDateTo->setDate(period.to);
    updateOK();
}

bool TFormTimePeriod::periodValid() const
{
    const reports::TimePeriod p = period();
    return p.from.isValid() && p.to.isValid() && p.from <= p.to;
}

void TFormTimePeriod::updateOK()
{
    btnOK->setEnabled(periodValid());
}

void TFormTimePeriod::accept()
{
    // A date still being typed (Enter pressed in the box) is read before the period is taken.
    btnOK->setFocus();
    updateOK();
    if (periodValid())
        QDialog::accept();
}
