#pragma once
// Driving a document window (an invoice, a payment) from the keyboard on the offscreen platform.

#include "common/ui/messageboxdialogs.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

// Waits until the shown window is on screen and makes it the active one, as keys need.
inline void activateShown(QWidget* window)
{
    if (!QTest::qWaitForWindowExposed(window))
        qFatal("the window was not shown");
    window->activateWindow();
    QApplication::setActiveWindow(window);
}

// The offscreen platform leaves the window inactive once a modal box or dialog has closed, where
// a desktop gives the activation back; shortcuts and cell editors need an active window.
inline void activateAgain(QWidget* window)
{
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitFor([window] { return window->isActiveWindow(); }, 1000))
        qWarning("the window did not become active again");
}

// A message as its box shows it.
inline QString shown(const QString& text)
{
    return MessageBoxDialogs::displayText(text);
}

// Typing into a grid cell: the first key opens the cell's editor, the rest go to the editor.
template <class WindowPointer> void typeInGrid(const WindowPointer& window, const QString& text)
{
    QTest::keyClick(window->grid, text.at(0).toLatin1());
    if (text.size() > 1)
        QTest::keyClicks(window->focusWidget(), text.mid(1));
}
