#include "plugin/ui/fontfactor.h"

#include <QWidget>
#include <cmath>

namespace
{
double factor = 1.0;
}

double FontFactor()
{
    return factor;
}

void setFontFactorFrom(const QWidget* console)
{
    factor = console->logicalDpiX() / 96.0;
}

void applyFontFactor(QWidget* screen)
{
    if (factor == 1.0)
        return;
    screen->resize(int(std::lround(screen->width() * factor)),
                   int(std::lround(screen->height() * factor)));
}
