// The date box of the documents: display, two-digit-year entry and the "+" and "-" keys.
#include "common/formatsettings.h"
#include "common/ui/dateentry.h"

#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class TestDateEntry : public QObject
{
    Q_OBJECT
private:
    QWidget* form_ = nullptr;
    DateEntry* entry_ = nullptr;
    QLineEdit* other_ = nullptr;

private Q_SLOTS:
    void init()
    {
        setCurrentFormatSettings(FormatSettings::us());
        form_ = new QWidget;
        entry_ = new DateEntry(form_);
        other_ = new QLineEdit(form_);
        auto* layout = new QVBoxLayout(form_);
        layout->addWidget(entry_);
        layout->addWidget(other_);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_));
        other_->setFocus();
    }
    void cleanup() { delete form_; }

    void showsAndReadsTwoDigitYears()
    {
        entry_->setDate(QDate(2026, 12, 6));
        QCOMPARE(entry_->text(), QStringLiteral("06 Dec 26"));
        entry_->setFocus();
        QCOMPARE(entry_->text(), QStringLiteral("12/06/26"));
        QSignalSpy edited(entry_, &DateEntry::dateEdited);
        entry_->selectAll();
        QTest::keyClicks(entry_, QStringLiteral("022900"));
        other_->setFocus();
        QCOMPARE(entry_->date(), QDate(2000, 2, 29));
        QCOMPARE(entry_->text(), QStringLiteral("29 Feb 00"));
        QCOMPARE(edited.size(), 1);

        entry_->setFocus();
        entry_->selectAll();
        QTest::keyClicks(entry_, QStringLiteral("030145"));
        other_->setFocus();
        QCOMPARE(entry_->date(), QDate(2045, 3, 1));
    }

    void plusAndMinusMoveADay()
    {
        entry_->setFocus();
        QTest::keyClick(entry_, Qt::Key_Plus);
        QCOMPARE(entry_->date(), QDate::currentDate().addDays(1));
        QTest::keyClick(entry_, Qt::Key_Minus);
        QTest::keyClick(entry_, Qt::Key_Minus);
        QCOMPARE(entry_->date(), QDate::currentDate().addDays(-1));
        QCOMPARE(entry_->text(), DateEntry::editText(QDate::currentDate().addDays(-1)));
    }

    void aWrongDateKeepsTheFocus()
    {
        entry_->setDate(QDate(2026, 1, 15));
        entry_->setFocus();
        QSignalSpy invalid(entry_, &DateEntry::invalidDate);
        entry_->selectAll();
        QTest::keyClicks(entry_, QStringLiteral("134526"));
        other_->setFocus();
        QCOMPARE(invalid.size(), 1);
        QVERIFY(invalid.first().first().toString().contains(QStringLiteral("is not a valid date")));
        QCOMPARE(entry_->date(), QDate(2026, 1, 15));

        entry_->setFocus();
        entry_->selectAll();
        QTest::keyClick(entry_, Qt::Key_Delete);
        other_->setFocus();
        QVERIFY(!entry_->date().isValid()); // an emptied box clears the date
        QCOMPARE(entry_->text(), QString());
    }

    void dayFirstDesktops()
    {
        setCurrentFormatSettings(FormatSettings::dayMonthYear());
        entry_->setFocus();
        entry_->selectAll();
        QTest::keyClicks(entry_, QStringLiteral("290200"));
        other_->setFocus();
        QCOMPARE(entry_->date(), QDate(2000, 2, 29));
        setCurrentFormatSettings(FormatSettings::us());
    }
};

QTEST_MAIN(TestDateEntry)
#include "test_dateentry.moc"
