#pragma once
// The console's pixels per inch over 96: every screen grows its client size by it, so that
// layouts drawn for standard displays keep their proportions on larger fonts.

class QWidget;

double FontFactor();
void setFontFactorFrom(const QWidget* console);
// Multiplies the screen's client width and height by FontFactor when it is not exactly 1.
void applyFontFactor(QWidget* screen);
