#pragma once
// The command line's commands. Each takes its own arguments and the run's context and returns
// the process exit status.

#include <QStringList>
#include <QTextStream>

class ConsoleDialogs;

struct CliContext {
    QTextStream& out;
    QTextStream& err;
    ConsoleDialogs& dialogs;
    QString userName; // the signed-in user the host would report
};

int runSettingsCommand(const QStringList& args, CliContext& context);
int runCheckCommand(const QStringList& args, CliContext& context);
// tallywick demo DIR|--server [--clients N] [--period YYYY-MM] [--months M] [--seed S] [--empty]
int runDemoCommand(const QStringList& args, CliContext& context);
// tallywick init
int runInitCommand(const QStringList& args, CliContext& context);
// tallywick sync customers|items
int runSyncCommand(const QStringList& args, CliContext& context);
// tallywick generate --start DATE --end DATE [choices of the Generate Invoices screen] [--yes]
// [--preview]
int runGenerateCommand(const QStringList& args, CliContext& context);
// tallywick print invoices [--invoice NO] [--reprint] [--sort number|id|name] [--pdf FILE]
// [--copies N] [--labels-pdf FILE] [--mail-merge FILE] [--mark-printed yes|no]
int runPrintCommand(const QStringList& args, CliContext& context);
// tallywick invoices list [--outstanding] [--customer NO] [--posted yes|no] [--printed yes|no]
// [--description TEXT] [--sort date|number] [--format table|csv|json];
// invoices delete --invoice NO; invoices delete-date DATE; invoices copy --invoice NO
// [--prices current|invoice]
int runInvoicesCommand(const QStringList& args, CliContext& context);
// tallywick post invoices [--yes|--no]
// tallywick post payments [--yes|--no]
int runPostCommand(const QStringList& args, CliContext& context);
// tallywick payment add --customer NO --cheque NO [--bank ID] [--date DATE] [--amount X]
// (--apply INVOICENO=AMOUNT[:discount=X][:writeoff=X][:account=GL] | --pay INVOICENO |
// --pay-discount INVOICENO)... [--yes|--no]
int runPaymentCommand(const QStringList& args, CliContext& context);
// tallywick payments list [--outstanding] [--customer NO] [--posted yes|no] [--date DATE]
// [--sort date|cheque] [--format table|csv|json]; payments delete --cheque NO [--customer NO];
// payments reconcile --cheque NO [--customer NO] [on|off]
int runPaymentsCommand(const QStringList& args, CliContext& context);
// tallywick export statements --file F [--kind clients|funders|both] [--max N]
// [--description TEXT]
int runExportCommand(const QStringList& args, CliContext& context);
// tallywick report aged|history|statements|labels with the options each takes (see
// reportcommand.cpp); aged: [--as-of DATE] [--currency ID] [--customer NO] [--min-owing X]
// [--min-days N] (--pdf FILE | --printer NAME) [--csv FILE]
int runReportCommand(const QStringList& args, CliContext& context);
// tallywick reset-balances --option N [--customer NO] [--yes|--no]
int runResetCommand(const QStringList& args, CliContext& context);
// tallywick customers list [--type C|F] [--format table|csv|json];
// customers set NO FIELD VALUE
int runCustomersCommand(const QStringList& args, CliContext& context);
