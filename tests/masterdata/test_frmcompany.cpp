// Organization Setup as a bookkeeper drives it, on both engines: the record opened with the
// host's name, the keyboard through the three pages, a refused year keeping the cursor, the
// checks at OK with nothing written, the question on closing, and the save that the data
// module and the console follow at once.
#include "common/ui/yearentry.h"
#include "data/datamodule.h"
#include "data/datasets.h"
#include "data/lookups.h"
#include "masterdata/company/companysettings.h"
#include "masterdata/company/ui/frmcompany.h"
#include "modalwatcher.h"
#include "organizationfixture.h"
#include "plugin/ui/arprocess.h"
#include "plugin/ui/formarsystem.h"
#include "plugin/ui/screenregistry.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace
{

// The module over a fresh database of the row's engine, as the console's start makes it.
struct Organization {
    QTemporaryDir folder;
    ScriptedDialogs moduleDialogs;
    std::unique_ptr<TDataModuleARSystem> module;
    std::unique_ptr<TdmLookUps> lookups;

    explicit Organization(const QString& engine)
    {
        module = std::make_unique<TDataModuleARSystem>(organization::newDatabase(engine),
                                                       folder.path(), moduleDialogs);
        lookups = std::make_unique<TdmLookUps>(module->database());
    }
    Database& db() { return module->database(); }
};

void press(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(w, key, modifiers);
}

QWidget* focused()
{
    return QApplication::focusWidget();
}

// Enter from the focused box, and the name of the box it lands in.
QString enter()
{
    press(focused(), Qt::Key_Return);
    return focused() ? focused()->objectName() : QString();
}

} // namespace

class TestFrmCompany : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TfrmCompany> show(Organization& org, ScriptedDialogs& dialogs)
    {
        auto screen = std::make_unique<TfrmCompany>(*org.module, *org.lookups, nullptr, &dialogs);
        screen->show();
        screen->activateWindow();
        if (!QTest::qWaitForWindowActive(screen.get()))
            qWarning("the screen did not become active");
        return screen;
    }

private Q_SLOTS:
    void cleanup() { releaseArProcess(); }

    void opensOnTheNameWithTheHostsOrganization_data() { testdb::addEngineRows(); }
    void opensOnTheNameWithTheHostsOrganization()
    {
        QFETCH(QString, engine);
        Organization org(engine);
        org.db().exec(QStringLiteral("UPDATE Config SET Organizatn = 'Valley Meals'"));
        org.db().exec(QStringLiteral("UPDATE Company SET FiscalYear = 2026"));
        ScriptedDialogs dialogs;
        auto screen = show(org, dialogs);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Your Organization"));
        QCOMPARE(screen->PageControl->currentIndex(), 0);
        QCOMPARE(screen->PageControl->tabText(1), QStringLiteral("Defaults"));
        QCOMPARE(focused(), screen->editCompanyName);
        QCOMPARE(screen->editCompanyName->text(), QStringLiteral("Valley Meals"));
        QVERIFY(screen->editCompanyName->isReadOnly());
        QVERIFY(screen->editAddressLine2->isReadOnly());
        // Typing into the host's name changes nothing.
        QTest::keyClicks(screen->editCompanyName, QStringLiteral("X"));
        QCOMPARE(screen->editCompanyName->text(), QStringLiteral("Valley Meals"));
        // The data module reads the name the screen copied in.
        QCOMPARE(org.module->tblCompany()->field(QStringLiteral("CompanyName")).toString(),
                 QStringLiteral("Valley Meals"));
        // The full year shows until the box is edited, then its two digits.
        QCOMPARE(screen->editFiscalYear->text(), QStringLiteral("2026"));
        screen->editFiscalYear->setFocus();
        QCOMPARE(screen->editFiscalYear->text(), QStringLiteral("26"));
        QCOMPARE(screen->cboClientInvoiceLineItems->currentText(),
                 QStringLiteral("Detailed by delivery date"));
        QCOMPARE(screen->cboFunderInvoicingMethod->currentText(),
                 QStringLiteral("One Invoice covering all clients"));
        QCOMPARE(screen->cboDefaultCurrency->currentText(), QStringLiteral("US $"));
        QVERIFY(!screen->isModified());
        QVERIFY(dialogs.texts().isEmpty());
    }

    void theKeyboardGoesThroughThePages_data() { testdb::addEngineRows(); }
    void theKeyboardGoesThroughThePages()
    {
        QFETCH(QString, engine);
        Organization org(engine);
        ScriptedDialogs dialogs;
        auto screen = show(org, dialogs);
        QCOMPARE(enter(), QStringLiteral("editAddressLine1"));
        QCOMPARE(enter(), QStringLiteral("editAddressLine2"));
        QCOMPARE(enter(), QStringLiteral("editPhone"));
        QCOMPARE(enter(), QStringLiteral("editTaxNo"));
        QTest::keyClicks(focused(), QStringLiteral("RT-88412"));
        QCOMPARE(enter(), QStringLiteral("editFiscalYear"));
        QTest::keyClicks(focused(), QStringLiteral("49"));
        QCOMPARE(enter(), QStringLiteral("spinDefaultPeriodPP"));
        QCOMPARE(screen->editFiscalYear->text(), QStringLiteral("2049"));
        QTest::keyClicks(focused(), QStringLiteral("11"));
        QCOMPARE(enter(), QStringLiteral("editDefaultPeriodYYYY"));
        QTest::keyClicks(focused(), QStringLiteral("26"));
        for (const char* next :
             {"spinWPeriodFromPP", "editWPeriodFromYYYY", "spinWPeriodToPP", "editWPeriodToYYYY",
              "spinEPeriodFromPP", "editEPeriodFromYYYY", "spinEPeriodToPP", "editEPeriodToYYYY"})
            QCOMPARE(enter(), QString::fromLatin1(next));
        QTest::keyClicks(focused(), QStringLiteral("50"));

        // The next page, from the keyboard.
        press(focused(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(screen->PageControl->currentIndex(), 1);
        QCOMPARE(screen->editEPeriodToYYYY->year(), 1950);
        screen->editDefaultNetDays->setFocus();
        screen->editDefaultNetDays->selectAll();
        QTest::keyClicks(focused(), QStringLiteral("15"));
        QCOMPARE(enter(), QStringLiteral("cboDefaultCurrency"));
        press(focused(), Qt::Key_Delete); // no default currency
        QCOMPARE(enter(), QStringLiteral("cboClientInvoiceLineItems"));
        press(focused(), Qt::Key_Up);
        for (const char* next :
             {"cboClientInvoiceFormat", "cboFunderInvoicingMethod", "cboFunderInvoiceLineItems",
              "cboFunderInvoiceFormat", "chkSuppressInvoiceWording", "chkSuppressPosting"})
            QCOMPARE(enter(), QString::fromLatin1(next));
        press(focused(), Qt::Key_Space);

        press(focused(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(screen->PageControl->currentIndex(), 2);
        screen->memoNotes->setFocus();
        QTest::keyClicks(screen->memoNotes, QStringLiteral("First line"));
        press(screen->memoNotes, Qt::Key_Return); // a new line in the notes, not the next box
        QTest::keyClicks(screen->memoNotes, QStringLiteral("Second line"));
        QCOMPARE(focused(), screen->memoNotes);

        QVERIFY(screen->isModified());
        QVERIFY(screen->btnOKClick());
        QVERIFY(!screen->isVisible());
        const CompanySettings stored = companysettings::read(org.db());
        QCOMPARE(stored.taxNo, QStringLiteral("RT-88412"));
        QCOMPARE(stored.fiscalYear, 2049);
        QCOMPARE(stored.defaultPeriod, (CompanyPeriod{2026, 11}));
        QCOMPARE(stored.errorTo.year, 1950);
        QCOMPARE(stored.defaultNetDays, 15);
        QCOMPARE(stored.defaultCurrencyId, std::nullopt);
        QCOMPARE(stored.clientInvoiceLineItems, QStringLiteral("S"));
        QVERIFY(stored.suppressPosting);
        QVERIFY(!stored.suppressInvoiceWording);
        QCOMPARE(stored.notes, QStringLiteral("First line\nSecond line"));
        QVERIFY(dialogs.texts().isEmpty());
    }

    void aRefusedYearKeepsTheCursor_data() { testdb::addEngineRows(); }
    void aRefusedYearKeepsTheCursor()
    {
        QFETCH(QString, engine);
        Organization org(engine);
        ScriptedDialogs dialogs;
        auto screen = show(org, dialogs);
        screen->editWPeriodToYYYY->setFocus();
        QTest::keyClicks(focused(), QStringLiteral("4a"));
        press(focused(), Qt::Key_Return);
        QTRY_COMPARE(dialogs.texts(),
                     QStringList{QStringLiteral("Warn After Period invalid...\rEnter year as 2 "
                                                "digits")});
        QCOMPARE(focused(), screen->editWPeriodToYYYY);
        QCOMPARE(screen->editWPeriodToYYYY->text(), QStringLiteral("4a"));

        // OK with the wrong year still typed says so again and stores nothing.
        screen->editTaxNo->setText(QStringLiteral("changed"));
        QVERIFY(!screen->btnOKClick());
        QCOMPARE(dialogs.texts().size(), 2);
        QCOMPARE(focused(), screen->editWPeriodToYYYY);
        QVERIFY(companysettings::read(org.db()).taxNo.isEmpty());

        // Put right, it is taken.
        screen->editWPeriodToYYYY->selectAll();
        QTest::keyClicks(focused(), QStringLiteral("27"));
        QCOMPARE(enter(), QStringLiteral("spinEPeriodFromPP"));
        QCOMPARE(screen->editWPeriodToYYYY->text(), QStringLiteral("2027"));
        QCOMPARE(dialogs.texts().size(), 2);
    }

    void okChecksTheNameThenTheFiscalYear_data() { testdb::addEngineRows(); }
    void okChecksTheNameThenTheFiscalYear()
    {
        QFETCH(QString, engine);
        Organization org(engine);
        org.db().exec(QStringLiteral("UPDATE Config SET Organizatn = NULL"));
        ScriptedDialogs dialogs;
        auto screen = show(org, dialogs);
        screen->editFiscalYear->setFocus();
        QTest::keyClicks(focused(), QStringLiteral("50"));
        QCOMPARE(enter(), QStringLiteral("spinDefaultPeriodPP"));
        QCOMPARE(screen->editFiscalYear->year(), 1950);

        QVERIFY(!screen->btnOKClick());
        QCOMPARE(dialogs.texts().value(0),
                 QStringLiteral("Field 'Company Name' must have a value"));
        QCOMPARE(focused(), screen->editCompanyName);
        QVERIFY(screen->isVisible());

        org.db().exec(QStringLiteral("UPDATE Config SET Organizatn = 'Valley Meals'"));
        screen->FormShow(); // the console brings it forward: the host's name again
        screen->editFiscalYear->setFocus();
        QTest::keyClicks(focused(), QStringLiteral("50"));
        QVERIFY(!screen->btnOKClick());
        QCOMPARE(dialogs.texts().value(1),
                 QStringLiteral("Fiscal Year must be between 1989 and 2050"));
        QCOMPARE(focused(), screen->editFiscalYear);
        QVERIFY(screen->isVisible());
        QCOMPARE(testdb::scalar(org.db(), QStringLiteral("SELECT FiscalYear FROM Company")),
                 QDate::currentDate().year());
    }

    void closingWithChangesAsks_data() { testdb::addEngineRows(); }
    void closingWithChangesAsks()
    {
        QFETCH(QString, engine);
        Organization org(engine);
        ScriptedDialogs dialogs({Dialogs::Cancel, Dialogs::No, Dialogs::Yes});
        auto screen = show(org, dialogs);
        screen->close(); // nothing changed: no question
        QVERIFY(!screen->isVisible());
        QVERIFY(dialogs.texts().isEmpty());

        screen->show();
        screen->editTaxNo->setText(QStringLiteral("T-1"));
        QVERIFY(!screen->close()); // Cancel keeps it open
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("Do you want to save changes?")});
        QVERIFY(screen->close()); // No drops the change
        QVERIFY(companysettings::read(org.db()).taxNo.isEmpty());
        QCOMPARE(screen->editTaxNo->text(), QString());

        screen->show();
        screen->chkSuppressInvoiceWording->setChecked(true);
        QVERIFY(screen->close()); // Yes saves as OK does
        QVERIFY(companysettings::read(org.db()).suppressInvoiceWording);
        QCOMPARE(dialogs.unusedAnswers(), 0);

        screen->show();
        screen->editTaxNo->setText(QStringLiteral("T-2"));
        screen->btnCancelClick();
        QVERIFY(!screen->isVisible());
        QVERIFY(companysettings::read(org.db()).taxNo.isEmpty());
    }

    void theNotesWrapOnRequest()
    {
        Organization org(QStringLiteral("sqlite"));
        ScriptedDialogs dialogs;
        auto screen = show(org, dialogs);
        QCOMPARE(screen->memoNotes->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        screen->mnuWordWrap->trigger();
        QCOMPARE(screen->memoNotes->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(screen->memoNotes->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        screen->mnuWordWrap->trigger();
        QCOMPARE(screen->memoNotes->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(screen->memoNotes->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    // Suppressing posting on the screen takes the posting, payment and statement actions away
    // from the console at once, and giving it back brings them back.
    void theConsoleFollowsTheSavedRecord_data() { testdb::addEngineRows(); }
    void theConsoleFollowsTheSavedRecord()
    {
        QFETCH(QString, engine);
        auto* org = new Organization(engine);
        ArProcess& process = arProcess();
        process.dataModule = org->module.release();
        process.lookups = org->lookups.release();
        QSignalSpy refreshed(process.dataModule, &TDataModuleARSystem::companyRefreshed);

        TFormARSystem console;
        for (QAction* a : {console.ActionPostInvoices, console.ActionEditPayments})
            console.wire(a, [] {});
        QMenu modules;
        console.SetMenu(&modules);
        ModalWatcher watcher;
        QList<bool> postingOffered;
        bool started = false;
        watcher.onDialog = [&](QDialog* d) {
            if (d != &console || started)
                return;
            started = true;
            QTimer::singleShot(0, &console, [&] {
                postingOffered << console.ActionPostInvoices->isEnabled();
                console.ActionEditOrganizationSetup->trigger();
                auto* screen = qobject_cast<TfrmCompany*>(findScreen(QStringLiteral("frmCompany")));
                QVERIFY(screen);
                screen->chkSuppressPosting->setChecked(true);
                screen->btnOKClick();
                postingOffered << console.ActionPostInvoices->isEnabled()
                               << console.ActionEditPayments->isEnabled();
                console.ActionEditOrganizationSetup->trigger();
                screen->chkSuppressPosting->setChecked(false);
                screen->btnOKClick();
                postingOffered << console.ActionPostInvoices->isEnabled();
                delete screen;
                console.accept();
            });
        };
        modules.actions().first()->trigger();
        QCOMPARE(postingOffered, (QList<bool>{true, false, false, true}));
        QVERIFY(refreshed.size() >= 2);
        QVERIFY(
            !process.dataModule->tblCompany()->field(QStringLiteral("SuppressPosting")).toBool());
        releaseArProcess(); // before the dialogs and folder the module was made with
        delete org;
    }
};

QTEST_MAIN(TestFrmCompany)
#include "test_frmcompany.moc"
