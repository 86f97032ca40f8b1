#include "common/ui/messageboxdialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <memory>

namespace
{

QMessageBox::Icon iconFor(Dialogs::Kind kind)
{
    switch (kind) {
    case Dialogs::Kind::Information:
        return QMessageBox::Information;
    case Dialogs::Kind::Warning:
        return QMessageBox::Warning;
    case Dialogs::Kind::Error:
        return QMessageBox::Critical;
    case Dialogs::Kind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

struct ButtonPair {
    Dialogs::Button ours;
    QMessageBox::StandardButton theirs;
};

const ButtonPair kButtons[] = {
    {Dialogs::Yes, QMessageBox::Yes},       {Dialogs::No, QMessageBox::No},
    {Dialogs::Ok, QMessageBox::Ok},         {Dialogs::Cancel, QMessageBox::Cancel},
    {Dialogs::Retry, QMessageBox::Retry},   {Dialogs::Abort, QMessageBox::Abort},
    {Dialogs::Ignore, QMessageBox::Ignore},
};

} // namespace

QString MessageBoxDialogs::displayText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void MessageBoxDialogs::inform(Kind kind, const QString& text)
{
    ask(kind, text, Ok);
}

QMessageBox* MessageBoxDialogs::createBox(Kind kind, const QString& text, Buttons buttons,
                                          QWidget* parent)
{
    auto* box = new QMessageBox(iconFor(kind), QApplication::applicationDisplayName(),
                                displayText(text), QMessageBox::NoButton, parent);
    QMessageBox::StandardButtons standard;
    for (const ButtonPair& pair : kButtons) {
        if (buttons.testFlag(pair.ours))
            standard |= pair.theirs;
    }
    box->setStandardButtons(standard ? standard : QMessageBox::Ok);
    return box;
}

Dialogs::Button MessageBoxDialogs::ask(Kind kind, const QString& text, Buttons buttons)
{
    const std::unique_ptr<QMessageBox> box(
        createBox(kind, text, buttons, parent_ ? parent_ : QApplication::activeWindow()));
    const auto chosen = static_cast<QMessageBox::StandardButton>(box->exec());
    for (const ButtonPair& pair : kButtons) {
        if (pair.theirs == chosen)
            return pair.ours;
    }
    // Closing the box with Escape or its title bar answers Cancel, or No, or OK when that is all.
    if (buttons.testFlag(Cancel))
        return Cancel;
    return buttons.testFlag(No) ? No : Ok;
}
