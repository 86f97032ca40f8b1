// The AR console as a bookkeeper meets it: the host's menu entry, the start over the shared
// database, the start-up checks, single-instance screens and the screen foundation.
#include "close/ui/formresetbalances.h"
#include "common/ui/armessagebox.h"
#include "common/ui/keyboard.h"
#include "common/ui/messageboxdialogs.h"
#include "common/ui/savechanges.h"
#include "data/artables.h"
#include "data/datamodule.h"
#include "data/hosttables.h"
#include "data/registry.h"
#include "data/screensettings.h"
#include "data/ui/screenstate.h"
#include "dialer/ui/tfrmdialer.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "masterdata/company/ui/frmcompany.h"
#include "masterdata/customers/ui/frmcustomer.h"
#include "masterdata/customers/ui/frmcustomers.h"
#include "masterdata/ui/frmcodelist.h"
#include "modalwatcher.h"
#include "plugin/ui/aboutbox.h"
#include "plugin/ui/arprocess.h"
#include "plugin/ui/formarsystem.h"
#include "plugin/ui/invoiceregister.h"
#include "plugin/ui/paymentregister.h"
#include "plugin/ui/screenregistry.h"
#include "receivables/invoices/ui/frmarinvoices.h"
#include "receivables/invoices/ui/frmarinvoicespost.h"
#include "receivables/payments/register/ui/frmarpayments.h"
#include "receivables/payments/ui/frmarpayment.h"
#include "report/ui/frmpreview.h"
#include "reports/invoiceprint/ui/frmarinvoicesprint.h"
#include "reports/menu/ui/frmarreports.h"
#include "reports/statements/ui/formexportstatements.h"
#include "reports/ui/formarreportdestination.h"
#include "scripteddialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

namespace
{

class TestHost : public QWidget, public IHostInterface, public IHostServices
{
    Q_OBJECT
    Q_INTERFACES(IHostInterface IHostServices)
public:
    QString user = QStringLiteral("marta");
    int userRequests = 0;
    int terminations = 0;
    QString GetCurrentUserName() override
    {
        ++userRequests;
        return user;
    }
    QString GetDataDirectoryOverride() override { return {}; }
    void TerminateApplication() override { ++terminations; }
};

// A screen that counts how often it was made and reloaded.
class CountingScreen : public QWidget
{
    Q_OBJECT
public:
    static int made;
    int reloads = 0;
    CountingScreen() { ++made; }
public Q_SLOTS:
    void FormShow() { ++reloads; }
};
int CountingScreen::made = 0;

// The console started from the host's menu, as the tests drive it: once the console shows,
// `whileOpen` runs from the console's own event loop (so the watcher answers what it opens) and
// the console closes; every other modal dialog goes to `otherDialog`, if any.
class ConsoleSession
{
public:
    TestHost host;
    TFormARSystem console;
    QMenu modules;
    ModalWatcher watcher;

    ConsoleSession()
    {
        console.Init(&host);
        console.SetMenu(&modules);
    }

    // Whether the console showed. The callbacks are kept: the watcher may still call on them
    // until the session ends.
    bool run(std::function<void()> whileOpen, std::function<void(QDialog*)> otherDialog = {})
    {
        whileOpen_ = std::move(whileOpen);
        otherDialog_ = std::move(otherDialog);
        ran_ = false;
        watcher.onDialog = [this](QDialog* d) {
            if (d != &console) {
                if (otherDialog_)
                    otherDialog_(d);
                return;
            }
            if (ran_)
                return;
            ran_ = true;
            QTimer::singleShot(0, &console, [this] {
                whileOpen_();
                console.accept();
            });
        };
        modules.actions().first()->trigger();
        return ran_;
    }

private:
    std::function<void()> whileOpen_;
    std::function<void(QDialog*)> otherDialog_;
    bool ran_ = false;
};

} // namespace

class TestConsole : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir* data_ = nullptr;
    MemoryRegistry* registry_ = nullptr;

    void useDataFolder(const QString& folder)
    {
        registry_->write(reg::Mode, reg::ValueName, QStringLiteral("F"));
        registry_->write(reg::Alias, reg::ValueName, folder);
    }

    void runWithDb(const std::function<void(Database&)>& work)
    {
        auto db = Database::open(ConnectionParams::sqlite(
            QDir(data_->path()).filePath(QStringLiteral("Hearthtable.db"))));
        work(*db);
    }

private Q_SLOTS:
    void init()
    {
        data_ = new QTemporaryDir;
        registry_ = new MemoryRegistry;
        setProcessRegistry(registry_);
        useDataFolder(data_->path());
        runWithDb([](Database& db) {
            host::createTables(db);
            records::insert(db, host::config(),
                            {{QStringLiteral("Organizatn"), QStringLiteral("Valley Meals")},
                             {QStringLiteral("Postal_Format"), QStringLiteral("USA")}});
        });
    }
    void cleanup()
    {
        releaseArProcess();
        setProcessRegistry(nullptr);
        delete registry_;
        delete data_;
    }

    void hostMenuGainsTheEntry()
    {
        TFormARSystem console;
        QMenu modules;
        console.SetMenu(&modules);
        QCOMPARE(modules.actions().size(), 1);
        QCOMPARE(modules.actions().first()->text(), QStringLiteral("Tallywick"));
        QVERIFY(console.GetIsModuleInstalled(QStringLiteral("ARSystem")));
        QVERIFY(!console.GetIsModuleInstalled(QStringLiteral("arsystem")));
        QVERIFY(!console.GetIsModuleInstalled(QStringLiteral("APSystem")));
        console.PrepareMenuDate(QDateTime::currentDateTime());
        QCOMPARE(console.windowTitle(), QStringLiteral("Hearthtable Tallywick"));
    }

    void secondStartReusesTheModulesButAsksTheUserAgain()
    {
        TestHost host;
        TFormARSystem console;
        console.Init(&host);
        QMenu modules;
        console.SetMenu(&modules);
        ModalWatcher watcher;
        watcher.onDialog = [](QDialog* d) { d->accept(); };
        modules.actions().first()->trigger();
        QVERIFY2(watcher.messages.isEmpty(), qPrintable(watcher.messages.join(QLatin1Char('|'))));
        QCOMPARE(console.dataModulesCreated(), 1);
        QCOMPARE(host.userRequests, 1);
        QCOMPARE(arProcess().dataModule->CurrentUserName, QStringLiteral("marta"));
        TDataModuleARSystem* first = arProcess().dataModule;
        QCOMPARE(first->schemaReport().created.size(), 21);

        host.user = QStringLiteral("jonas");
        modules.actions().first()->trigger();
        QCOMPARE(console.dataModulesCreated(), 1);
        QCOMPARE(arProcess().dataModule, first);
        QCOMPARE(host.userRequests, 2);
        QCOMPARE(arProcess().dataModule->CurrentUserName, QStringLiteral("jonas"));
        QVERIFY(!console.isVisible()); // closing only hides it
    }

    void unusableDataLocationEndsTheHost_data()
    {
        QTest::addColumn<QString>("alias");
        QTest::addColumn<QString>("message");
        QTest::newRow("not defined")
            << QString()
            << QStringLiteral("The Hearthtable database has not been defined. The application can "
                              "not continue. Hearthtable will now terminate...");
        QTest::newRow("missing folder")
            << QStringLiteral("/no/such/meals")
            << QStringLiteral("The Hearthtable database:\n/no/such/meals\ndoes not appear to be "
                              "valid. Hearthtable will now terminate...");
    }
    void unusableDataLocationEndsTheHost()
    {
        QFETCH(QString, alias);
        QFETCH(QString, message);
        useDataFolder(alias);
        TestHost host;
        TFormARSystem console;
        console.Init(&host);
        ModalWatcher watcher;
        bool consoleShown = false;
        watcher.onDialog = [&](QDialog* d) {
            consoleShown = true;
            d->accept();
        };
        console.FormARSystemShowModal();
        QCOMPARE(watcher.messages, QStringList{message});
        QCOMPARE(host.terminations, 1);
        QVERIFY(!consoleShown);
        QVERIFY(!arProcess().dataModule);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void engineErrorIsShownWithoutEndingTheHost()
    {
        QFile notADatabase(QDir(data_->path()).filePath(QStringLiteral("Hearthtable.db")));
        QVERIFY(notADatabase.open(QIODevice::WriteOnly | QIODevice::Truncate));
        notADatabase.write("delivery routes, not a database");
        notADatabase.close();
        TestHost host;
        TFormARSystem console;
        console.Init(&host);
        ModalWatcher watcher;
        console.FormARSystemShowModal();
        QCOMPARE(watcher.messages.size(), 1);
        QVERIFY(watcher.messages.first().contains(QStringLiteral("not an SQLite database")));
        QCOMPARE(host.terminations, 0);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void failedStartStepIsTheOnlyMessage()
    {
        // The start ends at the customer types, before the organization table exists: neither
        // the data module nor the console's own checks report the tables it did not make.
        runWithDb([](Database& db) {
            db.exec(QStringLiteral("CREATE TABLE CusType (Code INTEGER NOT NULL)"));
            db.exec(QStringLiteral("CREATE TABLE CusType__old (Code INTEGER)"));
        });
        TestHost host;
        TFormARSystem console;
        console.Init(&host);
        console.wire(console.ActionSynchronizeItems, [] {});
        ModalWatcher watcher;
        watcher.onDialog = [](QDialog* d) { d->accept(); };
        console.FormARSystemShowModal();
        QCOMPARE(watcher.messages.size(), 1);
        QCOMPARE(watcher.messages.first(), arProcess().dataModule->schemaReport().error);
        QCOMPARE(host.terminations, 0);
    }

    void suppressedPostingDisablesTheFourActions()
    {
        TestHost host;
        TFormARSystem console;
        console.Init(&host);
        const QList<QAction*> all{console.ActionPostInvoices, console.ActionEditPayments,
                                  console.ActionPostPayments, console.ActionPrintStatements,
                                  console.ActionEditInvoices, console.ActionGenerateInvoices};
        for (QAction* a : all)
            console.wire(a, [] {});
        QMenu modules;
        console.SetMenu(&modules);
        ModalWatcher watcher;
        QHash<QString, bool> enabled;
        watcher.onDialog = [&](QDialog* d) {
            for (QAction* a : all)
                enabled.insert(a->objectName(), a->isEnabled());
            for (const char* name :
                 {"btnPostInvoices", "btnAcceptPayments", "mnu_ActionPostPayments"})
                enabled.insert(
                    QLatin1String(name),
                    d->findChild<QObject*>(QLatin1String(name))->property("enabled").toBool());
            d->accept();
        };
        modules.actions().first()->trigger();
        QVERIFY(enabled.value(QStringLiteral("ActionPostInvoices")));
        QVERIFY(enabled.value(QStringLiteral("btnAcceptPayments")));

        arProcess().dataModule->database().exec(
            QStringLiteral("UPDATE Company SET SuppressPosting = true"));
        modules.actions().first()->trigger();
        for (const QString& off :
             {QStringLiteral("ActionPostInvoices"), QStringLiteral("ActionEditPayments"),
              QStringLiteral("ActionPostPayments"), QStringLiteral("ActionPrintStatements"),
              QStringLiteral("btnPostInvoices"), QStringLiteral("btnAcceptPayments"),
              QStringLiteral("mnu_ActionPostPayments")})
            QVERIFY2(!enabled.value(off), qPrintable(off));
        QVERIFY(enabled.value(QStringLiteral("ActionEditInvoices")));
        QVERIFY(enabled.value(QStringLiteral("ActionGenerateInvoices")));

        arProcess().dataModule->database().exec(
            QStringLiteral("UPDATE Company SET SuppressPosting = false"));
        modules.actions().first()->trigger();
        QVERIFY(enabled.value(QStringLiteral("ActionPostPayments")));
        QVERIFY(enabled.value(QStringLiteral("mnu_ActionPostPayments")));
        // The code tables' entries open their list screens, one per table.
        QVERIFY(console.ActionEditTaxes->isEnabled());
        console.ActionEditTaxes->trigger();
        console.ActionEditTaxes->trigger();
        QWidget* taxes = findScreen(QStringLiteral("frmTaxes"));
        QVERIFY(taxes && taxes->isVisible());
        QCOMPARE(taxes->windowTitle(), QStringLiteral("Taxes"));
        int taxLists = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            taxLists += top->objectName() == QLatin1String("frmTaxes");
        QCOMPARE(taxLists, 1);
        taxes->close();
    }

    void startUpSynchronizesNewHostItems()
    {
        TestHost host;
        TFormARSystem console;
        console.Init(&host);
        runWithDb([](Database& db) {
            db.exec(QStringLiteral("INSERT INTO Items (Item_ID, Meal_Item, Meal, Billed_Amount)"
                                   " VALUES (57, 'Chicken Soup', 'L ', 4.25)"));
            db.exec(QStringLiteral("INSERT INTO Clients (Person_ID, Client_ID, Last_Name,"
                                   " First_Name) VALUES (1, '1001', 'Turner', 'Evelyn')"));
        });
        QMenu modules;
        console.SetMenu(&modules);
        ModalWatcher watcher;
        modules.actions().first()->trigger();
        const QString newItem = QStringLiteral(
            "It appears that a new delivery item has been created.\nPlease wait while the "
            "Tallywick items are synchronized with Hearthtable...");
        QCOMPARE(
            watcher.messages,
            (QStringList{newItem, QStringLiteral("Succesfully completed the synchronization.")}));
        Database& db = arProcess().dataModule->database();
        auto itemType = [&db](const QString& number) {
            Statement s = db.query(
                QStringLiteral("SELECT ItemTypeID FROM Item WHERE ItemNo = '%1'").arg(number));
            s.exec();
            return s.next() ? s.integer(0) : -1;
        };
        QCOMPARE(itemType(QStringLiteral("57")), 2);
        QCOMPARE(itemType(QStringLiteral("P57")), 2);
        QCOMPARE(console.StatusProgressBar->value(), 0);
        QVERIFY(!QGuiApplication::overrideCursor());

        modules.actions().first()->trigger(); // every host item is known now
        QCOMPARE(watcher.messages.count(newItem), 1);
        QCOMPARE(watcher.messages.size(), 2);

        // The clients' synchronization is wired as well.
        QVERIFY(console.ActionSynchronizeClients->isEnabled());
        console.ActionSynchronizeClients->trigger();
        QCOMPARE(watcher.messages.last(),
                 QStringLiteral("Succesfully completed the synchronization."));
        Statement customer =
            db.query(QStringLiteral("SELECT CustomerName FROM Customer WHERE CustomerNo = '1001'"));
        customer.exec();
        QVERIFY(customer.next());
        QCOMPARE(customer.text(0), QStringLiteral("Turner, Evelyn"));
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // "Report 1" and "Report 2" ask where the report goes: Cancel prints nothing and says
    // nothing, a missing template is named in full, a template in the data folder is previewed.
    // "Print Invoices..." opens Print AR Invoices over the unprinted invoices.
    void printingFromTheConsole()
    {
        // A desktop without a printer that prints into a PDF folder.
        QTemporaryDir pdfs;
        registry_->write(reg::PdfFolder, reg::ValueName, pdfs.path());
        ConsoleSession session;
        TFormARSystem& console = session.console;
        QList<bool> destinationAnswers{false, true, true};
        QStringList printDialogCounts;
        const bool ran = session.run(
            [&] {
                console.mnuReport2->trigger(); // cancelled
                QVERIFY(session.watcher.messages.isEmpty());
                console.mnuReport2->trigger(); // no template
                QVERIFY(QFile::copy(
                    QStringLiteral(TALLYWICK_DOCS_DIR "/UserDefinedTallywickReport01.rtm"),
                    QDir(data_->path())
                        .filePath(QStringLiteral("UserDefinedTallywickReport01.rtm"))));
                console.mnuReport1->trigger(); // previewed
                console.ActionPrintInvoices->trigger();
            },
            [&](QDialog* d) {
                if (qobject_cast<TFormARReportDestination*>(d)) {
                    if (destinationAnswers.takeFirst())
                        d->accept();
                    else
                        d->reject();
                } else if (auto* print = qobject_cast<TfrmARInvoicesPrint*>(d)) {
                    printDialogCounts << print->LabelCount->text();
                    d->reject();
                } else {
                    d->accept();
                }
            });
        QVERIFY(ran);
        QCOMPARE(session.watcher.messages,
                 QStringList({QStringLiteral("Could not locate the report template file:\n") +
                              QDir(data_->path())
                                  .filePath(QStringLiteral("UserDefinedTallywickReport02.rtm"))}));
        TfrmPreview* preview = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* p = qobject_cast<TfrmPreview*>(w); p && p->isVisible())
                preview = p;
        }
        QVERIFY(preview);
        QVERIFY(preview->pageCount() >= 1);
        preview->close();
        QCOMPARE(printDialogCounts, QStringList({QStringLiteral("0 invoice(s) to be printed")}));
    }

    // "Post Invoices..." opens Post AR Invoices over the printed invoices waiting.
    void postingFromTheConsole()
    {
        ConsoleSession session;
        TFormARSystem& console = session.console;
        QStringList counts;
        const bool ran = session.run(
            [&] {
                QVERIFY(console.ActionPostInvoices->isEnabled());
                console.ActionPostInvoices->trigger();
            },
            [&](QDialog* d) {
                if (auto* post = qobject_cast<TfrmARInvoicesPost*>(d)) {
                    counts << post->windowTitle() << post->LabelCount->text();
                    d->reject();
                } else {
                    d->accept();
                }
            });
        QVERIFY(ran);
        QCOMPARE(counts, QStringList({QStringLiteral("Post AR Invoices"),
                                      QStringLiteral("0 printed invoice(s) to be posted")}));
    }

    void screensAreSingleInstances()
    {
        CountingScreen::made = 0;
        auto make = [] { return new CountingScreen; };
        QWidget* first = openOrBringForward(QStringLiteral("frmTestScreen"), make);
        QWidget* again = openOrBringForward(QStringLiteral("frmTestScreen"), make);
        QCOMPARE(first, again);
        QCOMPARE(CountingScreen::made, 1);
        QCOMPARE(static_cast<CountingScreen*>(first)->reloads, 1); // already visible: reloaded
        first->showMinimized();
        QVERIFY(first->isMinimized());
        bool prepared = false;
        openOrBringForward(QStringLiteral("frmTestScreen"), make,
                           [&](QWidget* w) { prepared = w == first; });
        QVERIFY(!first->isMinimized());
        QVERIFY(prepared);
        QCOMPARE(CountingScreen::made, 1);
        QCOMPARE(findScreen(QStringLiteral("frmTestScreen")), first);
        QVERIFY(!QGuiApplication::overrideCursor());
        delete first;
        QVERIFY(!findScreen(QStringLiteral("frmTestScreen")));
    }

    // Print Statements / Reports... opens the one report menu, back on its first page each
    // time; the aged trial balance and the history reach the preview, the statements of an empty
    // ledger say there are none, and the labels ask for the label stock and then miss their
    // template in an empty data folder.
    void printStatementsOpensTheReportMenu()
    {
        QTemporaryDir pdfs;
        registry_->write(reg::PdfFolder, reg::ValueName, pdfs.path());
        ConsoleSession session;
        TFormARSystem& console = session.console;
        TfrmARReports* first = nullptr;
        TfrmARReports* again = nullptr;
        bool backOnFirstPage = false;
        QList<int> previewPages;
        QVERIFY(session.run([&] {
            console.findChild<QPushButton*>(QStringLiteral("btnPrintStatements"))->click();
            first = qobject_cast<TfrmARReports*>(findScreen(QStringLiteral("frmARReports")));
            if (!first)
                return;
            first->lstReports->setCurrentRow(TfrmARReports::Statements);
            first->next();
            console.ActionPrintStatements->trigger();
            again = qobject_cast<TfrmARReports*>(findScreen(QStringLiteral("frmARReports")));
            backOnFirstPage = again && again->isVisible() && !again->onOptionsPage();
            for (TfrmARReports::Report report :
                 {TfrmARReports::AgedTrialBalance, TfrmARReports::History,
                  TfrmARReports::Statements, TfrmARReports::Labels}) {
                first->lstReports->setCurrentRow(report);
                first->next();
                first->next();
                for (TfrmPreview* preview : first->findChildren<TfrmPreview*>()) {
                    previewPages << preview->pageCount();
                    delete preview;
                }
            }
        }));
        QVERIFY(first);
        QCOMPARE(again, first);
        QVERIFY(backOnFirstPage);
        QCOMPARE(previewPages, QList<int>({1, 1}));
        QCOMPARE(session.watcher.messages.size(), 3);
        QCOMPARE(session.watcher.messages.at(0),
                 QStringLiteral("No customer has a statement to print for this selection."));
        QVERIFY(session.watcher.messages.at(1).startsWith(
            QStringLiteral("Insert labels into printer")));
        QVERIFY2(
            session.watcher.messages.at(2).startsWith(QStringLiteral("The report template ")) &&
                session.watcher.messages.at(2).endsWith(QStringLiteral("could not be found.")),
            qPrintable(session.watcher.messages.at(2)));
        delete first;
    }

    void screenChoicesAreRemembered()
    {
        QWidget screen;
        screen.setObjectName(QStringLiteral("FormGenerateInvoices"));
        auto* include = new QRadioButton(&screen);
        include->setObjectName(QStringLiteral("RzRadioButtonInclude"));
        auto* exclude = new QRadioButton(&screen);
        exclude->setObjectName(QStringLiteral("RzRadioButtonExclude"));
        auto* history = new QCheckBox(&screen);
        history->setObjectName(QStringLiteral("wwCheckBoxPostToHistory"));
        history->setChecked(true);
        auto* payers = new QComboBox(&screen);
        payers->setObjectName(QStringLiteral("RzComboBoxPayersToInclude"));
        payers->addItems({QStringLiteral("Private Pay Only"),
                          QStringLiteral("Private Pay and Third-Party Funders"),
                          QStringLiteral("Third-Party Funders Only")});

        ScreenSettings settings(data_->path());
        restoreScreenState(&screen, settings); // nothing stored: the layout's own choices stay
        QVERIFY(!include->isChecked() && !exclude->isChecked());
        QVERIFY(history->isChecked());
        QCOMPARE(payers->currentIndex(), 0);

        exclude->setChecked(true);
        history->setChecked(false);
        payers->setCurrentIndex(2);
        saveScreenState(&screen, settings);
        QFile ini(QDir(data_->path()).filePath(QStringLiteral("Hearthtable.ini")));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(ini.readAll());
        QVERIFY2(text.contains(QStringLiteral("[FormGenerateInvoices]")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("RzRadioButtonExclude=True")));
        QVERIFY(text.contains(QStringLiteral("RzRadioButtonInclude=False")));
        QVERIFY(text.contains(QStringLiteral("wwCheckBoxPostToHistory=False")));
        QVERIFY(text.contains(QStringLiteral("RzComboBoxPayersToInclude=2")));

        exclude->setChecked(false);
        history->setChecked(true);
        payers->setCurrentIndex(0);
        settings.write(QStringLiteral("FormGenerateInvoices"),
                       QStringLiteral("RzComboBoxPayersToInclude"), QStringLiteral("7"));
        restoreScreenState(&screen, settings);
        QVERIFY(exclude->isChecked());
        QVERIFY(!history->isChecked());
        QCOMPARE(payers->currentIndex(), 0); // an index the list does not have is ignored
    }

    void closingWithChangesAsks()
    {
        ScriptedDialogs dialogs({Dialogs::Yes, Dialogs::No, Dialogs::Cancel});
        QCOMPARE(decideOnClose(dialogs, false, false), CloseDecision::Discard);
        QCOMPARE(decideOnClose(dialogs, true, true),
                 CloseDecision::Discard); // an untouched new record
        QVERIFY(dialogs.shown().isEmpty());
        QCOMPARE(decideOnClose(dialogs, true, false), CloseDecision::Save);
        QCOMPARE(decideOnClose(dialogs, true, false), CloseDecision::Discard);
        QCOMPARE(decideOnClose(dialogs, true, false), CloseDecision::StayOpen);
        QCOMPARE(dialogs.texts(), QStringList(3, QStringLiteral("Do you want to save changes?")));
        QCOMPARE(dialogs.shown()[0].buttons,
                 Dialogs::Buttons(Dialogs::Yes | Dialogs::No | Dialogs::Cancel));
    }

    void enterMovesToTheNextControl()
    {
        QWidget form;
        auto* first = new QLineEdit(&form);
        auto* second = new QLineEdit(&form);
        auto* layout = new QVBoxLayout(&form);
        layout->addWidget(first);
        layout->addWidget(second);
        enterMovesToNextControl(first);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Return);
        QVERIFY(second->hasFocus());
    }

    void messageBoxesShowTheRulesTexts()
    {
        QCOMPARE(MessageBoxDialogs::displayText(QStringLiteral("a\r\nb\n\rc\rd")),
                 QStringLiteral("a\nb\nc\nd"));
        MessageBoxDialogs dialogs;
        ModalWatcher watcher;
        watcher.answers = {QMessageBox::Retry, QMessageBox::Cancel};
        QCOMPARE(dialogs.ask(Dialogs::Kind::Warning, QStringLiteral("Unable to lock"),
                             Dialogs::Retry | Dialogs::Cancel),
                 Dialogs::Retry);
        QCOMPARE(dialogs.ask(Dialogs::Kind::Warning, QStringLiteral("Unable to lock"),
                             Dialogs::Retry | Dialogs::Cancel),
                 Dialogs::Cancel);
        QCOMPARE(watcher.messages.size(), 2);
    }

    void helpAboutAndProgressWindow()
    {
        TFormARSystem console;
        QUrl opened;
        console.openUrl = [&](const QUrl& url) {
            opened = url;
            return true;
        };
        console.mnuHelpTopics->trigger();
        QCOMPARE(opened, QUrl::fromLocalFile(TFormARSystem::helpFile()));
        QVERIFY2(QFile::exists(TFormARSystem::helpFile()), qPrintable(TFormARSystem::helpFile()));

        ModalWatcher watcher;
        QString version;
        watcher.onDialog = [&](QDialog* d) {
            version = d->findChild<QLabel*>(QStringLiteral("LabelVersion"))->text();
            d->accept();
        };
        console.mnuAbout->trigger();
        QCOMPARE(version, QStringLiteral("Version: ") + QStringLiteral(TALLYWICK_VERSION));

        TFormARMessageBox progress;
        Progress& bar = progress;
        bar.setValue(40);
        QCOMPARE(progress.RzProgressBarSaveStatus->value(), 40);

        console.progress().setCaption(QStringLiteral("Synchronizing items"));
        console.progress().setValue(55);
        QCOMPARE(console.StatusPane1->text(), QStringLiteral("Synchronizing items"));
        QCOMPARE(console.StatusProgressBar->value(), 55);
    }

    // Accept Payments opens the one payment register with every payment shown, its
    // Outstanding toggle and filter reset each time.
    void acceptPaymentsOpensThePaymentRegister()
    {
        ConsoleSession session;
        TFormARSystem& console = session.console;
        TfrmARPayments* first = nullptr;
        TfrmARPayments* again = nullptr;
        QPointer<TfrmARPayment> paymentWindow;
        QString caption;
        bool bankButtonOn = false;
        QWidget* banks = nullptr;
        QVERIFY(session.run([&] {
            console.findChild<QPushButton*>(QStringLiteral("btnAcceptPayments"))->click();
            first = qobject_cast<TfrmARPayments*>(findScreen(QStringLiteral("frmARPayments")));
            if (first) {
                first->setOutstanding(true);
                console.ActionEditPayments->trigger();
                caption = first->windowTitle();
            }
            again = qobject_cast<TfrmARPayments*>(findScreen(QStringLiteral("frmARPayments")));
            if (again) {
                // New opens the payment window beside the register.
                again->actNew->trigger();
                paymentWindow =
                    qobject_cast<TfrmARPayment*>(findScreen(QStringLiteral("frmARPayment")));
                if (paymentWindow) {
                    // Bank: opens the bank list
                    bankButtonOn = paymentWindow->btnBank->isEnabled();
                    paymentWindow->btnBank->click();
                    banks = findScreen(QStringLiteral("frmBanks"));
                    paymentWindow->close();
                }
            }
        }));
        QVERIFY(bankButtonOn);
        QVERIFY(banks && banks->isVisible());
        banks->close();
        QVERIFY(first);
        QCOMPARE(again, first);
        QCOMPARE(caption, QStringLiteral("AR Payments"));
        QVERIFY(!first->mnuOutstanding->isChecked());
        QVERIFY(first->actPost->isEnabled());
        QVERIFY(paymentWindow);
        QCOMPARE(paymentWindow->windowTitle(), QStringLiteral("New Payment"));
        // The register is deleted without being closed: closing would offer posting.
        delete first;
    }

    // Edit > Clients/Funders opens the one customer list, unfiltered each time; the registers
    // open it at their customer.
    void clientsFundersOpensTheCustomerList()
    {
        ConsoleSession session;
        TFormARSystem& console = session.console;
        TfrmCustomers* first = nullptr;
        TfrmCustomers* again = nullptr;
        QString caption;
        qint64 fromInvoices = 0;
        qint64 fromPayments = 0;
        TfrmARInvoices* invoices = nullptr;
        TfrmARPayments* payments = nullptr;
        QVERIFY(session.run([&] {
            Database& db = arProcess().dataModule->database();
            for (const int id : {41, 42})
                records::insert(
                    db, ar::customer(),
                    {{QStringLiteral("CustomerID"), id},
                     {QStringLiteral("CustomerNo"), QString::number(id)},
                     {QStringLiteral("CustomerName"), QStringLiteral("Client %1").arg(id)}});
            console.ActionEditCustomers->trigger();
            first = qobject_cast<TfrmCustomers*>(findScreen(QStringLiteral("frmCustomers")));
            if (!first)
                return;
            CustomerFilter none;
            none.customerType = QStringLiteral("F");
            first->setFilter(none);
            console.ActionEditCustomers->trigger();
            again = qobject_cast<TfrmCustomers*>(findScreen(QStringLiteral("frmCustomers")));
            caption = first->windowTitle();
            invoices = invoiceRegister(&console);
            payments = paymentRegister(&console);
            if (invoices && invoices->openCustomerList) {
                invoices->openCustomerList(42);
                fromInvoices = first->currentCustomerId();
            }
            if (payments && payments->openCustomerList) {
                payments->openCustomerList(41);
                fromPayments = first->currentCustomerId();
            }
        }));
        QVERIFY(first);
        QCOMPARE(again, first);
        QCOMPARE(caption, QStringLiteral("Clients and Funders"));
        QCOMPARE(fromInvoices, 42);
        QCOMPARE(fromPayments, 41);
        // The screens go with this session's database, without being closed: closing a register
        // would offer posting.
        delete invoices;
        delete payments;
        delete first;
    }

    // Export > Statements shows the export screen modally and frees it when it closes.
    void exportStatementsFromTheConsole()
    {
        ConsoleSession session;
        TFormARSystem& console = session.console;
        QStringList shown;
        const bool ran = session.run(
            [&] {
                QVERIFY(console.mnuExportStatements->isEnabled());
                console.mnuExportStatements->trigger();
            },
            [&](QDialog* d) {
                if (auto* screen = qobject_cast<TFormExportStatements*>(d)) {
                    shown << screen->windowTitle();
                    screen->ButtonClose->click();
                }
            });
        QVERIFY(ran);
        QCOMPARE(shown, QStringList{QStringLiteral("Export Statements to Mail-Merge File")});
        QVERIFY(!console.findChild<TFormExportStatements*>());
        QVERIFY(session.watcher.messages.isEmpty());
    }

    // Reset Balances opens one reset screen, non-modal, brought forward when opened again.
    void resetBalancesFromTheConsole()
    {
        ConsoleSession session;
        TFormARSystem& console = session.console;
        QWidget* first = nullptr;
        QWidget* again = nullptr;
        QVERIFY(session.run([&] {
            QVERIFY(console.mnuResetBalances->isEnabled());
            console.mnuResetBalances->trigger();
            first = findScreen(QStringLiteral("FormResetBalances"));
            console.mnuResetBalances->trigger();
            again = findScreen(QStringLiteral("FormResetBalances"));
        }));
        QVERIFY(qobject_cast<TFormResetBalances*>(first));
        QCOMPARE(again, first);
        QVERIFY(first->isVisible());
        QVERIFY(!first->isModal());
        QCOMPARE(first->windowTitle(), QStringLiteral("Reset Selected Balances"));
        delete first;
    }

    // Print Payments: the payment register, made but not shown, previews its filtered list; its
    // time-period lists look for their templates in the data folder.
    void printPaymentsFromTheConsole()
    {
        QTemporaryDir pdfs;
        registry_->write(reg::PdfFolder, reg::ValueName, pdfs.path());
        ConsoleSession session;
        TFormARSystem& console = session.console;
        TfrmARPayments* payments = nullptr;
        QVERIFY(session.run([&] {
            console.ActionPrintPayments->trigger();
            payments = qobject_cast<TfrmARPayments*>(findScreen(QStringLiteral("frmARPayments")));
        }));
        QVERIFY(payments);
        QVERIFY(!payments->isVisible());
        QCOMPARE(payments->templateDirectory, data_->path());
        QVERIFY(payments->actPrintById->isEnabled());
        TfrmPreview* preview = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* p = qobject_cast<TfrmPreview*>(w); p && p->isVisible())
                preview = p;
        }
        QVERIFY(preview);
        QCOMPARE(preview->pageCount(), 1);
        preview->close();
        QVERIFY(session.watcher.messages.isEmpty());
        delete payments; // not closed: closing would offer posting
    }

    // Each console start makes the dialer afresh; the registers' Phone commands show that one,
    // with the number and the customer's name.
    void consoleStartMakesTheDialerTheRegistersDialWith()
    {
        // Registers an earlier test left behind belong to a module that is gone.
        delete findScreen(QStringLiteral("frmARInvoices"));
        delete findScreen(QStringLiteral("frmARPayments"));
        ConsoleSession session;
        TFormARSystem& console = session.console;
        QPointer<TfrmDialer> firstDialer;
        QPointer<TfrmARInvoices> invoices;
        QPointer<TfrmARPayments> payments;
        QStringList prompts;
        auto answerDialer = [&](QDialog* d) {
            if (auto* dialer = qobject_cast<TfrmDialer*>(d)) {
                prompts << dialer->prompt();
                QVERIFY(dialer == arProcess().dialer);
            }
            d->reject();
        };
        QVERIFY(session.run(
            [&] {
                firstDialer = arProcess().dialer.data();
                console.ActionEditInvoices->trigger();
                invoices =
                    qobject_cast<TfrmARInvoices*>(findScreen(QStringLiteral("frmARInvoices")));
                console.ActionEditPayments->trigger();
                payments =
                    qobject_cast<TfrmARPayments*>(findScreen(QStringLiteral("frmARPayments")));
                if (invoices && invoices->dial)
                    invoices->dial(QStringLiteral("555-0101"), QStringLiteral("Ames, Ruth"));
                if (payments && payments->dial)
                    payments->dial(QStringLiteral("555-0177"), QStringLiteral("County Fund"));
            },
            answerDialer));
        QVERIFY(firstDialer);
        QVERIFY(invoices && payments);
        QCOMPARE(prompts, (QStringList{QStringLiteral("Phone 'Ames, Ruth'\rat 555-0101"),
                                       QStringLiteral("Phone 'County Fund'\rat 555-0177")}));

        QVERIFY(session.run([] {}));
        QVERIFY(arProcess().dialer);
        QVERIFY(!firstDialer); // the earlier start's dialer is gone, not left behind
        delete invoices;
        delete payments; // not closed: closing would offer posting
    }

    // The master-data screens reach one another as the console wires them: the customer
    // screen's code-table buttons open the lists and its Dial the dialer, a code table's Dial
    // the dialer, and the organization's currency button the currency list; each screen's Help
    // opens the help page at its own topic.
    void masterDataScreensReachTheListsAndTheDialer()
    {
        ConsoleSession session;
        TFormARSystem& console = session.console;
        QStringList prompts;
        QStringList listsOpened;
        QPointer<TfrmCustomers> customers;
        QPointer<TfrmCustomer> record;
        QPointer<TfrmCompany> company;
        QStringList helpTopics;
        console.openUrl = [&](const QUrl& url) {
            if (url.adjusted(QUrl::RemoveFragment) ==
                QUrl::fromLocalFile(TFormARSystem::helpFile()))
                helpTopics << url.fragment();
            return true;
        };
        auto answerDialer = [&](QDialog* d) {
            if (auto* dialer = qobject_cast<TfrmDialer*>(d))
                prompts << dialer->prompt();
            d->reject();
        };
        auto noteList = [&](const QString& name) {
            if (QWidget* list = findScreen(name); qobject_cast<TfrmCodeList*>(list)) {
                listsOpened << name;
                delete list;
            }
        };
        QVERIFY(session.run(
            [&] {
                records::insert(arProcess().dataModule->database(), ar::customer(),
                                {{QStringLiteral("CustomerID"), 41},
                                 {QStringLiteral("CustomerNo"), QStringLiteral("41")},
                                 {QStringLiteral("CustomerName"), QStringLiteral("Ames, Ruth")},
                                 {QStringLiteral("Phone"), QStringLiteral("555-0101")}});
                console.ActionEditCustomers->trigger();
                customers =
                    qobject_cast<TfrmCustomers*>(findScreen(QStringLiteral("frmCustomers")));
                if (!customers)
                    return;
                customers->actHelp->trigger();
                customers->editCustomer();
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (auto* r = qobject_cast<TfrmCustomer*>(w); r && r->isVisible())
                        record = r;
                if (!record)
                    return;
                const QList<std::pair<const char*, QString>> buttons = {
                    {"btnTax1", QStringLiteral("frmTaxes")},
                    {"btnCurrency", QStringLiteral("frmCurrencies")},
                    {"btnSalesman", QStringLiteral("frmSalesmen")},
                    {"btnCustomerType", QStringLiteral("frmCusTypes")}};
                for (const auto& [button, list] : buttons) {
                    record->findChild<QPushButton*>(QString::fromLatin1(button))->click();
                    noteList(list);
                }
                record->btnDial->click();

                console.ActionEditBanks->trigger();
                if (auto* banks =
                        qobject_cast<TfrmCodeList*>(findScreen(QStringLiteral("frmBanks")));
                    banks && banks->dial) {
                    banks->dial(QStringLiteral("555-0199"));
                    banks->mnuHelp->trigger();
                }

                console.ActionEditOrganizationSetup->trigger();
                company = qobject_cast<TfrmCompany*>(findScreen(QStringLiteral("frmCompany")));
                if (company)
                    company->btnHelp->click();
                if (company && company->btnCurrency->isEnabled()) {
                    company->btnCurrency->click();
                    noteList(QStringLiteral("frmCurrencies"));
                }
            },
            answerDialer));
        QVERIFY(customers && record && company);
        QCOMPARE(listsOpened,
                 (QStringList{QStringLiteral("frmTaxes"), QStringLiteral("frmCurrencies"),
                              QStringLiteral("frmSalesmen"), QStringLiteral("frmCusTypes"),
                              QStringLiteral("frmCurrencies")}));
        QCOMPARE(helpTopics,
                 (QStringList{QStringLiteral("clients-and-funders"), QStringLiteral("code-tables"),
                              QStringLiteral("topic-410")}));
        QFile help(TFormARSystem::helpFile());
        QVERIFY(help.open(QIODevice::ReadOnly));
        const QByteArray page = help.readAll();
        for (const QString& topic : helpTopics)
            QVERIFY2(page.contains("id=\"" + topic.toLatin1() + '"'), qPrintable(topic));
        QCOMPARE(prompts.size(), 2);
        QVERIFY(prompts[0].contains(QStringLiteral("555-0101")));
        QVERIFY(prompts[1].contains(QStringLiteral("555-0199")));
        QVERIFY(session.watcher.messages.isEmpty());
        delete record;
        delete customers;
        delete company;
        delete findScreen(QStringLiteral("frmBanks"));
    }
};

QTEST_MAIN(TestConsole)
#include "test_console.moc"
