#include "receivables/invoices/ui/formselectdeletedate.h"

#include "common/ui/fontfactor.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QVBoxLayout>

TFormSelectDeleteDate::TFormSelectDeleteDate(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormSelectDeleteDate"));
    setWindowTitle(QStringLiteral("Select a Date"));
    calendar = new QCalendarWidget(this);
    calendar->setObjectName(QStringLiteral("calendar"));
    calendar->setSelectedDate(QDate::currentDate());
    calendar->setGridVisible(true);
    connect(calendar, &QCalendarWidget::activated, this, &QDialog::accept);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calendar);
    layout->addWidget(buttons);
    applyFontFactor(this);
}

QDate TFormSelectDeleteDate::selectedDate() const
{
    return calendar->selectedDate();
}
