// tallywick generate: a period's client and funder invoices made from the delivery records, with
// the choices of the Generate Invoices screen as options and its questions answered by flags.
#include "billing/generationrun.h"
#include "billing/runchecks.h"
#include "billing/unbilledcsv.h"
#include "cli/commands.h"
#include "cli/consoledialogs.h"
#include "cli/terminalprogress.h"
#include "common/formats.h"
#include "data/datamodule.h"
#include "sync/customersync.h"
#include "sync/itemsync.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <utility>

namespace
{

const char* const kUsage =
    "Usage: tallywick generate --start DATE --end DATE [--invoice-date DATE]\n"
    "         [--billing meals|pledges|both] [--pledges item|day|month|year]\n"
    "         [--payers private|all|funders] [--include IDS | --exclude IDS] [--history yes|no]\n"
    "         [--sync-items yes|no] [--sync-customers yes|no] [--yes] [--preview]\n"
    "         [--exceptions FILE]\n"
    "Dates are yyyy-mm-dd; IDS are host item numbers separated by commas. --exceptions writes\n"
    "the meal credits the run billed to no one, with the reason, as a csv file.";

struct GenerateRequest {
    billing::GenerationSettings settings;
    std::optional<bool> syncItems;     // the answer to the item synchronization question
    std::optional<bool> syncCustomers; // the answer to the customer synchronization question
    bool yes = false;                  // Yes to every question no other flag answers
    bool preview = false;
    QString exceptionsFile; // where the run's unbilled meal credits go, when asked
};

template <typename T> using Words = std::initializer_list<std::pair<const char*, T>>;

// The value `word` stands for, or what is wrong with it.
template <typename T>
QString readWord(const QString& option, const QString& word, Words<T> words, T& value)
{
    QStringList known;
    for (const auto& [text, meaning] : words) {
        if (word == QLatin1String(text)) {
            value = meaning;
            return {};
        }
        known << QString::fromLatin1(text);
    }
    return QStringLiteral("%1 takes %2 or %3, not %4.")
        .arg(option, known.mid(0, known.size() - 1).join(QStringLiteral(", ")), known.last(), word);
}

QString readDate(const QString& option, const QString& text, QDate& date)
{
    static const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    date = iso.match(text).hasMatch() ? QDate::fromString(text, Qt::ISODate) : QDate();
    if (date.isValid())
        return {};
    return QStringLiteral("%1 needs a date as yyyy-mm-dd, such as 2025-03-31, not %2.")
        .arg(option, text);
}

QString readItemIds(const QString& option, const QString& text, QList<qint64>& ids)
{
    for (const QString& part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const qint64 id = part.trimmed().toLongLong(&ok);
        if (!ok || id <= 0)
            return QStringLiteral("%1 needs host item numbers separated by commas, such as 12,15, "
                                  "not %2.")
                .arg(option, text);
        ids << id;
    }
    return {};
}

QString readYesNo(const QString& option, const QString& word, std::optional<bool>& answer)
{
    bool yes = false;
    const QString wrong = readWord<bool>(option, word, {{"yes", true}, {"no", false}}, yes);
    if (wrong.isEmpty())
        answer = yes;
    return wrong;
}

// Reads the arguments into `request`; returns what is wrong with them, or nothing.
QString readArguments(const QStringList& args, GenerateRequest& request)
{
    billing::GenerationSettings& s = request.settings;
    s.invoiceDate = QDate::currentDate();
    bool include = false;
    bool exclude = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& option = args[i];
        if (option == QLatin1String("--yes")) {
            request.yes = true;
            continue;
        }
        if (option == QLatin1String("--preview")) {
            request.preview = true;
            continue;
        }
        if (!option.startsWith(QLatin1String("--")))
            return QStringLiteral("Unexpected argument %1.").arg(option);
        if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a value.").arg(option);
        const QString value = args[++i];
        QString wrong;
        if (option == QLatin1String("--start")) {
            wrong = readDate(option, value, s.period.start);
        } else if (option == QLatin1String("--end")) {
            wrong = readDate(option, value, s.period.end);
        } else if (option == QLatin1String("--invoice-date")) {
            wrong = readDate(option, value, s.invoiceDate);
        } else if (option == QLatin1String("--billing")) {
            wrong = readWord<BillingChoice>(option, value,
                                            {{"meals", BillingChoice::MealsOnly},
                                             {"pledges", BillingChoice::PledgesOnly},
                                             {"both", BillingChoice::MealsAndPledges}},
                                            s.billing);
        } else if (option == QLatin1String("--pledges")) {
            wrong = readWord<billing::PledgeOption>(option, value,
                                                    {{"item", billing::PledgeOption::PerItem},
                                                     {"day", billing::PledgeOption::PerDay},
                                                     {"month", billing::PledgeOption::Monthly},
                                                     {"year", billing::PledgeOption::Yearly}},
                                                    s.pledgeOption);
        } else if (option == QLatin1String("--payers")) {
            wrong = readWord<PayerChoice>(option, value,
                                          {{"private", PayerChoice::PrivatePayOnly},
                                           {"all", PayerChoice::PrivatePayAndFunders},
                                           {"funders", PayerChoice::FundersOnly}},
                                          s.payers);
        } else if (option == QLatin1String("--include") || option == QLatin1String("--exclude")) {
            (option == QLatin1String("--include") ? include : exclude) = true;
            s.filter.mode = option == QLatin1String("--include")
                                ? billing::ItemFilterMode::IncludeOnly
                                : billing::ItemFilterMode::Exclude;
            s.filter.itemIds.clear();
            wrong = readItemIds(option, value, s.filter.itemIds);
        } else if (option == QLatin1String("--history")) {
            wrong = readWord<bool>(option, value, {{"yes", true}, {"no", false}}, s.postToHistory);
        } else if (option == QLatin1String("--sync-items")) {
            wrong = readYesNo(option, value, request.syncItems);
        } else if (option == QLatin1String("--sync-customers")) {
            wrong = readYesNo(option, value, request.syncCustomers);
        } else if (option == QLatin1String("--exceptions")) {
            request.exceptionsFile = value;
        } else {
            return QStringLiteral("Unknown option %1.").arg(option);
        }
        if (!wrong.isEmpty())
            return wrong;
    }
    if (!s.period.start.isValid() || !s.period.end.isValid())
        return QStringLiteral("Name the period with --start and --end.");
    if (s.period.end < s.period.start)
        return QStringLiteral("The period ends (--end %1) before it starts (--start %2).")
            .arg(s.period.end.toString(Qt::ISODate), s.period.start.toString(Qt::ISODate));
    if (include && exclude)
        return QStringLiteral("Use either --include or --exclude, not both.");
    return {};
}

// Ends the run at a question that no flag answers.
class QuestionNotAnswered : public std::runtime_error
{
public:
    explicit QuestionNotAnswered(const QString& flags)
        : std::runtime_error(
              QStringLiteral("Nothing answers this question; pass %1.").arg(flags).toStdString())
    {
    }
};

const char* buttonName(Dialogs::Button button)
{
    switch (button) {
    case Dialogs::Ok:
        return "OK";
    case Dialogs::Cancel:
        return "Cancel";
    case Dialogs::Yes:
        return "Yes";
    case Dialogs::No:
        return "No";
    case Dialogs::Retry:
        return "Retry";
    case Dialogs::Abort:
        return "Abort";
    case Dialogs::Ignore:
        return "Ignore";
    default:
        return "nothing";
    }
}

// The button that agrees (Yes, OK, Retry, Ignore) or refuses (No, Cancel, Abort) among those
// offered.
Dialogs::Button answerAmong(Dialogs::Buttons buttons, bool agree)
{
    const QList<Dialogs::Button> order =
        agree ? QList{Dialogs::Yes, Dialogs::Ok, Dialogs::Retry, Dialogs::Ignore}
              : QList{Dialogs::No, Dialogs::Cancel, Dialogs::Abort};
    for (Dialogs::Button b : order) {
        if (buttons.testFlag(b))
            return b;
    }
    return Dialogs::NoButton;
}

// The run's questions answered from the flags: the two synchronization questions from their own
// flags, every other one from --yes, and otherwise from the command line's --yes/--no. Each
// question is printed with the answer taken and the flag it came from.
class FlagDialogs final : public Dialogs
{
public:
    FlagDialogs(Dialogs& console, const GenerateRequest& request)
        : console_(console), request_(request)
    {
    }

    void inform(Kind kind, const QString& text) override { console_.inform(kind, text); }

    Button ask(Kind kind, const QString& text, Buttons buttons) override
    {
        std::optional<bool> own;
        QString ownFlag;
        if (text == billing::kSynchronizeItemsQuestion) {
            own = request_.syncItems;
            ownFlag = QStringLiteral("--sync-items");
        } else if (text == billing::kSynchronizeCustomersQuestion) {
            own = request_.syncCustomers;
            ownFlag = QStringLiteral("--sync-customers");
        }
        if (own)
            return answered(kind, text, answerAmong(buttons, *own),
                            ownFlag + (*own ? QStringLiteral(" yes") : QStringLiteral(" no")));
        if (request_.yes)
            return answered(kind, text, answerAmong(buttons, true), QStringLiteral("--yes"));
        Button button = NoButton;
        try {
            button = console_.ask(kind, text, buttons); // prints the question
        } catch (const UnansweredQuestion&) {
            console_.inform(kind, text);
            throw QuestionNotAnswered(ownFlag.isEmpty()
                                          ? QStringLiteral("--yes to answer Yes")
                                          : ownFlag + QStringLiteral(" yes|no, or --yes to "
                                                                     "answer Yes"));
        }
        const bool agreed = button == answerAmong(buttons, true);
        note(kind, button, agreed ? QStringLiteral("--yes") : QStringLiteral("--no"));
        return button;
    }

private:
    Button answered(Kind kind, const QString& text, Button button, const QString& flag)
    {
        console_.inform(kind, text);
        note(kind, button, flag);
        return button;
    }
    void note(Kind kind, Button button, const QString& flag)
    {
        console_.inform(
            kind, QStringLiteral("Answer: %1 (%2)").arg(QLatin1String(buttonName(button)), flag));
    }

    Dialogs& console_;
    const GenerateRequest& request_;
};

QString padded(const QString& text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '));
}

// One line per invoice (with its number once written) and their total.
void printInvoices(QTextStream& out, const QList<billing::GeneratedInvoice>& invoices, bool written)
{
    out << (written ? "Invoices written:" : "Invoices the run would write (nothing was saved):")
        << Qt::endl;
    Money total;
    int lines = 0;
    for (const billing::GeneratedInvoice& invoice : invoices) {
        out << "  ";
        if (written)
            out << padded(invoice.invoiceNo, 11);
        out << padded(invoice.customerNo, 11) << padded(invoice.customerType, 3)
            << padded(invoice.description, 60) << ' ' << qSetFieldWidth(4) << Qt::right
            << invoice.lineCount << qSetFieldWidth(0)
            << (invoice.lineCount == 1 ? " line " : " lines") << qSetFieldWidth(14)
            << formatFloat(kMoneyListFormat, invoice.amount) << qSetFieldWidth(0) << Qt::left
            << Qt::endl;
        total += invoice.amount;
        lines += invoice.lineCount;
    }
    out << "Total: " << invoices.size() << (invoices.size() == 1 ? " invoice, " : " invoices, ")
        << lines << (lines == 1 ? " line, " : " lines, ") << formatFloat(kMoneyListFormat, total)
        << Qt::endl;
}

} // namespace

// Generates the invoices of a period as the Generate Invoices screen does. Questions and
// messages go to the terminal as the console would show them; progress goes to standard error
// when that is a terminal.
int runGenerateCommand(const QStringList& args, CliContext& context)
{
    GenerateRequest request;
    const QString wrong = readArguments(args, request);
    if (!wrong.isEmpty()) {
        context.err << wrong << Qt::endl << kUsage << Qt::endl;
        return 2;
    }
    request.settings.userName = context.userName;

    TDataModuleARSystem module(context.dialogs);
    if (!module.schemaReport().error.isEmpty())
        return 1; // the creation sequence's error is already on standard error
    module.CurrentUserName = context.userName;
    Database& db = module.database();

    ConsoleProgress console(context.err, context.dialogs);
    FlagDialogs dialogs(console.dialogs, request);
    // An error a synchronization shows fails the command, as it fails tallywick sync, even
    // though the run goes on after it as it does on the screen.
    bool synchronizationClean = true;
    billing::GenerationHooks hooks;
    hooks.synchronizeItems = [&] {
        synchronizationClean &= synchronizeItems(db, dialogs, console.progress()).clean();
    };
    hooks.synchronizeCustomers = [&] {
        synchronizationClean &= synchronizeCustomers(db, dialogs, console.progress()).clean();
    };

    billing::GenerationRun run(db, dialogs, console.progress(), request.settings, hooks);
    run.setPreview(request.preview);
    const billing::GenerationResult result = run.run();
    console.terminal.endLine();

    // A failed run keeps the invoices written before the error; they are listed too.
    const bool listed = result.outcome == billing::RunOutcome::Completed ||
                        (result.outcome == billing::RunOutcome::Failed && !request.preview &&
                         !result.invoices.isEmpty());
    if (listed)
        printInvoices(context.out, result.invoices, !request.preview);

    // The file is written after the run, so a file that cannot be written leaves the run's
    // invoices in place and only fails the command.
    if (!request.exceptionsFile.isEmpty() && result.closesScreen()) {
        try {
            billing::writeUnbilledCsv(request.exceptionsFile, result.unbilled);
        } catch (const std::exception& e) {
            context.err << "Could not write the unbilled deliveries to " << request.exceptionsFile
                        << " (" << QString::fromUtf8(e.what())
                        << "); the run itself is not affected." << Qt::endl;
            return 1;
        }
        context.out << "Unbilled deliveries: " << result.unbilled.size() << " in "
                    << QFileInfo(request.exceptionsFile).absoluteFilePath() << Qt::endl;
    }

    switch (result.outcome) {
    case billing::RunOutcome::Completed:
    case billing::RunOutcome::NoClientRecords:
        return synchronizationClean ? 0 : 1;
    case billing::RunOutcome::Stopped:
    case billing::RunOutcome::Failed:
        break;
    }
    return 1;
}
