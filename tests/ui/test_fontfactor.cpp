// Every screen and dialog grows by the console's font factor, once: a screen that sizes itself
// at creation at once, one that its layout sizes when first shown.

#include "common/ui/fontfactor.h"
#include "dialer/ui/tfrmdialer.h"
#include "reports/registerlists/ui/formtimeperiod.h"

#include <QTest>
#include <cmath>

namespace
{

const QDate kToday(2001, 9, 14);

QSize scaled(QSize size, double factor)
{
    return {int(std::lround(size.width() * factor)), int(std::lround(size.height() * factor))};
}

template <typename Screen, typename... Args> QSize shownSize(double factor, Args&&... args)
{
    setFontFactor(factor);
    Screen screen(std::forward<Args>(args)...);
    screen.show();
    QSize size = screen.size();
    screen.hide();
    setFontFactor(1.0);
    return size;
}

} // namespace

class TestFontFactor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { setFontFactor(1.0); }

    // The period dialog is sized by its layout; it grows when first shown, after the layout has
    // sized it, and showing it again does not grow it twice.
    void aLaidOutDialogGrowsWhenFirstShown()
    {
        const QSize natural = shownSize<TFormTimePeriod>(1.0, kToday);
        QCOMPARE(shownSize<TFormTimePeriod>(1.0, kToday), natural);

        setFontFactor(1.5);
        TFormTimePeriod dialog(kToday);
        dialog.show();
        QCOMPARE(dialog.size(), scaled(natural, 1.5));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize()); // still of fixed size
        dialog.hide();
        dialog.show();
        QCOMPARE(dialog.size(), scaled(natural, 1.5));
    }

    // The dialer gives itself its size when it is made; it grows at once, and only once however
    // often the factor is applied.
    void aSizedScreenGrowsOnceAtCreation()
    {
        setFontFactor(1.25);
        TfrmDialer dialer;
        const QSize grown = dialer.size();
        setFontFactor(1.0);
        TfrmDialer plain;
        QCOMPARE(grown, scaled(plain.size(), 1.25));

        setFontFactor(1.25);
        applyFontFactor(&dialer);
        QCOMPARE(dialer.size(), grown);
        dialer.show();
        QCOMPARE(dialer.size(), grown);
    }
};

QTEST_MAIN(TestFontFactor)
#include "test_fontfactor.moc"
