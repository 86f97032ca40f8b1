#include "cli/cliapp.h"

#include "cli/commands.h"
#include "cli/consoledialogs.h"
#include "data/connection.h"
#include "data/registry.h"
#include "data/reportoutput.h"
#include "engine/dberror.h"
#include "plugin/loginname.h"

#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

namespace
{

const char* const kHelp =
    "Usage: tallywick [options] COMMAND [arguments]\n"
    "\n"
    "Accounts receivable and billing for Hearthtable.\n"
    "\n"
    "Options:\n"
    "  --data DIR     work on the embedded database in DIR for this run (file-server mode),\n"
    "                 without touching your saved settings\n"
    "  --user NAME    the signed-in user the host would report (default: your login name)\n"
    "  --yes, --no    the answer to any question a command asks\n"
    "  --help         this text\n"
    "\n"
    "Commands:\n"
    "  settings show              the data-location settings shared with Hearthtable\n"
    "  settings set NAME VALUE    change one: Mode (C or F), Alias (folder),\n"
    "                             \"Server IP\" (a.b.c.d[:port]), Connection (LAN or Internet),\n"
    "                             \"PDF Folder\" (where reports go when no printer is installed)\n"
    "  check                      connect to the database, report what it holds and prove\n"
    "                             that the books tie; exits with 3 and lists every\n"
    "                             discrepancy when they do not\n"
    "  init                       create or upgrade the AR tables, seed them, and report what was "
    "done\n"
    "  demo DIR [--clients N] [--period YYYY-MM] [--months M] [--seed S] [--empty]\n"
    "                             create DIR holding a Hearthtable database with the host's "
    "tables\n"
    "                             filled with sample clients, funders, items and deliveries\n"
    "  demo --server [--clients N] [--period YYYY-MM] [--months M] [--seed S] [--empty]\n"
    "                             the same sample in the client-server database of the "
    "settings,\n"
    "                             whose host tables must hold no rows yet\n"
    "  sync customers             bring the host's clients and funders in as AR customers\n"
    "  sync items                 bring the host's meal items in as AR items and pledge items\n"
    "  generate --start DATE --end DATE [--invoice-date DATE] [--billing meals|pledges|both]\n"
    "           [--pledges item|day|month|year] [--payers private|all|funders]\n"
    "           [--include IDS | --exclude IDS] [--history yes|no] [--sync-items yes|no]\n"
    "           [--sync-customers yes|no] [--yes] [--preview]\n"
    "                             generate the period's client and funder invoices from the\n"
    "                             deliveries, as Generate Invoices does; dates are yyyy-mm-dd,\n"
    "                             IDS host item numbers separated by commas; --yes answers Yes to\n"
    "                             every question no other option answers; --preview lists the\n"
    "                             invoices and leaves the database as it was\n"
    "           [--exceptions FILE]  also write the meal credits the run billed to no one, with\n"
    "                             the reason, as a csv file\n"
    "  print invoices [--invoice NO] [--reprint] [--sort number|id|name]\n"
    "           (--pdf FILE | --printer NAME) [--copies N] [--labels-pdf FILE]\n"
    "           [--mail-merge FILE] [--mark-printed yes|no]\n"
    "                             print the invoices not yet printed (all of them with\n"
    "                             --reprint, or one) to a PDF file or a printer, with address\n"
    "                             labels (to a PDF file) or the\n"
    "                             mail-merge file when asked; the invoices are marked printed\n"
    "                             only with --mark-printed yes, never on a reprint\n"
    "  invoices list [--outstanding] [--customer NO] [--posted yes|no] [--printed yes|no]\n"
    "           [--description TEXT] [--sort date|number] [--format table|csv|json]\n"
    "                             the invoice register's list, newest first (csv and json give\n"
    "                             dates as yyyy-mm-dd and amounts with a decimal point)\n"
    "  invoices delete --invoice NO [--yes|--no]\n"
    "  invoices delete-date DATE [--yes|--no]\n"
    "                             delete an unposted invoice with its lines, or every unposted\n"
    "                             invoice of a date (yyyy-mm-dd), as the register does\n"
    "  invoices copy --invoice NO [--prices current|invoice] [--yes|--no]\n"
    "                             a new invoice made from one, at the items' current prices or\n"
    "                             at the invoice's own where they differ\n"
    "  post invoices [--yes|--no] post every printed invoice not yet posted and add it to its\n"
    "                             customer's balance; a table another job holds is retried\n"
    "                             with --yes and given up with --no\n"
    "  payment add --customer NO --cheque NO [--bank ID] [--date DATE] [--amount X]\n"
    "           (--apply INVOICENO=AMOUNT[:discount=X][:writeoff=X][:account=GL]\n"
    "            | --pay INVOICENO | --pay-discount INVOICENO)... [--yes|--no]\n"
    "                             record a customer's cheque and apply it to posted invoices,\n"
    "                             one line per invoice in the order given (--pay pays what is\n"
    "                             owed, --pay-discount takes the early-payment discount);\n"
    "                             without --amount the cheque is the sum paid once confirmed\n"
    "  payments list [--outstanding] [--customer NO] [--posted yes|no] [--date DATE]\n"
    "           [--sort date|cheque] [--format table|csv|json]\n"
    "                             the payment register's list, newest first; csv has one line\n"
    "                             per invoice a cheque paid, json each cheque with its invoices\n"
    "  payments delete --cheque NO [--customer NO] [--yes|--no]\n"
    "                             delete an unposted payment with its allocation lines\n"
    "  payments reconcile --cheque NO [--customer NO] [on|off]\n"
    "                             mark a cheque reconciled (on, the default) or not (off)\n"
    "  post payments [--yes|--no] post every payment not yet posted: apply it to its invoices\n"
    "                             and take it off its customer's balance; a payment whose\n"
    "                             discount or write-off no longer settles its invoice is held\n"
    "                             back and named\n"
    "  export statements --file F [--kind clients|funders|both] [--max N] [--description TEXT]\n"
    "                             the statement mail-merge file: a tab-delimited line per\n"
    "                             customer with a positive balance and its N (1 to 24, default\n"
    "                             1) most recent open invoices; TEXT stands for an invoice\n"
    "                             without a description\n"
    "  report aged [--as-of DATE] [--currency ID] [--customer NO] [--min-owing X]\n"
    "           [--min-days N] (--pdf FILE | --printer NAME) [--csv FILE]\n"
    "                             the aged trial balance as of a date (today by default): every\n"
    "                             open invoice by customer in four age columns; --csv writes\n"
    "                             the lines it prints, amounts with a decimal point\n"
    "  report history [--period PP --year YYYY] [--currency ID] [--customer NO]\n"
    "           (--pdf FILE | --printer NAME)\n"
    "                             every invoice and cheque posted to the period (the current\n"
    "                             month by default), by customer, with the period's count and\n"
    "                             total of each; every report notes and passes over a selection\n"
    "                             option it does not use\n"
    "  report statements [--as-of DATE] [--currency ID] [--customer NO] [--min-owing X]\n"
    "           [--min-days N] (--pdf FILE | --printer NAME)\n"
    "                             one statement per customer marked for statements (any\n"
    "                             customer named with --customer): its open invoices and total\n"
    "  report labels [same options as statements]\n"
    "                             the statements' address labels with ARLabel.rtm of the data\n"
    "                             directory; the labels are taken to be in the printer (--no\n"
    "                             skips them)\n"
    "  report unbilled (--pdf FILE | --printer NAME)\n"
    "                             the meal credits your last generation run (or preview) billed\n"
    "                             to no one, by reason, funder and client, with what each would\n"
    "                             have billed where that is known\n"
    "  reset-balances --option N [--customer NO] [--yes|--no]\n"
    "                             set what is owed to 0: N 0 private pay clients, 1 third-party\n"
    "                             funders, 3 the customer NO, 4 everybody; 2 writes off the\n"
    "                             pledge lines of posted invoices without a write-off, up to\n"
    "                             what each owes, and rebuilds the balances from the invoices\n"
    "  customers list [--type C|F] [--format table|csv|json]\n"
    "                             the customer list by name with each balance (csv and json:\n"
    "                             CustomerNo, CustomerName, CustomerType, Balance, CurrencyID,\n"
    "                             Suspended)\n"
    "  customers set NO FIELD VALUE\n"
    "                             change one field the customer screen edits (CustomerName,\n"
    "                             Phone, CurrencyID, Suspended yes|no, ...), refused as the\n"
    "                             screen refuses; an empty VALUE clears the field\n";

} // namespace

int runCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QString dataDir;
    QString userName = loginName();
    auto answer = ConsoleDialogs::Answer::None;
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (!rest.isEmpty()) {
            rest << arg;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            out << kHelp;
            return 0;
        } else if (arg == QLatin1String("--data") || arg == QLatin1String("--user")) {
            if (i + 1 >= arguments.size()) {
                err << arg << " needs a value." << Qt::endl;
                return 2;
            }
            (arg == QLatin1String("--data") ? dataDir : userName) = arguments[++i];
        } else if (arg == QLatin1String("--yes") || arg == QLatin1String("--no")) {
            answer = arg == QLatin1String("--yes") ? ConsoleDialogs::Answer::Yes
                                                   : ConsoleDialogs::Answer::No;
        } else if (arg.startsWith(QLatin1String("--"))) {
            err << "Unknown option " << arg << ". See tallywick --help." << Qt::endl;
            return 2;
        } else {
            rest << arg;
        }
    }
    if (rest.isEmpty()) {
        err << kHelp;
        return 2;
    }

    MemoryRegistry overrides;
    if (!dataDir.isEmpty()) {
        overrides.write(reg::Mode, reg::ValueName, QStringLiteral("F"));
        overrides.write(reg::Alias, reg::ValueName, QFileInfo(dataDir).absoluteFilePath());
    }
    OverlayRegistry registry(processRegistry(), std::move(overrides));
    setProcessRegistry(&registry);
    struct Restore {
        ~Restore() { setProcessRegistry(nullptr); }
    } restore;
    usePdfFolderSetting();

    ConsoleDialogs dialogs(out, err, answer);
    CliContext context{out, err, dialogs, userName};
    const QString command = rest.takeFirst();
    try {
        if (command == QLatin1String("settings"))
            return runSettingsCommand(rest, context);
        if (command == QLatin1String("check"))
            return runCheckCommand(rest, context);
        if (command == QLatin1String("demo"))
            return runDemoCommand(rest, context);
        if (command == QLatin1String("init"))
            return runInitCommand(rest, context);
        if (command == QLatin1String("sync"))
            return runSyncCommand(rest, context);
        if (command == QLatin1String("generate"))
            return runGenerateCommand(rest, context);
        if (command == QLatin1String("print"))
            return runPrintCommand(rest, context);
        if (command == QLatin1String("invoices"))
            return runInvoicesCommand(rest, context);
        if (command == QLatin1String("post"))
            return runPostCommand(rest, context);
        if (command == QLatin1String("payment"))
            return runPaymentCommand(rest, context);
        if (command == QLatin1String("payments"))
            return runPaymentsCommand(rest, context);
        if (command == QLatin1String("export"))
            return runExportCommand(rest, context);
        if (command == QLatin1String("report"))
            return runReportCommand(rest, context);
        if (command == QLatin1String("reset-balances"))
            return runResetCommand(rest, context);
        if (command == QLatin1String("customers"))
            return runCustomersCommand(rest, context);
        err << "Unknown command " << command << ". See tallywick --help." << Qt::endl;
        return 2;
    } catch (const FatalStartError&) {
        return 1; // the message is already on standard error
    } catch (const std::exception& e) {
        err << QString::fromUtf8(e.what()) << Qt::endl;
        return 1;
    }
}
