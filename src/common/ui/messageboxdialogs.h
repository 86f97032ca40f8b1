#pragma once
// Dialogs shown as message boxes: the icon by kind, the buttons asked for, the text exactly as
// the rules word it with its line breaks shown as breaks.

#include "common/dialogs.h"

class QMessageBox;
class QWidget;

class MessageBoxDialogs final : public Dialogs
{
public:
    explicit MessageBoxDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    void inform(Kind kind, const QString& text) override;
    Button ask(Kind kind, const QString& text, Buttons buttons) override;

    // The text as a message box shows it: "\r\n", "\n\r" and lone "\r" become line breaks.
    static QString displayText(const QString& text);
    // The message box a question or message is shown in, not yet shown (also for pictures of
    // it); the caller owns it.
    static QMessageBox* createBox(Kind kind, const QString& text, Buttons buttons,
                                  QWidget* parent = nullptr);

private:
    QWidget* parent_;
};
