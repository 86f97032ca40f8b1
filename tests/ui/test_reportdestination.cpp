// "Report Option": the screen unless the printer is chosen, and Cancel as a refusal.
#include "reports/ui/formarreportdestination.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class TestReportDestination : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void looksAsTheUserKnowsIt()
    {
        TFormARReportDestination form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Report Option"));
        auto* group = form.findChild<QGroupBox*>();
        QVERIFY(group);
        QCOMPARE(group->title(), QStringLiteral("Select a Report Destination"));
        QCOMPARE(form.rbScreen->text(), QStringLiteral("&Screen"));
        QCOMPARE(form.rbPrinter->text(), QStringLiteral("&Printer"));
        QCOMPARE(form.btnOK->text(), QStringLiteral("&OK"));
        QCOMPARE(form.btnCancel->text(), QStringLiteral("&Cancel"));
    }

    void screenIsTheDefault()
    {
        TFormARReportDestination form;
        QVERIFY(form.rbScreen->isChecked());
        QCOMPARE(form.destination(), ReportDestination::Screen);
        form.show();
        QTest::keyClick(&form, Qt::Key_Return); // Enter is OK
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.destination(), ReportDestination::Screen);
    }

    void printerByClickAndByMnemonic()
    {
        TFormARReportDestination form;
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.rbPrinter->click();
        QCOMPARE(form.destination(), ReportDestination::Printer);
        form.rbScreen->click();
        QCOMPARE(form.destination(), ReportDestination::Screen);
        QTest::keyClick(&form, Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(form.destination(), ReportDestination::Printer); // a mnemonic clicks late
        form.btnOK->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }

    void cancelRefuses()
    {
        TFormARReportDestination form;
        form.show();
        form.rbPrinter->click();
        form.btnCancel->click();
        QCOMPARE(form.result(), int(QDialog::Rejected));
        TFormARReportDestination escaped;
        escaped.show();
        QTest::keyClick(&escaped, Qt::Key_Escape);
        QCOMPARE(escaped.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestReportDestination)
#include "test_reportdestination.moc"
