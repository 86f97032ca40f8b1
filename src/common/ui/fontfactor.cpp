#include "common/ui/fontfactor.h"

#include <QEvent>
#include <QLayout>
#include <QWidget>
#include <cmath>

namespace
{

double factor = 1.0;

const char* const kScaledProperty = "tallywickFontFactorApplied";

void scale(QWidget* screen)
{
    const QSize size(int(std::lround(screen->width() * factor)),
                     int(std::lround(screen->height() * factor)));
    // A dialog of fixed size stays fixed, at its grown size: its layout no longer pins it to
    // what its contents need.
    QLayout* layout = screen->layout();
    const bool fixedByLayout = layout && layout->sizeConstraint() == QLayout::SetFixedSize;
    if (fixedByLayout)
        layout->setSizeConstraint(QLayout::SetDefaultConstraint);
    if (fixedByLayout || screen->minimumSize() == screen->maximumSize())
        screen->setFixedSize(size);
    else
        screen->resize(size);
}

// Scales a screen whose layout sizes it when it is first shown, before it is drawn.
class ScaleOnFirstShow : public QObject
{
public:
    explicit ScaleOnFirstShow(QWidget* screen) : QObject(screen)
    {
        screen->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto* screen = static_cast<QWidget*>(watched);
            screen->removeEventFilter(this);
            scale(screen);
            deleteLater();
        }
        return false;
    }
};

} // namespace

double FontFactor()
{
    return factor;
}

void setFontFactorFrom(const QWidget* console)
{
    setFontFactor(console->logicalDpiX() / 96.0);
}

void setFontFactor(double newFactor)
{
    factor = newFactor;
}

void applyFontFactor(QWidget* screen)
{
    if (factor == 1.0 || screen->property(kScaledProperty).toBool())
        return;
    screen->setProperty(kScaledProperty, true);
    if (screen->testAttribute(Qt::WA_Resized))
        scale(screen);
    else
        new ScaleOnFirstShow(screen);
}
