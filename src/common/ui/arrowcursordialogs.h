#pragma once
// Messages of a long operation are read with the ordinary pointer, whatever cursor the
// operation shows (the hourglass of a run, say).

#include "common/dialogs.h"

#include <QGuiApplication>

class ArrowCursorDialogs final : public Dialogs
{
public:
    explicit ArrowCursorDialogs(Dialogs& dialogs) : dialogs_(dialogs) {}
    void inform(Kind kind, const QString& text) override
    {
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
        dialogs_.inform(kind, text);
        QGuiApplication::restoreOverrideCursor();
    }
    Button ask(Kind kind, const QString& text, Buttons buttons) override
    {
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
        const Button answer = dialogs_.ask(kind, text, buttons);
        QGuiApplication::restoreOverrideCursor();
        return answer;
    }

private:
    Dialogs& dialogs_;
};
