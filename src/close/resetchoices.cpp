#include "close/resetchoices.h"

QStringList resetChoiceTexts()
{
    return {QStringLiteral("Private Pay Client Balances"),
            QStringLiteral("Third-Party Funders Balances"),
            QStringLiteral("Pledge line-item amounts"), QStringLiteral("Selected Account Balance"),
            QStringLiteral("All Account Balances")};
}

std::optional<ResetChoice> resetChoiceAt(int index)
{
    if (index < 0 || index >= resetChoiceTexts().size())
        return std::nullopt;
    return static_cast<ResetChoice>(index);
}

bool choiceNeedsCustomer(const QString& choiceText)
{
    return choiceText.contains(QStringLiteral("Selected"));
}

QString resetConfirmationText()
{
    return QStringLiteral("Proceed with setting the selected account balances or pledge line "
                          "items to zero?\r\nThe action can not be reversed!");
}

QString resetDoneText()
{
    return QStringLiteral("Successfully reset the selected balances.");
}
