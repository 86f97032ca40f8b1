#pragma once
// Every screen is one instance per process, found by its name: created on first use, shown as
// an ordinary window in front of the console, restored when minimized, and reloaded when it is
// brought forward while already visible.

#include <QString>
#include <functional>

class QWidget;

QWidget* findScreen(const QString& name);

// Opens the named screen, creating it with `create` when there is none. `prepare` runs before it
// is shown (filters reset and the like). A screen that was already visible is reloaded through
// its FormShow slot, when it has one.
QWidget* openOrBringForward(const QString& name, const std::function<QWidget*()>& create,
                            const std::function<void(QWidget*)>& prepare = {});

// The screen, created but not shown, for commands that run on it (posting, printing).
QWidget* ensureScreen(const QString& name, const std::function<QWidget*()>& create);
