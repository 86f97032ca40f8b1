// tallywick generate --exceptions: the meal credits a run billed to no one written as a csv
// file, while the run itself (invoices, lines, history, what it prints) stays exactly what it is
// without the option. The list's own rules are tested in tests/billing on both engines.
#include "billing/unbilled.h"
#include "engine/connectionparams.h"
#include "engine/database.h"
#include "engine/statement.h"
#include "programrun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace
{

const QString kHeader = QStringLiteral(
    "Client_ID,Person_ID,Deliv_Dt,Item_ID,Meal_Item,Funding_Desc,Quantity,Reason,Detail");

// The fields of one csv line: quoted fields may hold commas and doubled quotes.
QStringList csvFields(const QString& line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == QLatin1Char('"') && i + 1 < line.size() &&
            line[i + 1] == QLatin1Char('"')) {
            field += c;
            ++i;
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (c == QLatin1Char(',') && !quoted) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    return fields << field;
}

QStringList fileLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class TestGenerateExceptions : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir scratch_;
    QString with_;
    QString without_;

    ProgramRun tallywick(const QStringList& args)
    {
        return runProgram(QStringLiteral(TALLYWICK_PATH), args,
                          environmentWithHome(scratch_.path()));
    }
    // March 2025 for the private payers only, so the funders' meals are left out.
    ProgramRun generate(const QString& data, const QStringList& more)
    {
        return tallywick(QStringList{"--user", "Ann", "--data", data, "generate", "--start",
                                     "2025-03-01", "--end", "2025-03-31", "--payers", "private",
                                     "--yes"} +
                         more);
    }
    // A sample month with its customers synchronized.
    QString makeSample(const QString& name)
    {
        const QString data = scratch_.filePath(name);
        const ProgramRun demo = tallywick({QStringLiteral("demo"), data,
                                           QStringLiteral("--clients"), QStringLiteral("20"),
                                           QStringLiteral("--period"), QStringLiteral("2025-03")});
        const ProgramRun sync = tallywick(
            {QStringLiteral("--data"), data, QStringLiteral("sync"), QStringLiteral("customers")});
        if (demo.exitCode != 0 || sync.exitCode != 0)
            qWarning("%s%s", qPrintable(demo.err), qPrintable(sync.err));
        return data;
    }
    // Everything a run writes, less the times it wrote it at.
    QStringList dump(const QString& data)
    {
        auto db = Database::open(
            ConnectionParams::sqlite(QDir(data).filePath(QStringLiteral("Hearthtable.db"))));
        QStringList rows;
        for (const char* sql :
             {"SELECT ARInvoiceID, InvoiceNo, CustomerID, CustomerType, Recip_ID, Description, "
              "InvoiceDate, InvoiceAmount FROM ARInv ORDER BY ARInvoiceID",
              "SELECT ARInvoiceID, Seq, Quantity, ItemID, UnitPrice, ItemOvDesc FROM ARInvDet "
              "ORDER BY ARInvoiceID, Seq",
              "SELECT Person_ID, Client_ID, Event, \"User\" FROM History ORDER BY Tran_Date, Event",
              "SELECT NextInvoiceID, NextInvoiceNo FROM ARInvCtl"}) {
            Statement s = db->query(QString::fromLatin1(sql));
            s.exec();
            while (s.next()) {
                QStringList values;
                for (int c = 0; c < s.record().count(); ++c)
                    values << s.value(c).toString();
                rows << values.join(QLatin1Char('|'));
            }
        }
        return rows;
    }
    qint64 invoiceCount(const QString& data)
    {
        return dump(data).filter(QStringLiteral("|C|")).size();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(scratch_.isValid());
        with_ = makeSample(QStringLiteral("with"));
        without_ = makeSample(QStringLiteral("without"));
        QCOMPARE(dump(with_), dump(without_));
    }

    void theRunIsTheSameWithTheFile()
    {
        const QString csv = scratch_.filePath(QStringLiteral("unbilled.csv"));
        const ProgramRun with = generate(with_, {QStringLiteral("--exceptions"), csv});
        const ProgramRun without = generate(without_, {});
        QVERIFY2(with.exitCode == 0, qPrintable(with.err));
        QVERIFY2(without.exitCode == 0, qPrintable(without.err));

        const QStringList rows = dump(with_);
        QVERIFY(rows.filter(QStringLiteral("AR invoice generated")).size() > 0);
        QCOMPARE(rows, dump(without_));
        QCOMPARE(with.err, without.err);
        static const QRegularExpression told(
            QStringLiteral("Unbilled deliveries: (\\d+) in (.*)\n"));
        const QRegularExpressionMatch m = told.match(with.out);
        QVERIFY2(m.hasMatch(), qPrintable(with.out));
        QCOMPARE(QString(with.out).remove(m.captured(0)), without.out);
        QCOMPARE(m.captured(2), QFileInfo(csv).absoluteFilePath());

        // One line per unbilled credit under the header; the funders' meals are among them.
        const QStringList lines = fileLines(csv);
        QCOMPARE(lines.value(0), kHeader);
        QCOMPARE(int(lines.size()) - 1, m.captured(1).toInt());
        QVERIFY(lines.size() > 1);
        QStringList reasons;
        for (const QString& line : lines.mid(1)) {
            const QStringList f = csvFields(line);
            QCOMPARE(f.size(), qsizetype(9));
            QVERIFY2(QDate::fromString(f[2], Qt::ISODate).isValid(), qPrintable(line));
            QVERIFY2(billing::unbilledReasonFromCode(f[7]).has_value(), qPrintable(line));
            QVERIFY(f[6].toInt() > 0);
            QVERIFY(!f[8].isEmpty());
            reasons << f[7];
        }
        QVERIFY2(reasons.contains(QStringLiteral("PAYER")), qPrintable(lines.join('\n')));
    }

    // A preview writes the file and nothing else.
    void previewWritesTheFile()
    {
        const QStringList before = dump(without_);
        const QString csv = scratch_.filePath(QStringLiteral("preview.csv"));
        const ProgramRun preview =
            generate(without_, {QStringLiteral("--preview"), QStringLiteral("--exceptions"), csv});
        QVERIFY2(preview.exitCode == 0, qPrintable(preview.err));
        QCOMPARE(dump(without_), before);
        const QStringList lines = fileLines(csv);
        QCOMPARE(lines.value(0), kHeader);
        QVERIFY(lines.size() > 1);
    }

    // The run's invoices stay; only the command fails, saying why.
    void unwritableFileFailsAfterTheRun()
    {
        const QString data = makeSample(QStringLiteral("unwritable"));
        const QString csv = scratch_.filePath(QStringLiteral("no-such-folder/unbilled.csv"));
        const ProgramRun r = generate(data, {QStringLiteral("--exceptions"), csv});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(
            r.err.contains(QStringLiteral("Could not write the unbilled deliveries to ") + csv),
            qPrintable(r.err));
        QVERIFY2(r.out.contains(QStringLiteral("Invoices written:")), qPrintable(r.out));
        QVERIFY(invoiceCount(data) > 0);
        QVERIFY(!QFile::exists(csv));
    }
};

QTEST_GUILESS_MAIN(TestGenerateExceptions)
#include "test_generateexceptions.moc"
