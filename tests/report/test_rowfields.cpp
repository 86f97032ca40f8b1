// A report row's fields: found in any spelling of their names, and rows made from one blank row
// that stay apart when one of them gains a field.
#include "report/row.h"

#include <QtTest>

using namespace report;

class TestRowFields : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fieldsAreFoundWhateverTheCaseOfTheName()
    {
        Row row(QStringList{QStringLiteral("CustomerNo"), QStringLiteral("Owing")});
        row.set(QStringLiteral("customerno"), QStringLiteral("C001"));
        row.set(QStringLiteral("OWING"), qint64(125000));

        QCOMPARE(row.value(QStringLiteral("CustomerNo")).toString(), QStringLiteral("C001"));
        QCOMPARE(row.value(QStringLiteral("CUSTOMERNO")).toString(), QStringLiteral("C001"));
        QCOMPARE(row.value(QStringLiteral("owing")).toLongLong(), qint64(125000));
        QVERIFY(row.has(QStringLiteral("cUsToMeRnO")));
        // Setting a field in another spelling changes it rather than adding a second one.
        QCOMPARE(row.fields(),
                 (QStringList{QStringLiteral("customerno"), QStringLiteral("owing")}));
    }

    void anUnknownFieldHasNoValue()
    {
        Row row(QStringList{QStringLiteral("Owing")});
        QVERIFY(!row.has(QStringLiteral("Owin")));
        QVERIFY(!row.has(QStringLiteral("OwingX")));
        QVERIFY(!row.value(QStringLiteral("Age")).isValid());
        QVERIFY(!Row().value(QStringLiteral("Owing")).isValid());
    }

    void lettersBeyondPlainOnesAlsoMatchInEitherCase()
    {
        Row row;
        row.set(QStringLiteral("Größe"), 3);
        row.set(QStringLiteral("Amount_1"), 2);
        QCOMPARE(row.value(QStringLiteral("GRÖßE")).toInt(), 3);
        QCOMPARE(row.value(QStringLiteral("amount_1")).toInt(), 2);
        QVERIFY(!row.has(QStringLiteral("Amount1")));
    }

    void rowsCopiedFromOneBlankKeepTheirOwnFields()
    {
        const Row blank(QStringList{QStringLiteral("Name")});
        Row first = blank;
        Row second = blank;
        first.set(QStringLiteral("Name"), QStringLiteral("Ada"));
        second.set(QStringLiteral("Name"), QStringLiteral("Bo"));
        second.set(QStringLiteral("Extra"), QStringLiteral("only here"));

        QCOMPARE(first.value(QStringLiteral("name")).toString(), QStringLiteral("Ada"));
        QCOMPARE(second.value(QStringLiteral("name")).toString(), QStringLiteral("Bo"));
        QVERIFY(second.has(QStringLiteral("extra")));
        QVERIFY(!first.has(QStringLiteral("extra")));
        QVERIFY(!blank.has(QStringLiteral("extra")));
        QCOMPARE(blank.fields(), QStringList{QStringLiteral("name")});
    }
};

QTEST_APPLESS_MAIN(TestRowFields)
#include "test_rowfields.moc"
