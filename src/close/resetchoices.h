#pragma once
// What a balance reset can clear, as offered on the reset screen and the command line, and the
// texts the reset speaks with.

#include <QString>
#include <QStringList>
#include <optional>

enum class ResetChoice {
    ClientBalances = 0,  // what private-pay clients owe
    FunderBalances = 1,  // what third-party funders owe
    PledgeWriteOff = 2,  // pledges of posted invoices written off, balances rebuilt
    SelectedAccount = 3, // what one customer owes
    AllBalances = 4,     // what everybody owes
};

// The choices' texts in their order; the index of a text is its choice.
QStringList resetChoiceTexts();
// The choice with this index, or none for an index outside the list (-1: nothing chosen).
std::optional<ResetChoice> resetChoiceAt(int index);
// Only the selected-account choice needs a customer; a choice's text says so.
bool choiceNeedsCustomer(const QString& choiceText);

QString resetConfirmationText();
QString resetDoneText();
