#pragma once
// Saves and restores the choices of a screen's check boxes, radio buttons and drop-down lists
// in its section of Hearthtable.ini, keyed by each control's name.

class QWidget;
class ScreenSettings;

void restoreScreenState(QWidget* screen, const ScreenSettings& settings);
void saveScreenState(const QWidget* screen, ScreenSettings& settings);
