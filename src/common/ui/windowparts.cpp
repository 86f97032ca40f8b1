#include "common/ui/windowparts.h"

#include "common/ui/savechanges.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

QVBoxLayout* setUpDocumentWindow(QWidget* window, const QString& name, const QString& title)
{
    window->setObjectName(name);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);
    return layout;
}

QLabel* captionLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLabel* stateLabel(const QString& text, const QString& name, const QString& colour, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    label->setFont(bold);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(colour));
    return label;
}

QLabel* amountLabel(const QString& name, int minimumWidth, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(minimumWidth);
    label->setFrameShape(QFrame::StyledPanel);
    return label;
}

QHBoxLayout* makePeriodBoxes(QWidget* parent, QSpinBox*& spinPeriod, QLineEdit*& editYear, int gap)
{
    spinPeriod = new QSpinBox(parent);
    spinPeriod->setObjectName(QStringLiteral("spinPeriod"));
    spinPeriod->setRange(0, 12);
    spinPeriod->setSpecialValueText(QStringLiteral(" "));
    editYear = new QLineEdit(parent);
    editYear->setObjectName(QStringLiteral("editYear"));
    editYear->setMaxLength(3);
    editYear->setMaximumWidth(40);
    auto* row = new QHBoxLayout;
    row->addWidget(spinPeriod);
    if (gap > 0)
        row->addSpacing(gap);
    row->addWidget(new QLabel(QStringLiteral("Year:"), parent));
    row->addWidget(editYear);
    row->addStretch();
    return row;
}

QHBoxLayout* makeOkCancel(QWidget* parent, QPushButton*& btnOK, QPushButton*& btnCancel)
{
    btnOK = new QPushButton(QStringLiteral("&OK"), parent);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), parent);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(btnOK);
    row->addWidget(btnCancel);
    return row;
}

void answerCloseBox(QCloseEvent* event, Dialogs& dialogs, bool editing, bool untouchedNew,
                    const std::function<bool()>& save, const std::function<void()>& discard)
{
    switch (decideOnClose(dialogs, editing, untouchedNew)) {
    case CloseDecision::Save:
        if (!save()) {
            event->ignore();
            return;
        }
        break;
    case CloseDecision::Discard:
        discard();
        break;
    case CloseDecision::StayOpen:
        event->ignore();
        return;
    }
    event->accept();
}
