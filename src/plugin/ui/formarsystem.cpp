#include "plugin/ui/formarsystem.h"

#include "billing/ui/formgenerateinvoices.h"
#include "common/access.h"
#include "common/ui/arrowcursordialogs.h"
#include "common/ui/fontfactor.h"
#include "data/datamodule.h"
#include "data/lookups.h"
#include "data/registry.h"
#include "data/reportoutput.h"
#include "masterdata/codetables/codetables.h"
#include "masterdata/ui/frmcodelist.h"
#include "plugin/consolestartup.h"
#include "plugin/ui/aboutbox.h"
#include "plugin/ui/arprocess.h"
#include "plugin/ui/codetablescreens.h"
#include "plugin/ui/companysetup.h"
#include "plugin/ui/consoleprinting.h"
#include "plugin/ui/customerlist.h"
#include "plugin/ui/invoiceregister.h"
#include "plugin/ui/paymentregister.h"
#include "plugin/ui/phonedialer.h"
#include "plugin/ui/reportmenu.h"
#include "plugin/ui/resetbalances.h"
#include "plugin/ui/screenregistry.h"
#include "report/ui/outputdevice.h"
#include "reports/statements/ui/formexportstatements.h"
#include "sync/customersync.h"
#include "sync/itemsync.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

namespace
{

// Settings for this run only (the host's --data), in front of the user's own.
void installHostOverride(QWidget* hostWindow)
{
    auto* services = qobject_cast<IHostServices*>(hostWindow);
    const QString directory = services ? services->GetDataDirectoryOverride() : QString();
    if (directory.isEmpty())
        return;
    MemoryRegistry overrides;
    overrides.write(reg::Mode, reg::ValueName, QStringLiteral("F"));
    overrides.write(reg::Alias, reg::ValueName, directory);
    static std::unique_ptr<OverlayRegistry> overlay;
    setProcessRegistry(nullptr); // the new overrides sit in front of the user's own settings
    overlay = std::make_unique<OverlayRegistry>(processRegistry(), std::move(overrides));
    setProcessRegistry(overlay.get());
}

// The four actions that suppressed posting takes away.
bool affectedBySuppressedPosting(const QString& name)
{
    return name == QLatin1String("ActionPostInvoices") ||
           name == QLatin1String("ActionEditPayments") ||
           name == QLatin1String("ActionPostPayments") ||
           name == QLatin1String("ActionPrintStatements");
}

// Runs a synchronization on the module's database with the hourglass cursor, its messages in
// message boxes and its progress in the status bar.
void synchronizeWith(TFormARSystem& console,
                     SyncReport (*synchronize)(Database&, Dialogs&, Progress&))
{
    TDataModuleARSystem* module = arProcess().dataModule;
    if (!module)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ArrowCursorDialogs dialogs(console.dialogs());
    synchronize(module->database(), dialogs, console.progress());
    QGuiApplication::restoreOverrideCursor();
}

// The generation screen runs the console's own synchronizations when a run asks for them.
void openGenerateInvoices(TFormARSystem& console)
{
    TDataModuleARSystem* module = arProcess().dataModule;
    if (!module)
        return;
    openOrBringForward(QStringLiteral("FormGenerateInvoices"), [&] {
        auto* screen = new TFormGenerateInvoices(*module, &console);
        QObject::connect(screen->ActionSynchronizeClients, &QAction::triggered,
                         console.ActionSynchronizeClients, &QAction::trigger);
        QObject::connect(screen->ActionSynchronizeItems, &QAction::triggered,
                         console.ActionSynchronizeItems, &QAction::trigger);
        return screen;
    });
}

} // namespace

TFormARSystem::TFormARSystem(QWidget* parent) : QDialog(parent), dialogs_(this)
{
    setObjectName(QStringLiteral("FormARSystem"));
    setWindowTitle(QStringLiteral("Hearthtable Tallywick"));
    openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    buildActions();
    buildMenu();
    buildButtons();
    FormCreate();
    updateActionStates();
}

TFormARSystem::~TFormARSystem() = default;

void TFormARSystem::FormCreate()
{
    move(0, 0);
    setFontFactorFrom(this);
}

QAction* TFormARSystem::action(const QString& name, const QString& caption)
{
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, [this, a] {
        const auto handler = handlers_.value(a);
        if (handler)
            handler();
    });
    return a;
}

void TFormARSystem::buildActions()
{
    ActionSynchronizeClients =
        action(QStringLiteral("ActionSynchronizeClients"), QStringLiteral("Synchronize Clients"));
    ActionSynchronizeItems =
        action(QStringLiteral("ActionSynchronizeItems"), QStringLiteral("Synchronize Items"));
    ActionEditCustomers =
        action(QStringLiteral("ActionEditCustomers"), QStringLiteral("Edit Clients/Customers"));
    ActionEditInvoices =
        action(QStringLiteral("ActionEditInvoices"), QStringLiteral("Edit Invoices"));
    ActionEditPayments =
        action(QStringLiteral("ActionEditPayments"), QStringLiteral("Edit Payments"));
    ActionEditItems = action(QStringLiteral("ActionEditItems"), QStringLiteral("Edit Items"));
    ActionEditTaxes = action(QStringLiteral("ActionEditTaxes"), QStringLiteral("Edit Taxes"));
    ActionEditLocations =
        action(QStringLiteral("ActionEditLocations"), QStringLiteral("Edit Locations"));
    ActionEditOrganizationSetup = action(QStringLiteral("ActionEditOrganizationSetup"),
                                         QStringLiteral("Edit Organization Setup"));
    ActionGenerateInvoices =
        action(QStringLiteral("ActionGenerateInvoices"), QStringLiteral("Generate Invoices"));
    ActionEditBanks = action(QStringLiteral("ActionEditBanks"), QStringLiteral("Edit Banks"));
    ActionEditCurrencies =
        action(QStringLiteral("ActionEditCurrencies"), QStringLiteral("Edit Currencies"));
    ActionEditItemTypes =
        action(QStringLiteral("ActionEditItemTypes"), QStringLiteral("Edit Item Types"));
    ActionEditInvoicePrintSetup = action(QStringLiteral("ActionEditInvoicePrintSetup"),
                                         QStringLiteral("Edit Invoice Print Setup"));
    ActionPostInvoices =
        action(QStringLiteral("ActionPostInvoices"), QStringLiteral("Post Invoices..."));
    ActionPostPayments =
        action(QStringLiteral("ActionPostPayments"), QStringLiteral("Post Payments..."));
    ActionPrintInvoices =
        action(QStringLiteral("ActionPrintInvoices"), QStringLiteral("Print Invoices..."));
    ActionPrintStatements = action(QStringLiteral("ActionPrintStatements"),
                                   QStringLiteral("Print Statements / Reports..."));
    ActionPrintPayments =
        action(QStringLiteral("ActionPrintPayments"), QStringLiteral("Print Payments"));
    mnuExportStatements =
        action(QStringLiteral("mnuExportStatements"), QStringLiteral("Statements"));
    mnuResetBalances = action(QStringLiteral("mnuResetBalances"), QStringLiteral("Reset Balances"));
    mnuReport1 = action(QStringLiteral("mnuReport1"), QStringLiteral("Report 1"));
    mnuReport2 = action(QStringLiteral("mnuReport2"), QStringLiteral("Report 2"));
    mnuHelpTopics = action(QStringLiteral("mnuHelpTopics"), QStringLiteral("Help Topics"));
    mnuAbout = action(QStringLiteral("mnuAbout"), QStringLiteral("About"));
    wire(ActionSynchronizeClients, [this] { synchronizeWith(*this, synchronizeCustomers); });
    wire(ActionSynchronizeItems, [this] { synchronizeWith(*this, synchronizeItems); });
    wire(ActionGenerateInvoices, [this] { openGenerateInvoices(*this); });
    wire(ActionEditInvoices, [this] { openInvoiceRegister(this); });
    wire(ActionPrintInvoices, [this] { printUnprintedInvoices(this); });
    wire(ActionEditInvoicePrintSetup, [this] { editInvoicePrintSetup(this); });
    wire(ActionPostInvoices, [this] { postFromInvoiceRegister(this); });
    wire(mnuReport1, [this] { printUserDefinedReport(this, 1); });
    wire(mnuReport2, [this] { printUserDefinedReport(this, 2); });
    wire(mnuExportStatements, [this] {
        if (TDataModuleARSystem* module = arProcess().dataModule) {
            TFormExportStatements exportStatements(module->database(), module->databaseDirectory(),
                                                   this);
            exportStatements.exec();
        }
    });
    wire(mnuHelpTopics, [this] { ShowHelpTopics(); });
    wire(mnuAbout, [this] { ShowAbout(); });
    wire(ActionEditPayments, [this] { openPaymentRegister(this); });
    wire(ActionPostPayments, [this] { postFromPaymentRegister(this); });
    wire(ActionPrintPayments, [this] { printPaymentList(this); });
    wire(ActionPrintStatements, [this] { openReportMenu(this); });
    wire(mnuResetBalances, [] { openResetBalances(); });
    wire(ActionEditCustomers, [this] { openCustomerList(this); });
    wire(ActionEditOrganizationSetup, [this] { openCompanySetup(this); });
    wire(ActionEditBanks, [] { openCodeTableList(codetables::banks()); });
    wire(ActionEditCurrencies, [] { openCodeTableList(codetables::currencies()); });
    wire(ActionEditItems, [] { openItemList(); });
    wire(ActionEditLocations, [] { openCodeTableList(codetables::locations()); });
    wire(ActionEditTaxes, [] { openCodeTableList(codetables::taxes()); });
    wire(ActionEditItemTypes, [] {
        if (auto* list = qobject_cast<TfrmCodeList*>(openCodeTableList(codetables::itemTypes())))
            list->grid->selectRow(0);
    });
}

QAction* TFormARSystem::menuEntry(QMenu* menu, const QString& caption, QAction* target)
{
    QAction* entry = menu->addAction(caption);
    entry->setObjectName(QStringLiteral("mnu_") + target->objectName());
    connect(entry, &QAction::triggered, target, &QAction::trigger);
    auto follow = [entry, target] { entry->setEnabled(target->isEnabled()); };
    connect(target, &QAction::changed, entry, follow);
    follow();
    return entry;
}

void TFormARSystem::buildMenu()
{
    MainMenu = new QMenuBar(this);
    MainMenu->setObjectName(QStringLiteral("MainMenu"));
    QMenu* file = MainMenu->addMenu(QStringLiteral("&File"));
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, [this] { btnClose->click(); });

    QMenu* edit = MainMenu->addMenu(QStringLiteral("&Edit"));
    menuEntry(edit, QStringLiteral("Clients/Funders"), ActionEditCustomers);
    menuEntry(edit, QStringLiteral("Invoices"), ActionEditInvoices);
    menuEntry(edit, QStringLiteral("Payments"), ActionEditPayments);
    QMenu* other = edit->addMenu(QStringLiteral("&Other"));
    menuEntry(other, QStringLiteral("Organization Setup"), ActionEditOrganizationSetup);
    menuEntry(other, QStringLiteral("Invoice Print Setup"), ActionEditInvoicePrintSetup);
    other->addSeparator();
    menuEntry(other, QStringLiteral("Banks"), ActionEditBanks);
    menuEntry(other, QStringLiteral("Currencies"), ActionEditCurrencies);
    menuEntry(other, QStringLiteral("Items"), ActionEditItems);
    menuEntry(other, QStringLiteral("Locations"), ActionEditLocations);
    menuEntry(other, QStringLiteral("Taxes"), ActionEditTaxes);

    QMenu* print = MainMenu->addMenu(QStringLiteral("&Print"));
    menuEntry(print, QStringLiteral("Unprinted Invoices"), ActionPrintInvoices);
    menuEntry(print, QStringLiteral("Statements and Reports"), ActionPrintStatements);
    QMenu* userDefined = print->addMenu(QStringLiteral("User-Defined Reports"));
    userDefined->addAction(mnuReport1);
    userDefined->addAction(mnuReport2);

    QMenu* utilities = MainMenu->addMenu(QStringLiteral("&Utilities"));
    menuEntry(utilities, QStringLiteral("Generate Invoices"), ActionGenerateInvoices);
    menuEntry(utilities, QStringLiteral("Post Invoices..."), ActionPostInvoices);
    utilities->addSeparator();
    menuEntry(utilities, QStringLiteral("Accept Payments"), ActionEditPayments);
    menuEntry(utilities, QStringLiteral("Post Payments..."), ActionPostPayments);
    utilities->addSeparator();
    QMenu* exportMenu = utilities->addMenu(QStringLiteral("Export"));
    QAction* exportInvoices = exportMenu->addAction(QStringLiteral("Invoices"));
    exportInvoices->setObjectName(QStringLiteral("mnuExportInvoices"));
    exportInvoices->setEnabled(false);
    exportMenu->addAction(mnuExportStatements);
    utilities->addSeparator();
    QMenu* synchronize = utilities->addMenu(QStringLiteral("Synchronize"));
    menuEntry(synchronize, QStringLiteral("Clients/Funders"), ActionSynchronizeClients);
    menuEntry(synchronize, QStringLiteral("Items"), ActionSynchronizeItems);
    utilities->addAction(mnuResetBalances);

    QMenu* help = MainMenu->addMenu(QStringLiteral("&Help"));
    help->addAction(mnuHelpTopics);
    help->addAction(mnuAbout);
}

void TFormARSystem::buildButtons()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(MainMenu);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(16, 14, 16, 8);
    body->setSpacing(6);
    auto* title = new QLabel(QStringLiteral("Accounts Receivable"), this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    title->setFont(titleFont);
    body->addWidget(title);
    body->addSpacing(4);

    auto addButton = [&](const QString& name, const QString& caption, QAction* target) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setMinimumHeight(30);
        connect(button, &QPushButton::clicked, target, &QAction::trigger);
        auto follow = [button, target] { button->setEnabled(target->isEnabled()); };
        connect(target, &QAction::changed, button, follow);
        follow();
        body->addWidget(button);
    };
    addButton(QStringLiteral("btnGenerateInvoices"), QStringLiteral("Generate Invoices"),
              ActionGenerateInvoices);
    addButton(QStringLiteral("btnEditInvoices"), QStringLiteral("Edit Invoices"),
              ActionEditInvoices);
    addButton(QStringLiteral("btnPrintInvoices"), QStringLiteral("Print Invoices..."),
              ActionPrintInvoices);
    addButton(QStringLiteral("btnPostInvoices"), QStringLiteral("Post Invoices..."),
              ActionPostInvoices);
    addButton(QStringLiteral("btnAcceptPayments"), QStringLiteral("Accept Payments"),
              ActionEditPayments);
    addButton(QStringLiteral("btnPostPayments"), QStringLiteral("Post Payments..."),
              ActionPostPayments);
    addButton(QStringLiteral("btnPrintStatements"), QStringLiteral("Print Statements / Reports..."),
              ActionPrintStatements);
    layout->addLayout(body);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    layout->addWidget(rule);
    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(16, 8, 16, 8);
    bottom->addStretch();
    btnClose = new QPushButton(QStringLiteral("&Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setMinimumWidth(90);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    bottom->addWidget(btnClose);
    layout->addLayout(bottom);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar"));
    status->setSizeGripEnabled(false);
    StatusPane1 = new QLabel(this);
    StatusPane1->setObjectName(QStringLiteral("StatusPane1"));
    StatusPane2 = new QLabel(this);
    StatusPane2->setObjectName(QStringLiteral("StatusPane2"));
    StatusProgressBar = new QProgressBar(this);
    StatusProgressBar->setObjectName(QStringLiteral("StatusProgressBar"));
    StatusProgressBar->setRange(0, 100);
    StatusProgressBar->setValue(0);
    StatusProgressBar->setMaximumWidth(120);
    StatusProgressBar->setTextVisible(false);
    status->addWidget(StatusPane1, 1);
    status->addWidget(StatusPane2, 1);
    status->addPermanentWidget(StatusProgressBar);
    layout->addWidget(status);
    progress_ = std::make_unique<StatusBarProgress>(StatusPane1, StatusProgressBar);
    setMinimumWidth(320);
}

void TFormARSystem::wire(QAction* action, std::function<void()> handler)
{
    handlers_.insert(action, std::move(handler));
    updateActionStates();
}

void TFormARSystem::updateActionStates()
{
    for (QAction* a : findChildren<QAction*>(Qt::FindDirectChildrenOnly)) {
        if (!a->objectName().startsWith(QLatin1String("Action")) &&
            !a->objectName().startsWith(QLatin1String("mnu")))
            continue;
        if (a->objectName().startsWith(QLatin1String("mnu_")) ||
            a->objectName() == QLatin1String("mnuExit") ||
            a->objectName() == QLatin1String("mnuExportInvoices"))
            continue;
        const bool available = handlers_.contains(a);
        a->setEnabled(available &&
                      !(postingSuppressed_ && affectedBySuppressedPosting(a->objectName())));
    }
}

int TFormARSystem::dataModulesCreated() const
{
    return arProcess().dataModulesCreated;
}

void TFormARSystem::Init(QWidget* hostWindow)
{
    hostWindow_ = hostWindow;
    host_ = nullptr;
    host_ = qobject_cast<IHostInterface*>(hostWindow);
}

void TFormARSystem::SetMenu(QMenu* menuItem)
{
    QAction* entry = menuItem->addAction(QStringLiteral("Tallywick"));
    entry->setObjectName(QStringLiteral("mnuTallywick"));
    connect(entry, &QAction::triggered, this, &TFormARSystem::FormARSystemShowModal);
}

bool TFormARSystem::GetIsModuleInstalled(const QString& moduleName)
{
    return moduleName == QLatin1String("ARSystem");
}

void TFormARSystem::PrepareMenuDate(const QDateTime&) {}

void TFormARSystem::FormARSystemShowModal()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ArProcess& process = arProcess();
    // Prints go to the desktop's printer or, without one, to the user's PDF folder.
    report::useDesktopPrinter();
    usePdfFolderSetting();
    try {
        if (!process.dataModule) {
            installHostOverride(hostWindow_);
            process.dataModule = new TDataModuleARSystem(process.dialogs, qApp);
            ++process.dataModulesCreated;
        }
        if (!process.lookups)
            process.lookups = new TdmLookUps(process.dataModule->database(), qApp);
        createDialer();
        process.dataModule->CurrentUserName = host_ ? host_->GetCurrentUserName() : QString();
        connect(process.dataModule, &TDataModuleARSystem::companyRefreshed, this,
                &TFormARSystem::readPostingState, Qt::UniqueConnection);
    } catch (const FatalStartError&) {
        QGuiApplication::restoreOverrideCursor();
        if (auto* services = qobject_cast<IHostServices*>(hostWindow_))
            services->TerminateApplication();
        return;
    } catch (const std::exception& e) {
        QGuiApplication::restoreOverrideCursor();
        dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
        return;
    }
    QGuiApplication::restoreOverrideCursor();
    exec();
}

void TFormARSystem::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFormARSystem::FormShow()
{
    TDataModuleARSystem* module = arProcess().dataModule;
    if (!module)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        readPostingState();
        const bool newHostItem = hostHasItemsWithoutArItem(module->database());
        QGuiApplication::restoreOverrideCursor();
        if (newHostItem && handlers_.contains(ActionSynchronizeItems)) {
            dialogs_.inform(Dialogs::Kind::Information,
                            QStringLiteral("It appears that a new delivery item has been "
                                           "created.\r\nPlease wait while the "
                                           "Tallywick items are synchronized with Hearthtable..."));
            ActionSynchronizeItems->trigger();
        }
    } catch (const std::exception& e) {
        QGuiApplication::restoreOverrideCursor();
        // A failed step of the start has been shown already; the tables it left unmade make
        // these checks fail too, which is not news to the user.
        if (module->schemaReport().error.isEmpty())
            dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
    }
}

void TFormARSystem::readPostingState()
{
    if (TDataModuleARSystem* module = arProcess().dataModule) {
        postingSuppressed_ = postingSuppressed(module->database());
        updateActionStates();
    }
}

QString TFormARSystem::helpFile()
{
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("tallywick-help.html"));
}

void TFormARSystem::ShowHelpTopics()
{
    openUrl(QUrl::fromLocalFile(helpFile()));
}

void TFormARSystem::ShowAbout()
{
    TFormAboutARSystem about(this);
    about.exec();
}
