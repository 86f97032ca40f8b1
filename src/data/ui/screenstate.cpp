#include "data/ui/screenstate.h"

#include "data/screensettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QWidget>

namespace
{
QString sectionOf(const QWidget* screen)
{
    return screen->objectName();
}
} // namespace

void restoreScreenState(QWidget* screen, const ScreenSettings& settings)
{
    const QString section = sectionOf(screen);
    for (QCheckBox* box : screen->findChildren<QCheckBox*>()) {
        if (!box->objectName().isEmpty())
            box->setChecked(settings.readBool(section, box->objectName(), box->isChecked()));
    }
    // Radio buttons may all be off (nothing chosen yet), which exclusive buttons cannot show.
    for (QRadioButton* radio : screen->findChildren<QRadioButton*>()) {
        if (radio->objectName().isEmpty())
            continue;
        const bool exclusive = radio->autoExclusive();
        radio->setAutoExclusive(false);
        radio->setChecked(settings.readBool(section, radio->objectName(), radio->isChecked()));
        radio->setAutoExclusive(exclusive);
    }
    for (QComboBox* combo : screen->findChildren<QComboBox*>()) {
        if (combo->objectName().isEmpty())
            continue;
        const int index = settings.readIndex(section, combo->objectName(), combo->currentIndex());
        if (index >= 0 && index < combo->count())
            combo->setCurrentIndex(index);
    }
}

void saveScreenState(const QWidget* screen, ScreenSettings& settings)
{
    const QString section = sectionOf(screen);
    for (const QCheckBox* box : screen->findChildren<QCheckBox*>()) {
        if (!box->objectName().isEmpty())
            settings.writeBool(section, box->objectName(), box->isChecked());
    }
    for (const QRadioButton* radio : screen->findChildren<QRadioButton*>()) {
        if (!radio->objectName().isEmpty())
            settings.writeBool(section, radio->objectName(), radio->isChecked());
    }
    for (const QComboBox* combo : screen->findChildren<QComboBox*>()) {
        if (!combo->objectName().isEmpty())
            settings.writeIndex(section, combo->objectName(), combo->currentIndex());
    }
}
