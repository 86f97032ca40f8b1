// Export Statements to Mail-Merge File, offscreen: the choices remembered in Hearthtable.ini
// from one showing to the next, OK only with a file named, the period kept in order, and OK
// writing the file or naming one it cannot write.
#include "arworld.h"
#include "common/ui/dateentry.h"
#include "data/screensettings.h"
#include "reports/statements/statementexport.h"
#include "reports/statements/ui/formexportstatements.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

class TestExportStatements : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rememberedChoices_data() { testdb::addEngineRows(); }
    void rememberedChoices()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        QTemporaryDir folder;
        {
            TFormExportStatements screen(*db, folder.path());
            screen.show();
            // The defaults of a first showing.
            QCOMPARE(screen.EditDataFileName->text(), QString());
            QVERIFY(!screen.ButtonOK->isEnabled());
            QCOMPARE(screen.ComboBoxCustomerType->currentIndex(), 2);
            QCOMPARE(screen.wwDBSpinEditMaxStatements->value(), 1);
            QCOMPARE(screen.ComboBoxExportType->currentIndex(), 1);
            QVERIFY(!screen.ComboBoxExportType->isEnabled());

            screen.EditDataFileName->setText(QStringLiteral("   "));
            QVERIFY(!screen.ButtonOK->isEnabled());
            screen.EditDataFileName->setText(QStringLiteral("/tmp/statements.txt"));
            QVERIFY(screen.ButtonOK->isEnabled());
            screen.EditStatementDescription->setText(QStringLiteral("Meals delivered"));
            screen.ComboBoxCustomerType->setCurrentIndex(1);
            screen.wwDBSpinEditMaxStatements->setValue(3);
            screen.ButtonClose->click();
        }
        const ScreenSettings ini(folder.path());
        const QString section = QStringLiteral("ExportARStatements");
        QCOMPARE(ini.read(section, QStringLiteral("DataFileName"), {}),
                 QStringLiteral("/tmp/statements.txt"));
        QCOMPARE(ini.read(section, QStringLiteral("EditStatementDescription"), {}),
                 QStringLiteral("Meals delivered"));
        QCOMPARE(ini.read(section, QStringLiteral("ComboBoxCustomerType"), {}),
                 QStringLiteral("1"));
        QCOMPARE(ini.read(section, QStringLiteral("wwDBSpinEditMaxStatements"), {}),
                 QStringLiteral("3"));
        QCOMPARE(ini.read(section, QStringLiteral("ComboBoxExportType"), {}), QStringLiteral("1"));

        TFormExportStatements again(*db, folder.path());
        again.show();
        QCOMPARE(again.EditDataFileName->text(), QStringLiteral("/tmp/statements.txt"));
        QCOMPARE(again.EditStatementDescription->text(), QStringLiteral("Meals delivered"));
        QCOMPARE(again.ComboBoxCustomerType->currentIndex(), 1);
        QCOMPARE(again.wwDBSpinEditMaxStatements->value(), 3);
        again.close();

        // A value the screen cannot show reads as the default.
        ScreenSettings edited(folder.path());
        edited.write(section, QStringLiteral("wwDBSpinEditMaxStatements"), QStringLiteral("99"));
        edited.write(section, QStringLiteral("ComboBoxCustomerType"), QStringLiteral("x"));
        TFormExportStatements third(*db, folder.path());
        third.show();
        QCOMPARE(third.wwDBSpinEditMaxStatements->value(), 1);
        QCOMPARE(third.ComboBoxCustomerType->currentIndex(), 2);
        third.close();
    }

    // The period shown runs over last month and the eleven before, and moving one end past the
    // other brings the other along.
    void periodStaysInOrder()
    {
        auto db = testdb::fresh(QStringLiteral("sqlite"));
        QTemporaryDir folder;
        TFormExportStatements screen(*db, folder.path());
        screen.show();
        const QDate firstOfMonth(QDate::currentDate().year(), QDate::currentDate().month(), 1);
        QCOMPARE(screen.wwDBDateTimePickerEnd->date(), firstOfMonth.addDays(-1));
        QCOMPARE(screen.wwDBDateTimePickerStart->date(), firstOfMonth.addMonths(-13));
        const QDate later = screen.wwDBDateTimePickerEnd->date().addDays(5);
        screen.wwDBDateTimePickerStart->setDate(later);
        Q_EMIT screen.wwDBDateTimePickerStart->dateEdited(later);
        QCOMPARE(screen.wwDBDateTimePickerEnd->date(), later);
        const QDate earlier(2020, 1, 1);
        screen.wwDBDateTimePickerEnd->setDate(earlier);
        Q_EMIT screen.wwDBDateTimePickerEnd->dateEdited(earlier);
        QCOMPARE(screen.wwDBDateTimePickerStart->date(), earlier);
        screen.close();
    }

    // OK writes the file and says so; a file it cannot write is named in the message and not
    // left behind.
    void okWritesOrNamesTheFile_data() { testdb::addEngineRows(); }
    void okWritesOrNamesTheFile()
    {
        QFETCH(QString, engine);
        auto db = testdb::fresh(engine);
        arworld::createTables(*db);
        arworld::addCustomer(*db, 1, QStringLiteral("7"), QStringLiteral("Ortiz"),
                             QStringLiteral("C"));
        arworld::addBalance(*db, 1, 10000);
        QTemporaryDir folder;
        TFormExportStatements screen(*db, folder.path());
        ScriptedDialogs dialogs;
        screen.setDialogs(&dialogs);
        screen.show();

        const QString path = folder.filePath(QStringLiteral("statements.txt"));
        screen.EditDataFileName->setText(path);
        screen.ButtonOK->click();
        QCOMPARE(dialogs.texts(), QStringList{statements::kExportFinished});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count("\r\n"), 2);
        QVERIFY(screen.isVisible()); // open for another export

        const QString unwritable = folder.filePath(QStringLiteral("missing/statements.txt"));
        screen.EditDataFileName->setText(unwritable);
        screen.ButtonOK->click();
        QCOMPARE(dialogs.shown().size(), 2);
        QCOMPARE(dialogs.shown().last().kind, Dialogs::Kind::Error);
        QVERIFY2(dialogs.shown().last().text.startsWith(
                     QStringLiteral("The mail-merge file was not written.\r\n")),
                 qPrintable(dialogs.shown().last().text));
        QVERIFY(dialogs.shown().last().text.contains(unwritable));
        QVERIFY(!QFile::exists(unwritable));
        screen.close();
    }
};

QTEST_MAIN(TestExportStatements)
#include "test_exportstatements.moc"
