#pragma once
// The reset screen remembers its last choice in Hearthtable.ini; -1 when nothing was chosen.

class ScreenSettings;

int readResetChoiceIndex(const ScreenSettings& settings);
void writeResetChoiceIndex(ScreenSettings& settings, int index);
