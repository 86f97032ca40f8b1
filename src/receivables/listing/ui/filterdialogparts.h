#pragma once
// The parts both registers' filter dialogs are built from: the Yes/No/All choice of a flag
// ("Posted"), and the dialog's layout with OK, Cancel and Reset.

#include "receivables/listing/listtexts.h"

#include <functional>

class QDialog;
class QFormLayout;
class QGroupBox;
class QRadioButton;
class QString;
class QWidget;

struct FlagChoiceButtons {
    QGroupBox* box;
    QRadioButton* yes;
    QRadioButton* no;
    QRadioButton* all; // chosen at first
};

FlagChoiceButtons makeFlagChoice(const QString& title, QWidget* parent);
FlagChoice chosenFlag(const FlagChoiceButtons& buttons);

// The form, then the flag's choice, then OK, Cancel and "&Reset" (btnReset), which calls `reset`.
void layOutFilterDialog(QDialog* dialog, QFormLayout* form, QGroupBox* flag,
                        const std::function<void()>& reset);
