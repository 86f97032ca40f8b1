// Renders every screen offscreen into PNG files, for review: `tallywick-screenshots FOLDER`.
// Each screen is filled with believable values, as a bookkeeper would see it.
#include "billing/generationrun.h"
#include "billing/ui/formgenerateinvoices.h"
#include "billing/ui/mealitemtree.h"
#include "billing/ui/unbilledoffer.h"
#include "close/customerlookuprows.h"
#include "close/resetchoices.h"
#include "close/ui/customerlookupdialog.h"
#include "close/ui/formresetbalances.h"
#include "common/ui/armessagebox.h"
#include "common/ui/dateentry.h"
#include "common/ui/messageboxdialogs.h"
#include "data/artables.h"
#include "data/datamodule.h"
#include "data/lookups.h"
#include "data/registry.h"
#include "data/schemacreation.h"
#include "data/ui/registryeditor.h"
#include "dialer/dialersettings.h"
#include "dialer/ui/tfrmdialer.h"
#include "dialer/ui/tfrmdialersetup.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "host/sampledata.h"
#include "host/ui/hostwindow.h"
#include "masterdata/codetables/coderecords.h"
#include "masterdata/codetables/codetables.h"
#include "masterdata/company/companysettings.h"
#include "masterdata/company/ui/frmcompany.h"
#include "masterdata/customers/customerlist.h"
#include "masterdata/customers/ui/frmcustomer.h"
#include "masterdata/customers/ui/frmcustomers.h"
#include "masterdata/customers/ui/frmcustomersfilter.h"
#include "masterdata/customers/ui/frmcustomersfind.h"
#include "masterdata/ui/frmcodelist.h"
#include "masterdata/ui/frmcoderecord.h"
#include "masterdata/ui/itemsearch.h"
#include "plugin/ui/aboutbox.h"
#include "plugin/ui/formarsystem.h"
#include "receivables/invoices/invoicedocument.h"
#include "receivables/invoices/ui/formselectdeletedate.h"
#include "receivables/invoices/ui/frmarinvoice.h"
#include "receivables/invoices/ui/frmarinvoices.h"
#include "receivables/invoices/ui/frmarinvoicesetup.h"
#include "receivables/invoices/ui/frmarinvoicesfilter.h"
#include "receivables/invoices/ui/frmarinvoicesfind.h"
#include "receivables/invoices/ui/frmarinvoicespost.h"
#include "receivables/payments/paymentdocument.h"
#include "receivables/payments/posting/ui/frmarpaymentspost.h"
#include "receivables/payments/register/ui/frmarpayments.h"
#include "receivables/payments/register/ui/frmarpaymentsfilter.h"
#include "receivables/payments/register/ui/frmarpaymentsfind.h"
#include "receivables/payments/ui/frmarpayment.h"
#include "report/ui/frmpreview.h"
#include "reports/invoiceprint/invoiceandstatement.h"
#include "reports/invoiceprint/invoiceorganization.h"
#include "reports/invoiceprint/invoiceselection.h"
#include "reports/invoiceprint/printedinvoicereader.h"
#include "reports/invoiceprint/ui/frmarinvoicesprint.h"
#include "reports/menu/ui/frmarreports.h"
#include "reports/registerlists/trptarinvoices.h"
#include "reports/registerlists/ui/formtimeperiod.h"
#include "reports/statements/ui/formexportstatements.h"
#include "reports/ui/formarreportdestination.h"
#include "reports/unbilled/unbilleddeliveries.h"
#include "samplepayments.h"
#include "samplereport.h"
#include "sampleunbilled.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>

namespace
{

struct Shot {
    QString file;
    std::function<QWidget*()> make;
};

bool save(QWidget* widget, const QString& path)
{
    if (!widget->testAttribute(Qt::WA_Resized))
        widget->adjustSize();
    widget->show();
    QApplication::processEvents();
    const bool ok = widget->grab().save(path);
    widget->hide();
    return ok;
}

// A customer with two taxes and a three-line invoice for her; posted when asked.
qint64 sampleInvoice(Database& db, bool post)
{
    if (post) {
        db.exec(
            QStringLiteral("UPDATE Item SET UnitPrice = 65000, TaxCodes = 'G' WHERE ItemNo = 'L'"));
    } else {
        records::insert(db, ar::tax(),
                        {{QStringLiteral("TaxID"), 1},
                         {QStringLiteral("TaxName"), QStringLiteral("GST")},
                         {QStringLiteral("Rate"), 5.0},
                         {QStringLiteral("TaxCode"), QStringLiteral("G")},
                         {QStringLiteral("TaxDescription"), QStringLiteral("GST")}});
        records::insert(db, ar::tax(),
                        {{QStringLiteral("TaxID"), 2},
                         {QStringLiteral("TaxName"), QStringLiteral("PST")},
                         {QStringLiteral("Rate"), 7.0},
                         {QStringLiteral("TaxCode"), QStringLiteral("P")},
                         {QStringLiteral("TaxDescription"), QStringLiteral("PST")}});
        records::insert(db, ar::customer(),
                        {{QStringLiteral("CustomerID"), 1},
                         {QStringLiteral("CustomerNo"), QStringLiteral("1004")},
                         {QStringLiteral("CustomerName"), QStringLiteral("Alvarez, Rosa")},
                         {QStringLiteral("CustomerType"), QStringLiteral("C")},
                         {QStringLiteral("AddressLine1"), QStringLiteral("218 Maple Avenue")},
                         {QStringLiteral("City"), QStringLiteral("Dayton")},
                         {QStringLiteral("StateProv"), QStringLiteral("OH")},
                         {QStringLiteral("ZipCode"), QStringLiteral("45402")},
                         {QStringLiteral("Tax1ID"), 1},
                         {QStringLiteral("Tax2ID"), 2},
                         {QStringLiteral("NetDays"), 30},
                         {QStringLiteral("Suspended"), false}});
        db.exec(
            QStringLiteral("UPDATE Item SET UnitPrice = 65000, TaxCodes = 'G' WHERE ItemNo = 'L'"));
        db.exec(QStringLiteral(
            "UPDATE Item SET UnitPrice = 72500, TaxCodes = 'GP' WHERE ItemNo = 'D'"));
        db.exec(QStringLiteral("UPDATE Item SET UnitPrice = 31000 WHERE ItemNo = 'MF'"));
    }
    auto document = InvoiceDocument::openNew(db);
    document->setCustomerNoText(QStringLiteral("1004"));
    document->setDescription(QStringLiteral("Meals delivered in November"));
    const struct {
        double quantity;
        int itemId;
    } lines[] = {{20, 2}, {8, 3}, {4, 4}};
    for (const auto& line : lines)
        document->addLine({line.quantity, line.itemId, std::nullopt, QString()});
    document->ok();
    const qint64 id = document->invoiceId();
    if (post)
        db.exec(
            QStringLiteral("UPDATE ARInv SET Printed = true, Posted = true WHERE ARInvoiceID = %1")
                .arg(id));
    return id;
}

// A cheque from the customer of the sample invoices paying three of hers: one with its early
// payment discount, one in part with the rest written off, one in full.
// The register with the payment window and the posting dialog lent, as the console lends them,
// so that its commands show as a bookkeeper sees them.
TfrmARPayments* paymentRegisterAsInConsole(Database& db)
{
    auto* screen = new TfrmARPayments(db);
    screen->openPayment = [](std::optional<qint64>) {};
    screen->openPosting = [] { return false; };
    screen->updateCommands();
    return screen;
}

qint64 samplePayment(Database& db, Dialogs& dialogs, qint64 invoiceId)
{
    db.exec(QStringLiteral("UPDATE Company SET FiscalYear = 2026, EPeriodFromYYYY = 2026, "
                           "EPeriodFromPP = 1"));
    db.exec(QStringLiteral("UPDATE Customer SET CurrencyID = 1 WHERE CustomerNo = '1004'"));
    records::insert(db, ar::glAccount(),
                    {{QStringLiteral("GLAccountID"), 901},
                     {QStringLiteral("GLAccount"), QStringLiteral("5400")},
                     {QStringLiteral("AccountName"), QStringLiteral("Bad debts")},
                     {QStringLiteral("Suspended"), false}});
    db.exec(
        QStringLiteral("UPDATE Currency SET DfltWriteOffGLAccountID = 901 WHERE CurrencyID = 1"));
    db.exec(QStringLiteral("UPDATE ARInv SET Printed = true, Posted = true WHERE ARInvoiceID = %1")
                .arg(invoiceId));
    const struct {
        qint64 id;
        const char* number;
        qint64 raw;
        double discPC;
    } invoices[] = {{901, "10091", 1200000, 2}, {902, "10092", 455000, 0}};
    for (const auto& invoice : invoices)
        records::insert(
            db, ar::arInv(),
            {{QStringLiteral("ARInvoiceID"), invoice.id},
             {QStringLiteral("CustomerID"), 1},
             {QStringLiteral("InvoiceNo"), QString::fromLatin1(invoice.number)},
             {QStringLiteral("InvoiceDate"), QDate(2026, 11, 28)},
             {QStringLiteral("InvoiceAmount"), QVariant::fromValue(Money::fromRaw(invoice.raw))},
             {QStringLiteral("PaidAmount"), QVariant::fromValue(Money())},
             {QStringLiteral("DiscTakenAmount"), QVariant::fromValue(Money())},
             {QStringLiteral("WriteOffAmount"), QVariant::fromValue(Money())},
             {QStringLiteral("Owing"), QVariant::fromValue(Money::fromRaw(invoice.raw))},
             {QStringLiteral("DiscPC"), invoice.discPC},
             {QStringLiteral("DiscDays"), 10},
             {QStringLiteral("GLPeriod"), 11},
             {QStringLiteral("GLYear"), 2026},
             {QStringLiteral("Printed"), true},
             {QStringLiteral("Posted"), true}});
    auto document = PaymentDocument::openNew(db, dialogs);
    document->setCustomerNoText(QStringLiteral("1004"));
    document->setChequeNo(QStringLiteral("20417"));
    document->setPaymentDate(QDate(2026, 12, 4));
    document->appendLine();
    document->setLineInvoiceNo(QStringLiteral("10091"));
    document->payTakeDiscount();
    document->storeLine();
    document->appendLine();
    document->setLineInvoiceNo(QStringLiteral("10092"));
    document->setLinePaymentAmount(Money::fromRaw(400000));
    document->setLineWriteOffAmount(Money::fromRaw(55000));
    document->storeLine();
    document->appendLine();
    document->chooseLineInvoice(invoiceId);
    document->payNoDiscount();
    document->storeLine();
    document->setChequeAmount(document->allocatedSum());
    document->ok();
    return document->paymentId();
}

// Each code table's list and its record screen on the table's first row (a new record where
// the table is empty), with a salesman and the two customer types the sample lacks.
QList<Shot> codeTableShots(Database& db)
{
    codetables::saveRecord(db, codetables::salesmen(),
                           {{QStringLiteral("FirstName"), QStringLiteral("Dana")},
                            {QStringLiteral("LastName"), QStringLiteral("Whitfield")},
                            {QStringLiteral("JobTitle"), QStringLiteral("Volunteer Coordinator")},
                            {QStringLiteral("BusinessPhone"), QStringLiteral("(555) 201-4410")},
                            {QStringLiteral("EMail"), QStringLiteral("dana@hearthtable.org")}},
                           std::nullopt);
    for (const char* type : {"Client", "Funder"})
        codetables::saveRecord(db, codetables::customerTypes(),
                               {{QStringLiteral("TypeName"), QString::fromLatin1(type)}},
                               std::nullopt);
    QList<Shot> shots;
    for (const codetables::CodeTable& table : codetables::all()) {
        const QString stem = QStringLiteral("codetable-") + table.listName.mid(3).toLower();
        shots.append({stem + QStringLiteral("-list.png"), [&db, table] {
                          auto* list = new TfrmCodeList(db, table);
                          list->show(); // showing sizes the grid to twelve rows
                          return list;
                      }});
        shots.append({stem + QStringLiteral("-record.png"), [&db, table] {
                          const QList<codetables::ListRow> rows = codetables::listRows(db, table);
                          return new TfrmCodeRecord(db, table,
                                                    rows.isEmpty()
                                                        ? std::nullopt
                                                        : std::optional<qint64>(rows.first().key));
                      }});
    }
    return shots;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Hearthtable"));
    const QStringList args = QApplication::arguments();
    QTextStream err(stderr);
    if (args.size() != 2) {
        err << "usage: tallywick-screenshots FOLDER\n";
        return 2;
    }
    const QDir folder(args[1]);
    if (!QDir().mkpath(folder.path())) {
        err << "cannot create " << folder.path() << "\n";
        return 1;
    }

    MemoryRegistry registry;
    registry.write(reg::Mode, reg::ValueName, QStringLiteral("C"));
    registry.write(reg::Alias, reg::ValueName, QStringLiteral("/srv/hearthtable/shared"));
    registry.write(reg::ServerIP, reg::ValueName, QStringLiteral("192.168.10.20"));
    registry.write(reg::Connection, reg::ValueName, QStringLiteral("LAN"));
    setProcessRegistry(&registry);
    MessageBoxDialogs dialogs;

    // A small meal program with the AR tables beside it, for the screens that show data.
    QTemporaryDir data;
    auto db = Database::open(
        ConnectionParams::sqlite(QDir(data.path()).filePath(QStringLiteral("Hearthtable.db"))));
    SampleDataOptions sample;
    sample.periodStart = QDate(2026, 11, 1);
    generateSampleData(*db, sample);
    createOrUpgradeSchema(*db, dialogs);
    const qint64 taxed = sampleInvoice(*db, false);
    const qint64 posted = sampleInvoice(*db, true);
    addSamplePayments(*db, posted);
    TdmLookUps lookups(*db);
    // The generation screen works through the AR module, here on a second connection.
    TDataModuleARSystem module(Database::open(ConnectionParams::sqlite(
                                   QDir(data.path()).filePath(QStringLiteral("Hearthtable.db")))),
                               data.path(), dialogs);

    // The record screen of the first customer by number, on one of its pages.
    const auto customerPage = [&db](int page) -> QWidget* {
        auto* window = new TfrmCustomer(*db);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        const QList<CustomerRow> rows = readCustomers(*db, {}, CustomerOrder::Number);
        window->openExisting(rows.isEmpty() ? 0 : rows.first().customerId);
        window->pgcCustomer->setCurrentIndex(page);
        return window;
    };
    QList<Shot> shots{
        {QStringLiteral("host-window.png"),
         [] { return new HearthtableWindow(QStringLiteral("marta"), QString()); }},
        {QStringLiteral("console.png"),
         [] {
             auto* console = new TFormARSystem;
             console->StatusPane1->setText(QStringLiteral("Synchronizing items"));
             console->StatusProgressBar->setValue(60);
             return console;
         }},
        {QStringLiteral("about-box.png"), [] { return new TFormAboutARSystem; }},
        {QStringLiteral("progress-window.png"),
         [] {
             auto* box = new TFormARMessageBox;
             box->RzProgressBarSaveStatus->setValue(42);
             box->LabelRecordCount->setText(QStringLiteral("Total Clients: 84"));
             return box;
         }},
        {QStringLiteral("generate-invoices.png"),
         [&] {
             auto* screen = new TFormGenerateInvoices(module);
             screen->show(); // shown first: showing starts the screen afresh
             screen->wwDBDateTimePickerStart->setDate(QDate(2026, 11, 1));
             screen->wwDBDateTimePickerEnd->setDate(QDate(2026, 11, 30));
             screen->wwDBDateTimePickerInvoiceDate->setDate(QDate(2026, 12, 1));
             screen->RzRadioButtonInclude->setChecked(true);
             MealItemTree* tree = screen->RzCheckTreeMealItems;
             for (int category : {1, 2}) {
                 QTreeWidgetItem* meals = tree->topLevelItem(category);
                 for (int i = 0; i < meals->childCount(); i += 2)
                     meals->child(i)->setCheckState(0, Qt::Checked);
             }
             screen->RzComboBoxBillingMethod->setCurrentIndex(2);
             screen->RzComboBoxTimePledgeOption->setCurrentIndex(2);
             screen->RzComboBoxPayersToInclude->setCurrentIndex(1);
             tree->setFocus();
             return screen;
         }},
        {QStringLiteral("generation-progress.png"),
         [] {
             auto* box = new TFormARMessageBox;
             box->LabelRecordCount->hide();
             box->setCaption(billing::kGeneratingClientInvoices);
             box->setValue(37);
             return box;
         }},
        {QStringLiteral("data-options-client-server.png"),
         [&] { return new TFormRegistryEditor(dialogs); }},
        {QStringLiteral("data-options-file-server.png"),
         [&] {
             auto* editor = new TFormRegistryEditor(dialogs);
             editor->show();
             editor->findChild<QRadioButton*>(QStringLiteral("rbFileServer"))->click();
             return editor;
         }},
        {QStringLiteral("invoice-three-lines.png"),
         [&] {
             auto* window = new TfrmARInvoice(*db, lookups);
             window->setAttribute(Qt::WA_DeleteOnClose, false);
             window->openExisting(taxed);
             return window;
         }},
        {QStringLiteral("invoice-posted.png"),
         [&] {
             auto* window = new TfrmARInvoice(*db, lookups);
             window->setAttribute(Qt::WA_DeleteOnClose, false);
             window->openExisting(posted);
             return window;
         }},
        {QStringLiteral("item-search.png"),
         [&] {
             auto* search = new TfrmItemSearch(*db);
             search->setCurrentItem(3);
             return search;
         }},
        {QStringLiteral("report-preview.png"),
         [] {
             auto* preview = new TfrmPreview(sampleReportPages());
             preview->show(); // showing starts at page 1, actual size
             return preview;
         }},
        {QStringLiteral("report-preview-page-2.png"),
         [] {
             auto* preview = new TfrmPreview(sampleReportPages());
             preview->show();
             preview->lastPage();
             preview->setZoom(50); // the whole page, its footer too
             return preview;
         }},
        {QStringLiteral("report-destination.png"), [] { return new TFormARReportDestination; }},
        {QStringLiteral("print-invoices.png"),
         [&] {
             auto* dialog = new TfrmARInvoicesPrint(module.database(), data.path());
             dialog->show(); // showing restores the remembered choices
             dialog->RzComboBoxPrintOption->setCurrentIndex(1);
             return dialog;
         }},
        {QStringLiteral("invoice-register.png"),
         [&] {
             auto* screen = new TfrmARInvoices(*db, lookups, data.path());
             screen->show();
             return screen;
         }},
        {QStringLiteral("invoice-register-outstanding-filtered.png"),
         [&] {
             auto* screen = new TfrmARInvoices(*db, lookups, data.path());
             screen->show();
             screen->setOutstanding(true);
             RegisterFilter filter;
             filter.description = QStringLiteral("meals");
             screen->setFilter(filter);
             return screen;
         }},
        {QStringLiteral("invoice-register-filter.png"),
         [&] {
             auto* filter = new TfrmARInvoicesFilter(*db);
             filter->edtDescription->setText(QStringLiteral("meals"));
             filter->rbPostedNo->setChecked(true);
             return filter;
         }},
        {QStringLiteral("invoice-register-find.png"), [&] { return new TfrmARInvoicesFind(*db); }},
        {QStringLiteral("invoice-register-delete-date.png"),
         [] { return new TFormSelectDeleteDate; }},
        {QStringLiteral("invoice-print-setup.png"),
         [&] {
             auto* setup = new TfrmARInvoiceSetup(module.database());
             setup->edtMessage->setText(QStringLiteral("Thank you for supporting our meals."));
             return setup;
         }},
        {QStringLiteral("invoice-preview.png"),
         [&] {
             InvoiceSelection selection;
             PrintedInvoiceReader reader(module.database(), selection);
             TrptARInvoiceAndStatement document(readInvoiceOrganization(module.database()));
             report::PageList pages;
             NoProgress quiet;
             document.print(reader, pages, quiet);
             auto* preview = new TfrmPreview(pages.pages);
             preview->show();
             preview->setZoom(75);
             return preview;
         }},
        {QStringLiteral("post-invoices.png"),
         [&] {
             // Last, since it marks the sample's invoices printed.
             module.database().exec(
                 QStringLiteral("UPDATE ARInv SET Printed = true WHERE Posted = false"));
             return new TfrmARInvoicesPost(module.database());
         }},
        {QStringLiteral("payment-discount-and-write-off.png"),
         [&] {
             const qint64 payment = samplePayment(*db, dialogs, posted);
             auto* window = new TfrmARPayment(*db, lookups);
             window->setAttribute(Qt::WA_DeleteOnClose, false);
             window->openExisting(payment);
             return window;
         }},
        {QStringLiteral("payment-register.png"),
         [&] {
             auto* screen = paymentRegisterAsInConsole(*db);
             screen->show();
             return screen;
         }},
        {QStringLiteral("payment-register-outstanding-filtered.png"),
         [&] {
             auto* screen = paymentRegisterAsInConsole(*db);
             screen->show();
             screen->setOutstanding(true);
             PaymentFilter filter;
             filter.posted = FlagChoice::No;
             screen->setFilter(filter);
             return screen;
         }},
        {QStringLiteral("payment-register-filter.png"),
         [&] {
             auto* filter = new TfrmARPaymentsFilter(*db);
             filter->edtDate->setDate(QDate(2026, 11, 23));
             filter->rbPostedNo->setChecked(true);
             return filter;
         }},
        {QStringLiteral("payment-register-find.png"),
         [&] {
             auto* find = new TfrmARPaymentsFind(*db);
             find->edtChequeNo->setText(QStringLiteral("2240"));
             return find;
         }},
        {QStringLiteral("post-payments.png"),
         // The sample cheques not yet posted, the one in the payment window's shot among them.
         [&] { return new TfrmARPaymentsPost(module.database()); }},
        {QStringLiteral("export-statements.png"),
         [&] {
             auto* screen = new TFormExportStatements(module.database(), data.path());
             screen->show(); // showing restores the remembered choices and the period
             screen->EditDataFileName->setText(QStringLiteral("C:/Mail/Statements.txt"));
             screen->EditStatementDescription->setText(QStringLiteral("Meals delivered"));
             screen->wwDBSpinEditMaxStatements->setValue(3);
             return screen;
         }},
        {QStringLiteral("invoice-list-preview.png"),
         [&] {
             report::PageList pages;
             TrptARInvoices(readRegister(*db, {}), QDate(2026, 12, 6)).print(pages);
             auto* preview = new TfrmPreview(pages.pages);
             preview->show();
             preview->setZoom(75);
             return preview;
         }},
        {QStringLiteral("time-period.png"), [] { return new TFormTimePeriod(QDate(2026, 12, 6)); }},
        {QStringLiteral("report-menu.png"),
         [&] {
             auto* menu = new TfrmARReports(*db);
             menu->show(); // showing sets the defaults
             menu->lstReports->setCurrentRow(TfrmARReports::History);
             return menu;
         }},
        {QStringLiteral("report-menu-history.png"),
         [&] {
             auto* menu = new TfrmARReports(*db);
             menu->show();
             menu->lstReports->setCurrentRow(TfrmARReports::History);
             menu->next();
             return menu;
         }},
        {QStringLiteral("report-menu-statements.png"),
         [&] {
             auto* menu = new TfrmARReports(*db);
             menu->show();
             menu->lstReports->setCurrentRow(TfrmARReports::Statements);
             menu->next();
             menu->edtMinOwing->setText(QStringLiteral("25.00"));
             menu->edtMinDays->setText(QStringLiteral("30"));
             return menu;
         }},
        {QStringLiteral("dialer.png"),
         [] {
             auto* dialer = new TfrmDialer;
             dialer->setPartyName(QStringLiteral("Alvarez, Rosa"));
             dialer->setPhoneNumber(QStringLiteral("(937) 555-0142"));
             return dialer;
         }},
        {QStringLiteral("dialer-setup.png"),
         [&] {
             const QString ini = QDir(data.path()).filePath(QStringLiteral("Larkmoor.ini"));
             dialer::writeDialerPort(ini, 2);
             return new TfrmDialerSetup(ini);
         }},
        {QStringLiteral("reset-balances.png"),
         [&] {
             auto* screen = new TFormResetBalances(module.database(), data.path());
             screen->show();
             screen->RzComboBoxCandidates->setCurrentIndex(int(ResetChoice::SelectedAccount));
             const QList<CustomerLookupRow> customers = customerLookupRows(module.database());
             if (!customers.isEmpty())
                 screen->chooseCustomer(customers.constFirst());
             return screen;
         }},
        {QStringLiteral("reset-balances-lookup.png"),
         [&] {
             const QList<CustomerLookupRow> customers = customerLookupRows(module.database());
             return new TResetCustomerLookup(
                 customers, customers.isEmpty() ? 0 : customers.constFirst().customerId);
         }},
        {QStringLiteral("customers.png"), [&] { return new TfrmCustomers(*db); }},
        {QStringLiteral("customers-filter.png"), [&] { return new TfrmCustomersFilter(*db); }},
        {QStringLiteral("customers-find.png"),
         [&] { return new TfrmCustomersFind(*db, [](qint64) { return true; }); }},
        {QStringLiteral("customer-address.png"), [&] { return customerPage(0); }},
        {QStringLiteral("customer-deliver-to.png"), [&] { return customerPage(1); }},
        {QStringLiteral("customer-terms.png"), [&] { return customerPage(2); }},
        {QStringLiteral("customer-sales.png"), [&] { return customerPage(3); }},
        {QStringLiteral("customer-notes.png"), [&] { return customerPage(4); }},
        {QStringLiteral("organization-general.png"),
         [&] {
             CompanySettings organization = companysettings::open(module.database());
             organization.taxNo = QStringLiteral("RT-88412-0001");
             organization.fiscalYear = 2026;
             organization.defaultPeriod = {2026, 12};
             organization.warnFrom = {2026, 1};
             organization.warnTo = {2026, 12};
             organization.errorFrom = {2025, 7};
             organization.errorTo = {2027, 6};
             organization.notes = QStringLiteral(
                 "The board reviews the fiscal year each June.\nAsk the treasurer before "
                 "suppressing posting.");
             companysettings::save(module.database(), organization);
             auto* screen = new TfrmCompany(module, lookups);
             screen->setOpenHelp([] {}); // as the console lends it
             screen->show();             // showing reads the record and copies the host's name
             return screen;
         }},
        {QStringLiteral("organization-defaults.png"),
         [&] {
             auto* screen = new TfrmCompany(module, lookups);
             screen->show();
             screen->PageControl->setCurrentIndex(1);
             return screen;
         }},
        {QStringLiteral("organization-notes.png"),
         [&] {
             auto* screen = new TfrmCompany(module, lookups);
             screen->show();
             screen->PageControl->setCurrentIndex(2);
             return screen;
         }},
    };
    shots << codeTableShots(*db);
    // The generation screen's question after a run that left meal credits unbilled, and the
    // first page of their report.
    shots.append({QStringLiteral("generate-invoices-unbilled-question.png"), [] {
                      return MessageBoxDialogs::createBox(
                          Dialogs::Kind::Confirmation,
                          unbilledQuestion(int(sampleUnbilledRun().deliveries.size())),
                          Dialogs::Yes | Dialogs::No);
                  }});
    shots.append({QStringLiteral("unbilled-deliveries.png"), [] {
                      report::PageList pages;
                      reports::printUnbilledDeliveries(sampleUnbilledRun(), pages,
                                                       QDateTime(QDate(2026, 12, 1), QTime(9, 7)));
                      auto* preview = new TfrmPreview(pages.pages);
                      preview->show();
                      preview->setZoom(75);
                      return preview;
                  }});
    int failures = 0;
    for (const Shot& shot : shots) {
        QWidget* widget = shot.make();
        const QString path = folder.filePath(shot.file);
        if (save(widget, path)) {
            QTextStream(stdout) << path << "\n";
        } else {
            err << "could not write " << path << "\n";
            ++failures;
        }
        delete widget;
    }
    setProcessRegistry(nullptr);
    return failures == 0 ? 0 : 1;
}
