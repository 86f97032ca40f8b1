#pragma once
// The console's pixels per inch over 96: every screen and dialog grows its client size by it,
// so that layouts drawn for standard displays keep their proportions on larger fonts.
//
// Tab widths need nothing of their own: a tab is as wide as its caption, and captions are drawn
// in point sizes that already follow the display's pixels per inch.

class QWidget;

double FontFactor();
// Set once, when the console is created.
void setFontFactorFrom(const QWidget* console);
void setFontFactor(double factor);

// Every screen and dialog calls this at the end of its construction. When FontFactor is not
// exactly 1 its client width and height are multiplied by it, rounded to whole pixels: at once
// for a screen that has given itself a size, and for one whose layout decides its size, when it
// is first shown (the layout has sized it by then). A screen is scaled only once, however often
// this is called.
void applyFontFactor(QWidget* screen);
