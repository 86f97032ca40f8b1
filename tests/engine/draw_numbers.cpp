// A second workstation for the counter tests: draws N numbers from a control table and prints
// each one on its own line; or, given "hold", holds the table (its whole-table lock and its
// control row) and says "held" until its standard input closes.
#include "engine/controlrow.h"
#include "engine/database.h"
#include "testdatabases.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        QTextStream(stderr)
            << "usage: draw_numbers sqlite:FILE|pg:KEYWORDS;schema=S COUNT|hold TABLE\n";
        return 2;
    }
    const ConnectionParams params = testdb::paramsFromChildArgument(args[1]);
    QTextStream out(stdout);
    try {
        auto db = Database::open(params);
        if (args[2] == QLatin1String("hold")) {
            if (!db->tryLockTable(args[3]))
                return 1;
            editControlRow(*db, args[3], [&](ControlRow&) {
                out << "held" << Qt::endl;
                QTextStream(stdin).readLine();
            });
            return 0;
        }
        const int count = args[2].toInt();
        for (int i = 0; i < count; ++i) {
            qint64 drawn = 0;
            editControlRow(*db, args[3], [&](ControlRow& row) {
                drawn = row.integer(QStringLiteral("NextInvoiceNo")).value_or(1);
                row.set(QStringLiteral("NextInvoiceNo"), drawn + 1);
            });
            out << drawn << '\n';
        }
    } catch (const std::exception& e) {
        QTextStream(stderr) << e.what() << '\n';
        return 1;
    }
    return 0;
}
