// Renders every screen offscreen into PNG files, for review: `tallywick-screenshots FOLDER`.
// Each screen is filled with believable values, as a bookkeeper would see it.
#include "data/registry.h"
#include "data/schemacreation.h"
#include "data/ui/registryeditor.h"
#include "engine/database.h"
#include "host/sampledata.h"
#include "host/ui/hostwindow.h"
#include "masterdata/ui/itemsearch.h"
#include "plugin/ui/aboutbox.h"
#include "plugin/ui/armessagebox.h"
#include "plugin/ui/formarsystem.h"
#include "plugin/ui/messageboxdialogs.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>

namespace
{

struct Shot {
    QString file;
    std::function<QWidget*()> make;
};

bool save(QWidget* widget, const QString& path)
{
    if (!widget->testAttribute(Qt::WA_Resized))
        widget->adjustSize();
    widget->show();
    QApplication::processEvents();
    const bool ok = widget->grab().save(path);
    widget->hide();
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Hearthtable"));
    const QStringList args = QApplication::arguments();
    QTextStream err(stderr);
    if (args.size() != 2) {
        err << "usage: tallywick-screenshots FOLDER\n";
        return 2;
    }
    const QDir folder(args[1]);
    if (!QDir().mkpath(folder.path())) {
        err << "cannot create " << folder.path() << "\n";
        return 1;
    }

    MemoryRegistry registry;
    registry.write(reg::Mode, reg::ValueName, QStringLiteral("C"));
    registry.write(reg::Alias, reg::ValueName, QStringLiteral("/srv/hearthtable/shared"));
    registry.write(reg::ServerIP, reg::ValueName, QStringLiteral("192.168.10.20"));
    registry.write(reg::Connection, reg::ValueName, QStringLiteral("LAN"));
    setProcessRegistry(&registry);
    MessageBoxDialogs dialogs;

    // A small meal program with the AR tables beside it, for the screens that show data.
    QTemporaryDir data;
    auto db = Database::open(
        ConnectionParams::sqlite(QDir(data.path()).filePath(QStringLiteral("Hearthtable.db"))));
    SampleDataOptions sample;
    sample.periodStart = QDate(2026, 11, 1);
    generateSampleData(*db, sample);
    createOrUpgradeSchema(*db, dialogs);

    const QList<Shot> shots{
        {QStringLiteral("host-window.png"),
         [] { return new HearthtableWindow(QStringLiteral("marta"), QString()); }},
        {QStringLiteral("console.png"),
         [] {
             auto* console = new TFormARSystem;
             console->StatusPane1->setText(QStringLiteral("Synchronizing items"));
             console->StatusProgressBar->setValue(60);
             return console;
         }},
        {QStringLiteral("about-box.png"), [] { return new TFormAboutARSystem; }},
        {QStringLiteral("progress-window.png"),
         [] {
             auto* box = new TFormARMessageBox;
             box->RzProgressBarSaveStatus->setValue(42);
             box->LabelRecordCount->setText(QStringLiteral("Total Clients: 84"));
             return box;
         }},
        {QStringLiteral("data-options-client-server.png"),
         [&] { return new TFormRegistryEditor(dialogs); }},
        {QStringLiteral("data-options-file-server.png"),
         [&] {
             auto* editor = new TFormRegistryEditor(dialogs);
             editor->show();
             editor->findChild<QRadioButton*>(QStringLiteral("rbFileServer"))->click();
             return editor;
         }},
        {QStringLiteral("item-search.png"),
         [&] {
             auto* search = new TfrmItemSearch(*db);
             search->setCurrentItem(3);
             return search;
         }},
    };
    int failures = 0;
    for (const Shot& shot : shots) {
        QWidget* widget = shot.make();
        const QString path = folder.filePath(shot.file);
        if (save(widget, path)) {
            QTextStream(stdout) << path << "\n";
        } else {
            err << "could not write " << path << "\n";
            ++failures;
        }
        delete widget;
    }
    setProcessRegistry(nullptr);
    return failures == 0 ? 0 : 1;
}
