#include "plugin/ui/helptopics.h"

#include "plugin/ui/formarsystem.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

void openHelpTopic(const QString& topic)
{
    QUrl address = QUrl::fromLocalFile(TFormARSystem::helpFile());
    address.setFragment(topic);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* console = qobject_cast<TFormARSystem*>(widget); console && console->openUrl) {
            console->openUrl(address);
            return;
        }
    }
    QDesktopServices::openUrl(address);
}
