// tallywick reset-balances: what Reset Selected Balances does, the choice given by its number
// (0 to 4, in the order of the screen's list) and, for one account, the customer by number.
// The question before the reset is answered by --yes or --no, or asked as other commands ask.
#include "cli/answeringdialogs.h"
#include "cli/commandrun.h"
#include "cli/commands.h"
#include "cli/consoledialogs.h"
#include "close/balancereset.h"
#include "data/datamodule.h"

namespace
{

const char* const kUsage =
    "Usage: tallywick reset-balances --option N [--customer NO] [--yes|--no]\n"
    "       N: 0 private pay client balances, 1 third-party funders balances, 2 pledge\n"
    "       line-item amounts, 3 the balance of the customer named with --customer, 4 all\n"
    "       account balances";

struct Request {
    std::optional<ResetChoice> choice;
    QString customerNo;
    std::optional<Dialogs::Button> answer;
};

QString readRequest(const QStringList& args, Request& r)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& option = args[i];
        if (option == QLatin1String("--yes") || option == QLatin1String("--no")) {
            r.answer = option == QLatin1String("--yes") ? Dialogs::Yes : Dialogs::No;
            continue;
        }
        if (option != QLatin1String("--option") && option != QLatin1String("--customer"))
            return QStringLiteral("Unknown option %1.").arg(option);
        if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a value.").arg(option);
        const QString value = args[++i];
        if (option == QLatin1String("--customer")) {
            r.customerNo = value;
            continue;
        }
        bool whole = false;
        const int index = value.toInt(&whole);
        r.choice = whole ? resetChoiceAt(index) : std::nullopt;
        if (!r.choice)
            return QStringLiteral("--option takes a number from 0 to 4, not %1.").arg(value);
    }
    if (!r.choice)
        return QStringLiteral("Name what to reset with --option N.");
    const bool oneAccount = *r.choice == ResetChoice::SelectedAccount;
    if (oneAccount && r.customerNo.isEmpty())
        return QStringLiteral("Option 3 resets one account: name it with --customer NO.");
    if (!oneAccount && !r.customerNo.isEmpty())
        return QStringLiteral("--customer goes with option 3 only.");
    return {};
}

} // namespace

int runResetCommand(const QStringList& args, CliContext& context)
{
    Request request;
    if (const QString wrong = readRequest(args, request); !wrong.isEmpty())
        return refuseWords(context, wrong, kUsage);
    return withBooks(context.dialogs, [&](TDataModuleARSystem& module) {
        Database& db = module.database();
        std::optional<qint64> customerId;
        if (!request.customerNo.isEmpty()) {
            customerId = customerNamed(db, request.customerNo, context);
            if (!customerId)
                return 1;
        }
        AnsweringDialogs dialogs(context.dialogs, request.answer);
        switch (confirmAndResetBalances(db, dialogs, *request.choice, customerId)) {
        case ResetOutcome::Reset:
            return 0;
        case ResetOutcome::Declined:
            context.out << "Nothing was reset." << Qt::endl;
            return 0;
        case ResetOutcome::Refused:
            break;
        }
        return 1;
    });
}
