#include "host/ui/hostwindow.h"

#include "common/ui/messageboxdialogs.h"
#include "data/ui/registryeditor.h"

#include <QApplication>
#include <QJsonObject>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>

HearthtableWindow::HearthtableWindow(const QString& userName, const QString& dataDirectoryOverride,
                                     QWidget* parent)
    : QMainWindow(parent), userName_(userName), dataDirectoryOverride_(dataDirectoryOverride)
{
    setObjectName(QStringLiteral("HearthtableWindow"));
    quit = [] { QCoreApplication::exit(1); };
    setWindowTitle(QStringLiteral("Hearthtable"));
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* options = file->addAction(QStringLiteral("Data &Options..."));
    options->setObjectName(QStringLiteral("mnuDataOptions"));
    connect(options, &QAction::triggered, this, &HearthtableWindow::showDataOptions);
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    modulesMenu_ = menuBar()->addMenu(QStringLiteral("&Modules"));
    modulesMenu_->setObjectName(QStringLiteral("mnuModules"));

    auto* welcome = new QLabel(
        QStringLiteral(
            "Hearthtable\n\nHome-delivered meals.\nChoose Modules \u2192 Tallywick for billing."),
        this);
    welcome->setAlignment(Qt::AlignCenter);
    setCentralWidget(welcome);
    resize(640, 420);
}

HearthtableWindow::~HearthtableWindow()
{
    delete moduleObject_;
}

bool HearthtableWindow::loadPlugIn(const QString& fileName)
{
    loader_.setFileName(fileName);
    QObject* package = loader_.instance();
    auto* factory = qobject_cast<IPlugInPackage*>(package);
    if (!factory) {
        loadError_ = loader_.errorString();
        return false;
    }
    const QString className = loader_.metaData()
                                  .value(QStringLiteral("MetaData"))
                                  .toObject()
                                  .value(QStringLiteral("description"))
                                  .toString();
    moduleObject_ = factory->CreateInstance(className, this);
    module_ = qobject_cast<IPlugInModule*>(moduleObject_);
    if (!module_) {
        loadError_ = QStringLiteral("The package does not offer the class %1.").arg(className);
        return false;
    }
    module_->Init(this);
    module_->SetMenu(modulesMenu_);
    return true;
}

QString HearthtableWindow::GetCurrentUserName()
{
    ++userNameRequests_;
    return userName_;
}

void HearthtableWindow::TerminateApplication()
{
    terminationRequested_ = true;
    // After the message the plug-in showed, once control is back in the host's event loop.
    QTimer::singleShot(0, this, [this] { quit(); });
}

void HearthtableWindow::showDataOptions()
{
    MessageBoxDialogs dialogs(this);
    TFormRegistryEditor editor(dialogs, this);
    editor.exec();
}
