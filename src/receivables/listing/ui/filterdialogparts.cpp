#include "receivables/listing/ui/filterdialogparts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

FlagChoiceButtons makeFlagChoice(const QString& title, QWidget* parent)
{
    FlagChoiceButtons b;
    b.yes = new QRadioButton(QStringLiteral("&Yes"), parent);
    b.no = new QRadioButton(QStringLiteral("&No"), parent);
    b.all = new QRadioButton(QStringLiteral("&All"), parent);
    b.all->setChecked(true);
    b.box = new QGroupBox(title, parent);
    auto* row = new QHBoxLayout(b.box);
    row->addWidget(b.yes);
    row->addWidget(b.no);
    row->addWidget(b.all);
    return b;
}

FlagChoice chosenFlag(const FlagChoiceButtons& buttons)
{
    return buttons.yes->isChecked()  ? FlagChoice::Yes
           : buttons.no->isChecked() ? FlagChoice::No
                                     : FlagChoice::All;
}

void layOutFilterDialog(QDialog* dialog, QFormLayout* form, QGroupBox* flag,
                        const std::function<void()>& reset)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QPushButton* resetButton =
        buttons->addButton(QStringLiteral("&Reset"), QDialogButtonBox::ResetRole);
    resetButton->setObjectName(QStringLiteral("btnReset"));
    QObject::connect(resetButton, &QPushButton::clicked, dialog, reset);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(form);
    layout->addWidget(flag);
    layout->addWidget(buttons);
}
