#include "plugin/ui/screenregistry.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>

QWidget* findScreen(const QString& name)
{
    const QWidgetList all = QApplication::topLevelWidgets();
    for (QWidget* widget : all) {
        if (widget->objectName() == name)
            return widget;
    }
    return nullptr;
}

QWidget* ensureScreen(const QString& name, const std::function<QWidget*()>& create)
{
    if (QWidget* existing = findScreen(name))
        return existing;
    QWidget* screen = create();
    screen->setObjectName(name);
    // The screen lives until the host ends, like everything the application owns.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, screen, &QObject::deleteLater);
    return screen;
}

QWidget* openOrBringForward(const QString& name, const std::function<QWidget*()>& create,
                            const std::function<void(QWidget*)>& prepare)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QWidget* screen = ensureScreen(name, create);
    if (prepare)
        prepare(screen);
    if (screen->isMinimized())
        screen->showNormal();
    if (screen->isVisible())
        QMetaObject::invokeMethod(screen, "FormShow", Qt::DirectConnection);
    screen->show();
    screen->raise();
    screen->activateWindow();
    QGuiApplication::restoreOverrideCursor();
    return screen;
}
