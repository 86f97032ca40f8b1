#pragma once
// In a lookup the Delete key clears the choice (back to the blank or "(all)" first entry).

class QComboBox;

void deleteKeyClears(QComboBox* lookup);
