#pragma once
// How the rules talk to the person at the keyboard without knowing whether a message box, a
// terminal or a test script answers. Texts are passed exactly as the rules word them.

#include <QFlags>
#include <QString>

class Dialogs
{
public:
    enum class Kind { Information, Warning, Error, Confirmation };
    enum Button {
        NoButton = 0x0,
        Ok = 0x1,
        Cancel = 0x2,
        Yes = 0x4,
        No = 0x8,
        Retry = 0x10,
        Abort = 0x20,
        Ignore = 0x40,
    };
    Q_DECLARE_FLAGS(Buttons, Button)

    virtual ~Dialogs() = default;
    virtual void inform(Kind kind, const QString& text) = 0;
    virtual Button ask(Kind kind, const QString& text, Buttons buttons) = 0;
};
Q_DECLARE_OPERATORS_FOR_FLAGS(Dialogs::Buttons)

// Progress of long work: a status-bar bar, the "Saving data" window, a terminal line, or nothing.
class Progress
{
public:
    virtual ~Progress() = default;
    virtual void setRange(int minimum, int maximum) = 0;
    virtual void setValue(int value) = 0;
    virtual void setCaption(const QString& caption) = 0;
};

class NoProgress final : public Progress
{
public:
    void setRange(int, int) override {}
    void setValue(int) override {}
    void setCaption(const QString&) override {}
};
