// Reset Selected Balances, offscreen: Reset is enabled only when the choice is complete, the
// lookup shows only for the selected account, the choice is remembered in Hearthtable.ini, and
// Reset clears the chosen customer after the question is answered Yes.
#include "close/customerlookuprows.h"
#include "close/ui/customerlookupdialog.h"
#include "close/ui/formresetbalances.h"
#include "data/screensettings.h"
#include "engine/database.h"
#include "resetledger.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace
{

CustomerLookupRow customerNo(Database& db, const QString& number)
{
    for (const CustomerLookupRow& row : customerLookupRows(db)) {
        if (row.customerNo == number)
            return row;
    }
    return {};
}

} // namespace

class TestResetBalances : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void enablingAndRememberedChoice_data() { testdb::addEngineRows(); }
    void enablingAndRememberedChoice()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        resetledger::create(*db);
        QTemporaryDir folder;
        {
            TFormResetBalances screen(*db, folder.path());
            screen.show();
            QCOMPARE(screen.windowTitle(), QStringLiteral("Reset Selected Balances"));
            // First use: nothing chosen, nothing to reset.
            QCOMPARE(screen.RzComboBoxCandidates->currentIndex(), -1);
            QVERIFY(!screen.ButtonReset->isEnabled());
            QVERIFY(!screen.wwDBLookupComboDlgSelectedCandidate->isVisible());

            screen.RzComboBoxCandidates->setCurrentIndex(0);
            QVERIFY(screen.ButtonReset->isEnabled());
            QVERIFY(!screen.LabelSelectedCandidate->isVisible());

            screen.RzComboBoxCandidates->setCurrentIndex(3);
            QVERIFY(screen.LabelSelectedCandidate->isVisible());
            QVERIFY(screen.wwDBLookupComboDlgSelectedCandidate->isVisible());
            QVERIFY(!screen.ButtonReset->isEnabled());
            screen.chooseCustomer(customerNo(*db, QStringLiteral("1002")));
            QCOMPARE(screen.wwDBLookupComboDlgSelectedCandidate->text(),
                     QStringLiteral("Customer 1002"));
            QVERIFY(screen.ButtonReset->isEnabled());

            // Leaving the selected account hides the lookup; coming back keeps the customer.
            screen.RzComboBoxCandidates->setCurrentIndex(4);
            QVERIFY(!screen.wwDBLookupComboDlgSelectedCandidate->isVisible());
            QVERIFY(screen.ButtonReset->isEnabled());
            screen.RzComboBoxCandidates->setCurrentIndex(3);
            QVERIFY(screen.ButtonReset->isEnabled());
            screen.ButtonClose->click();
        }
        const ScreenSettings ini(folder.path());
        QCOMPARE(ini.read(QStringLiteral("FormResetBalances"),
                          QStringLiteral("RzComboBoxCandidates"), {}),
                 QStringLiteral("3"));
        TFormResetBalances again(*db, folder.path());
        again.show();
        QCOMPARE(again.RzComboBoxCandidates->currentText(),
                 QStringLiteral("Selected Account Balance"));
        QVERIFY(!again.ButtonReset->isEnabled()); // the customer is not remembered
        again.close();
    }

    void resetChosenCustomer_data() { testdb::addEngineRows(); }
    void resetChosenCustomer()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        resetledger::create(*db);
        QTemporaryDir folder;
        TFormResetBalances screen(*db, folder.path());
        ScriptedDialogs dialogs({Dialogs::No, Dialogs::Yes});
        screen.setDialogs(&dialogs);
        screen.show();
        screen.RzComboBoxCandidates->setCurrentIndex(3);
        screen.chooseCustomer(customerNo(*db, QStringLiteral("1002")));
        const resetledger::Standing before = resetledger::standing(*db);
        QTest::mouseClick(screen.ButtonReset, Qt::LeftButton);
        QCOMPARE(resetledger::standing(*db), before);
        QTest::mouseClick(screen.ButtonReset, Qt::LeftButton);
        QCOMPARE(dialogs.texts().size(), 3);
        QCOMPARE(dialogs.texts().last(),
                 QStringLiteral("Successfully reset the selected balances."));
        const resetledger::Standing after = resetledger::standing(*db);
        QCOMPARE(after.owing, QList<qint64>({30, 80, 0, 40, 15, 0}));
        QCOMPARE(after.balance, QList<qint64>({110, 0, 40, 0}));
        screen.close();
    }

    void lookupColumns_data() { testdb::addEngineRows(); }
    void lookupColumns()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        resetledger::create(*db);
        db->exec(QStringLiteral("UPDATE Customer SET ShipToName = 'Ada' WHERE CustomerID = 2"));
        TResetCustomerLookup lookup(customerLookupRows(*db), 2);
        QCOMPARE(lookup.windowTitle(), QStringLiteral("Lookup"));
        QStringList titles;
        for (int column = 0; column < lookup.grid->columnCount(); ++column)
            titles << lookup.grid->horizontalHeaderItem(column)->text();
        QCOMPARE(titles, QStringList({QStringLiteral("ID"), QStringLiteral("Bill-To"),
                                      QStringLiteral("Client")}));
        QCOMPARE(lookup.grid->rowCount(), 4);
        // The current customer is the one picked when the dialog opens.
        QCOMPARE(lookup.chosen()->customerNo, QStringLiteral("1002"));
        QCOMPARE(lookup.chosen()->shipToName, QStringLiteral("Ada"));
    }
};

QTEST_MAIN(TestResetBalances)
#include "test_resetbalances.moc"
