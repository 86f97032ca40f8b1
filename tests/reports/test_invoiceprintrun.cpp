// A print run on both engines, driven through scripted dialogs and a recording printer: what is
// asked and shown, what is printed, which invoices are marked printed, when the Invoices table
// is locked, the labels and the mail-merge file, and the dialog's remembered choices.
#include "data/artables.h"
#include "data/screensettings.h"
#include "engine/batchinsert.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/transaction.h"
#include "printfixture.h"
#include "recordingprogress.h"
#include "reports/invoiceprint/invoiceprintoutput.h"
#include "reports/invoiceprint/invoiceprintrun.h"
#include "reports/invoiceprint/invoiceselection.h"
#include "reports/invoiceprint/mailmerge.h"
#include "reports/invoiceprint/printedinvoicereader.h"
#include "reports/userdefinedreports.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using namespace printfixture;
using namespace invoiceprint;

namespace
{

// Records what the run sends to the printer and answers the print and file dialogs.
class RecordingOutput final : public InvoicePrintOutput
{
public:
    std::optional<PrinterChoice> choosePrinter(const PrinterChoice& preset) override
    {
        presets << preset;
        if (cancelPrinter)
            return std::nullopt;
        return preset;
    }
    void printInvoices(PrintedInvoiceReader& invoices, const InvoiceOrganization& organization,
                       const PrinterChoice&, Progress&) override
    {
        companyName = organization.letterhead.companyName;
        while (invoices.next())
            printed << invoices.current().invoiceNo;
        if (whilePrinting)
            whilePrinting();
    }
    void printLabels(PrintedInvoiceReader& invoices, const QString& templateFile) override
    {
        labelTemplate = templateFile;
        while (invoices.next())
            labelled << invoices.current().invoiceNo;
    }
    QString chooseMailMergeFile() override
    {
        ++mailMergeAsked;
        return mailMergeFile;
    }

    bool cancelPrinter = false;
    QList<PrinterChoice> presets;
    QString companyName;
    QStringList printed;
    std::function<void()> whilePrinting;
    QString labelTemplate;
    QStringList labelled;
    QString mailMergeFile;
    int mailMergeAsked = 0;
};

// A second workstation that gives up on a lock at once.
std::unique_ptr<Database> impatient(const Database& db)
{
    ConnectionParams quick = db.params();
    quick.lockRetry = {2, 10};
    return Database::open(quick);
}

bool lockIsFree(Database& other)
{
    if (!other.tryLockTable(QStringLiteral("ARInv")))
        return false;
    other.unlockTable(QStringLiteral("ARInv"));
    return true;
}

QList<qint64> printedIds(Database& db)
{
    return testdb::integers(
        db, QStringLiteral("SELECT ARInvoiceID FROM ARInv WHERE Printed = true ORDER BY 1"));
}

struct Ledger {
    std::unique_ptr<Database> db;
    std::unique_ptr<Database> other; // another workstation
    QTemporaryDir dataDir;
};

// Three unprinted invoices (ids 1, 2, 4) and a printed one (3).
std::unique_ptr<Ledger> ledger(const QString& engine)
{
    auto l = std::make_unique<Ledger>();
    auto fresh = testdb::fresh(engine);
    create(*fresh);
    l->db = impatient(*fresh);
    l->other = impatient(*fresh);
    addInvoice(*l->db, 1, kAmes, QStringLiteral("10001"), cents(1000));
    addInvoice(*l->db, 2, kCounty, QStringLiteral("10002"), cents(2000));
    addInvoice(*l->db, 3, kBaker, QStringLiteral("10003"), cents(3000),
               {{QStringLiteral("Printed"), true}});
    addInvoice(*l->db, 4, kBaker, QStringLiteral("10004"), cents(4000));
    return l;
}

InvoicePrintOptions optionsIn(const Ledger& l)
{
    InvoicePrintOptions o;
    o.dataDirectory = l.dataDir.path();
    return o;
}

// The fields of an RFC 4180 file, line by line.
QList<QStringList> readCsv(const QString& text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    const auto after = [&text](qsizetype i) { return i + 1 < text.size() ? text[i + 1] : QChar(); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"') && after(i) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\r') && after(i) == QLatin1Char('\n')) {
            row << field;
            rows << row;
            row.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
}

} // namespace

class TestInvoicePrintRun : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void emptyBatchDoesNothing_data() { testdb::addEngineRows(); }
    void emptyBatchDoesNothing()
    {
        QFETCH(QString, engine);
        auto l = ledger(engine);
        l->db->exec(QStringLiteral("UPDATE ARInv SET Printed = true"));
        ScriptedDialogs dialogs;
        RecordingProgress progress;
        RecordingOutput output;
        const InvoicePrintResult r = InvoicePrintRun(*l->db, dialogs, progress, output)
                                         .run(InvoiceSelection(), optionsIn(*l));
        QCOMPARE(r.outcome, InvoicePrintOutcome::NothingToPrint);
        QVERIFY(!r.accepted());
        QVERIFY(!r.keepsDialogOpen());
        QVERIFY(dialogs.shown().isEmpty());
        QVERIFY(output.presets.isEmpty());
    }

    void refusedBeforeAnythingIsLocked_data() { testdb::addEngineRows(); }
    void refusedBeforeAnythingIsLocked()
    {
        QFETCH(QString, engine);
        auto l = ledger(engine);
        RecordingProgress progress;
        {
            // The invoice window is open: the error, and no print dialog.
            ScriptedDialogs dialogs;
            RecordingOutput output;
            InvoicePrintOptions o = optionsIn(*l);
            o.invoiceWindowOpen = true;
            const InvoicePrintResult r =
                InvoicePrintRun(*l->db, dialogs, progress, output).run(InvoiceSelection(), o);
            QCOMPARE(r.outcome, InvoicePrintOutcome::InvoiceWindowOpen);
            QCOMPARE(dialogs.texts(), QStringList{kConflictingWindow});
            QCOMPARE(dialogs.shown()[0].kind, Dialogs::Kind::Error);
            QVERIFY(output.presets.isEmpty());
            QVERIFY(lockIsFree(*l->other));
        }
        {
            // The print dialog is cancelled: the print dialog stays open for another try.
            ScriptedDialogs dialogs;
            RecordingOutput output;
            output.cancelPrinter = true;
            const InvoicePrintResult r = InvoicePrintRun(*l->db, dialogs, progress, output)
                                             .run(InvoiceSelection(), optionsIn(*l));
            QCOMPARE(r.outcome, InvoicePrintOutcome::PrinterNotChosen);
            QVERIFY(r.keepsDialogOpen());
            QVERIFY(!r.accepted());
            QVERIFY(dialogs.shown().isEmpty());
            QCOMPARE(output.presets.size(), 1);
            QVERIFY(output.printed.isEmpty());
            QVERIFY(lockIsFree(*l->other));
        }
        QCOMPARE(printedIds(*l->db), QList<qint64>{3});
    }

    void printerStartsWithTheOrganizationsCopies_data() { testdb::addEngineRows(); }
    void printerStartsWithTheOrganizationsCopies()
    {
        QFETCH(QString, engine);
        auto l = ledger(engine);
        RecordingProgress progress;
        for (const auto& [stored, preset] : {std::pair{0, 1}, {-1, 1}, {3, 3}}) {
            setCompany(*l->db, {{QStringLiteral("ARInvoiceCopies"), stored}});
            ScriptedDialogs dialogs;
            RecordingOutput output;
            output.cancelPrinter = true;
            InvoicePrintRun(*l->db, dialogs, progress, output)
                .run(InvoiceSelection(), optionsIn(*l));
            QCOMPARE(output.presets.value(0).copies, preset);
            QVERIFY(output.presets.value(0).collate);
        }
    }

    void confirmedPrintoutMarksTheBatch_data() { testdb::addEngineRows(); }
    void confirmedPrintoutMarksTheBatch()
    {
        QFETCH(QString, engine);
        auto l = ledger(engine);
        ScriptedDialogs dialogs({Dialogs::Yes});
        RecordingProgress progress;
        RecordingOutput output;
        bool lockedWhilePrinting = false;
        output.whilePrinting = [&] { lockedWhilePrinting = !lockIsFree(*l->other); };
        InvoiceSelection selection;
        selection.setSortOrder(InvoiceSelection::ByCustomerName);
        const InvoicePrintResult r =
            InvoicePrintRun(*l->db, dialogs, progress, output).run(selection, optionsIn(*l));

        QCOMPARE(r.outcome, InvoicePrintOutcome::Printed);
        QVERIFY(r.accepted());
        QCOMPARE(r.printed, 3);
        QCOMPARE(r.marked, 3);
        QCOMPARE(output.printed, QStringList({"10001", "10004", "10002"}));
        QCOMPARE(output.companyName, QStringLiteral("Hearth Meals"));
        QVERIFY(lockedWhilePrinting);
        QVERIFY(lockIsFree(*l->other));
        QCOMPARE(dialogs.texts(), QStringList{kPrintedOkQuestion});
        QCOMPARE(dialogs.shown()[0].buttons, Dialogs::Buttons(Dialogs::Yes | Dialogs::No));
        QCOMPARE(progress.minimum, 0);
        QCOMPARE(progress.maximum, 3);
        QCOMPARE(progress.captions,
                 QStringList({QStringLiteral("3 invoice(s) to be updated"), kUpdating}));
        QCOMPARE(progress.values.last(), 3);
        QCOMPARE(printedIds(*l->db), (QList<qint64>{1, 2, 3, 4}));
    }

    // A batch of hundreds of invoices is read and marked a block at a time: the statements a
    // server is sent grow with the blocks, not with the invoices.
    void largeBatchTakesFewStatements_data() { testdb::addEngineRows(); }
    void largeBatchTakesFewStatements()
    {
        QFETCH(QString, engine);
        auto l = ledger(engine);
        const int extra = 450;
        {
            Transaction t(*l->db);
            BatchInsert rows(*l->db, ar::arInv(),
                             {QStringLiteral("ARInvoiceID"), QStringLiteral("CustomerID"),
                              QStringLiteral("InvoiceNo"), QStringLiteral("InvoiceAmount"),
                              QStringLiteral("Owing"), QStringLiteral("Printed")});
            for (int i = 0; i < extra; ++i)
                rows.add({100 + i, kBaker, QStringLiteral("2%1").arg(i, 4, 10, QLatin1Char('0')),
                          QVariant::fromValue(cents(100)), QVariant::fromValue(cents(100)), false});
            rows.finish();
            t.commit();
        }
        ScriptedDialogs dialogs({Dialogs::Yes});
        RecordingProgress progress;
        RecordingOutput output;
        const qint64 before = l->db->traffic().statements;
        const InvoicePrintResult r = InvoicePrintRun(*l->db, dialogs, progress, output)
                                         .run(InvoiceSelection(), optionsIn(*l));
        const qint64 statements = l->db->traffic().statements - before;
        QCOMPARE(output.printed.size(), extra + 3);
        QCOMPARE(output.printed.first(), QStringLiteral("10001"));
        QCOMPARE(output.printed.last(), QStringLiteral("20449"));
        QCOMPARE(r.marked, extra + 3);
        QCOMPARE(testdb::scalar(*l->db,
                                QStringLiteral("SELECT COUNT(*) FROM ARInv WHERE Printed = false")),
                 0);
        QVERIFY2(statements < 40, qPrintable(QString::number(statements)));
        QCOMPARE(progress.values.last(), extra + 3);
    }

    void unconfirmedPrintoutMarksNothing_data() { testdb::addEngineRows(); }
    void unconfirmedPrintoutMarksNothing()
    {
        QFETCH(QString, engine);
        auto l = ledger(engine);
        ScriptedDialogs dialogs({Dialogs::No});
        RecordingProgress progress;
        RecordingOutput output;
        const InvoicePrintResult r = InvoicePrintRun(*l->db, dialogs, progress, output)
                                         .run(InvoiceSelection(), optionsIn(*l));
        QCOMPARE(r.outcome, InvoicePrintOutcome::NotConfirmed);
        QVERIFY(!r.accepted());
        QCOMPARE(r.printed, 3);
        QCOMPARE(r.marked, 0);
        QCOMPARE(output.printed.size(), 3);
        QCOMPARE(printedIds(*l->db), QList<qint64>{3});
        QVERIFY(lockIsFree(*l->other));
    }

    void answersGivenBeforehandAskNothing_data() { testdb::addEngineRows(); }
    void answersGivenBeforehandAskNothing()
    {
        QFETCH(QString, engine);
        auto l = ledger(engine);
        RecordingProgress progress;
        ScriptedDialogs dialogs;
        RecordingOutput output;
        InvoicePrintOptions o = optionsIn(*l);
        o.printedOk = false;
        QCOMPARE(
            InvoicePrintRun(*l->db, dialogs, progress, output).run(InvoiceSelection(), o).outcome,
            InvoicePrintOutcome::NotConfirmed);
        QCOMPARE(printedIds(*l->db), QList<qint64>{3});
        o.printedOk = true;
        QCOMPARE(
            InvoicePrintRun(*l->db, dialogs, progress, output).run(InvoiceSelection(), o).marked,
            3);
        QCOMPARE(printedIds(*l->db), (QList<qint64>{1, 2, 3, 4}));
        QVERIFY(dialogs.shown().isEmpty());
    }

    void reprintAsksNothingAndMarksNothing_data() { testdb::addEngineRows(); }
    void reprintAsksNothingAndMarksNothing()
    {
        QFETCH(QString, engine);
        auto l = ledger(engine);
        ScriptedDialogs dialogs;
        RecordingProgress progress;
        RecordingOutput output;
        InvoiceSelection one;
        one.selectOneInvoice(2);
        InvoicePrintOptions o = optionsIn(*l);
        o.reprint = true;
        const InvoicePrintResult r = InvoicePrintRun(*l->db, dialogs, progress, output).run(one, o);
        QCOMPARE(r.outcome, InvoicePrintOutcome::Printed);
        QVERIFY(r.accepted());
        QCOMPARE(r.marked, 0);
        QCOMPARE(output.printed, QStringList{"10002"});
        QVERIFY(dialogs.shown().isEmpty());
        QCOMPARE(printedIds(*l->db), QList<qint64>{3});
        QVERIFY(lockIsFree(*l->other));
    }

    void lockHeldByAnotherWorkstation_data() { testdb::addEngineRows(); }
    void lockHeldByAnotherWorkstation()
    {
        QFETCH(QString, engine);
        auto l = ledger(engine);
        RecordingProgress progress;
        QVERIFY(l->other->tryLockTable(QStringLiteral("ARInv")));
        {
            ScriptedDialogs dialogs({Dialogs::Retry, Dialogs::Cancel});
            RecordingOutput output;
            QVERIFY_THROWS_EXCEPTION(LockError, InvoicePrintRun(*l->db, dialogs, progress, output)
                                                    .run(InvoiceSelection(), optionsIn(*l)));
            QCOMPARE(dialogs.texts(), QStringList({kLockQuestion, kLockQuestion}));
            QCOMPARE(dialogs.shown()[0].buttons,
                     Dialogs::Buttons(Dialogs::Retry | Dialogs::Cancel));
            QVERIFY(output.printed.isEmpty());
        }
        {
            // The other workstation lets go while the question is up: Retry goes on.
            class ReleasingDialogs final : public Dialogs
            {
            public:
                explicit ReleasingDialogs(Database& holder) : holder_(holder) {}
                void inform(Kind, const QString&) override {}
                Button ask(Kind, const QString& text, Buttons) override
                {
                    asked << text;
                    if (text == kLockQuestion) {
                        holder_.unlockTable(QStringLiteral("ARInv"));
                        return Retry;
                    }
                    return Yes;
                }
                QStringList asked;

            private:
                Database& holder_;
            } dialogs(*l->other);
            RecordingOutput output;
            const InvoicePrintResult r = InvoicePrintRun(*l->db, dialogs, progress, output)
                                             .run(InvoiceSelection(), optionsIn(*l));
            QCOMPARE(dialogs.asked, QStringList({kLockQuestion, kPrintedOkQuestion}));
            QCOMPARE(r.marked, 3);
        }
        QCOMPARE(printedIds(*l->db), (QList<qint64>{1, 2, 3, 4}));
    }

    void labels_data() { testdb::addEngineRows(); }
    void labels()
    {
        QFETCH(QString, engine);
        auto l = ledger(engine);
        RecordingProgress progress;
        InvoicePrintOptions o = optionsIn(*l);
        o.output = PrintOutputChoice::InvoicesAndLabels;
        o.printedOk = false;
        const QString templateFile = l->dataDir.filePath(QStringLiteral("ARLabel.rtm"));
        {
            // No template: the warning, and the printout question still follows.
            ScriptedDialogs dialogs({Dialogs::Ok, Dialogs::Yes});
            RecordingOutput output;
            InvoicePrintOptions asking = o;
            asking.printedOk.reset();
            const InvoicePrintResult r =
                InvoicePrintRun(*l->db, dialogs, progress, output).run(InvoiceSelection(), asking);
            QCOMPARE(dialogs.texts(),
                     QStringList({kInsertLabels, reports::missingTemplateText(templateFile),
                                  kPrintedOkQuestion}));
            QCOMPARE(dialogs.shown()[0].buttons, Dialogs::Buttons(Dialogs::Ok | Dialogs::Cancel));
            QCOMPARE(dialogs.shown()[1].kind, Dialogs::Kind::Warning);
            QVERIFY(output.labelled.isEmpty());
            QCOMPARE(r.marked, 3);
        }
        l->db->exec(QStringLiteral("UPDATE ARInv SET Printed = false"));
        QFile file(templateFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        {
            ScriptedDialogs dialogs({Dialogs::Ok});
            RecordingOutput output;
            InvoicePrintRun(*l->db, dialogs, progress, output).run(InvoiceSelection(), o);
            QCOMPARE(output.labelTemplate, templateFile);
            QCOMPARE(output.labelled, QStringList({"10001", "10002", "10003", "10004"}));
            QCOMPARE(output.printed, output.labelled);
        }
        {
            // Cancel skips the labels, and the template is not even looked for.
            ScriptedDialogs dialogs({Dialogs::Cancel});
            RecordingOutput output;
            QFile::remove(templateFile);
            InvoicePrintRun(*l->db, dialogs, progress, output).run(InvoiceSelection(), o);
            QCOMPARE(dialogs.texts(), QStringList{kInsertLabels});
            QVERIFY(output.labelled.isEmpty());
        }
    }

    void mailMergeKeepsEveryAddressInItsColumns_data() { testdb::addEngineRows(); }
    void mailMergeKeepsEveryAddressInItsColumns()
    {
        QFETCH(QString, engine);
        auto l = ledger(engine);
        records::update(*l->db, ar::customer(),
                        {{QStringLiteral("AddressLine1"), QStringLiteral("Apt 4, 12 Elm St")},
                         {QStringLiteral("Contact"), QStringLiteral("Ruth \"Ruthie\" Ames")},
                         {QStringLiteral("AddressLine2"), QStringLiteral("Care of\r\nJoan")}},
                        QStringLiteral("CustomerID = 1"));
        // The ship-to name is the recipient's.
        l->db->exec(QStringLiteral("UPDATE ARInv SET Recip_ID = '1002' WHERE ARInvoiceID = 1"));
        RecordingProgress progress;
        ScriptedDialogs dialogs;
        RecordingOutput output;
        output.mailMergeFile = l->dataDir.filePath(QStringLiteral("InvoiceAddressees.csv"));
        InvoicePrintOptions o = optionsIn(*l);
        o.output = PrintOutputChoice::InvoicesAndMailMerge;
        o.printedOk = true;
        InvoicePrintRun(*l->db, dialogs, progress, output).run(InvoiceSelection(), o);
        QCOMPARE(output.mailMergeAsked, 1);

        QFile file(output.mailMergeFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.startsWith(QStringLiteral(
            "ShipToName,Contact,AddressLine1,AddressLine2,City,StateProv,ZIPCode,Country\r\n")));
        const QList<QStringList> rows = readCsv(text);
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows[0], mailmerge::columnNames());
        QCOMPARE(rows[1], QStringList({"Ruth Ames", "Ruth \"Ruthie\" Ames", "Apt 4, 12 Elm St",
                                       "Care of\r\nJoan", "Dayton", "OH", "45402", "USA"}));
        QCOMPARE(rows[2],
                 QStringList({"", "Pat Lee", "1 Court Sq", "Suite 2", "Dayton", "", "", ""}));
        QCOMPARE(rows[3], QStringList({"", "Lou Baker", "", "", "", "", "", ""}));
    }

    void mailMergeCancelledOrUnwritable_data() { testdb::addEngineRows(); }
    void mailMergeCancelledOrUnwritable()
    {
        QFETCH(QString, engine);
        auto l = ledger(engine);
        RecordingProgress progress;
        ScriptedDialogs dialogs;
        InvoicePrintOptions o = optionsIn(*l);
        o.output = PrintOutputChoice::InvoicesAndMailMerge;
        o.printedOk = false;
        {
            RecordingOutput output; // the file dialog is cancelled
            QCOMPARE(InvoicePrintRun(*l->db, dialogs, progress, output)
                         .run(InvoiceSelection(), o)
                         .outcome,
                     InvoicePrintOutcome::NotConfirmed);
            QCOMPARE(output.mailMergeAsked, 1);
            QCOMPARE(QDir(l->dataDir.path()).entryList(QDir::Files), QStringList());
        }
        {
            RecordingOutput output;
            output.mailMergeFile = l->dataDir.filePath(QStringLiteral("missing/out.csv"));
            o.printedOk = true;
            try {
                InvoicePrintRun(*l->db, dialogs, progress, output).run(InvoiceSelection(), o);
                QFAIL("a file that cannot be written went unreported");
            } catch (const std::runtime_error& e) {
                QVERIFY(QString::fromUtf8(e.what()).contains(output.mailMergeFile));
            }
            QVERIFY(!QFile::exists(output.mailMergeFile));
            QCOMPARE(printedIds(*l->db), QList<qint64>{3});
            QVERIFY(lockIsFree(*l->other));
        }
    }

    void rememberedChoices()
    {
        QTemporaryDir dir;
        ScreenSettings settings(dir.path());
        InvoicePrintChoices c = readInvoicePrintChoices(settings);
        QCOMPARE(c.output, PrintOutputChoice::InvoicesOnly);
        QCOMPARE(c.sortOrder, 0);
        writeInvoicePrintChoices(settings, {PrintOutputChoice::InvoicesAndMailMerge, 2});
        QCOMPARE(settings.read(QStringLiteral("FormARInvoicesPrint"),
                               QStringLiteral("RzComboBoxPrintOption"), {}),
                 QStringLiteral("2"));
        c = readInvoicePrintChoices(settings);
        QCOMPARE(c.output, PrintOutputChoice::InvoicesAndMailMerge);
        QCOMPARE(c.sortOrder, 2);
        // A hand-edited file with indexes the lists do not have reads as the first items.
        settings.write(QStringLiteral("FormARInvoicesPrint"),
                       QStringLiteral("RzComboBoxPrintOption"), QStringLiteral("3"));
        settings.write(QStringLiteral("FormARInvoicesPrint"), QStringLiteral("RzComboBoxSortOrder"),
                       QStringLiteral("x"));
        c = readInvoicePrintChoices(settings);
        QCOMPARE(c.output, PrintOutputChoice::InvoicesOnly);
        QCOMPARE(c.sortOrder, 0);
    }
};

QTEST_GUILESS_MAIN(TestInvoicePrintRun)
#include "test_invoiceprintrun.moc"
