#pragma once
// Enter moves to the next control, as bookkeepers expect on data-entry screens.

class QWidget;

void enterMovesToNextControl(QWidget* control);
