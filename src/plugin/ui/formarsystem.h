#pragma once
// The AR console: the plug-in's main window, shown modally from the host's "Tallywick" menu
// entry. Every function of the module is reached from its buttons and menus.

#include "common/ui/messageboxdialogs.h"
#include "plugin/ui/hostcontract.h"
#include "plugin/ui/statusbarprogress.h"

#include <QDialog>
#include <QHash>
#include <QUrl>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;

class TFormARSystem : public QDialog, public IPlugInModule
{
    Q_OBJECT
    Q_INTERFACES(IPlugInModule)
    Q_PROPERTY(int dataModulesCreated READ dataModulesCreated)
public:
    explicit TFormARSystem(QWidget* parent = nullptr);
    ~TFormARSystem() override;

    void Init(QWidget* hostWindow) override;
    void SetMenu(QMenu* menuItem) override;
    bool GetIsModuleInstalled(const QString& moduleName) override;
    void PrepareMenuDate(const QDateTime& date) override;

    // Gives an action the operation it runs; an action without one stays disabled.
    void wire(QAction* action, std::function<void()> handler);
    Dialogs& dialogs() { return dialogs_; }
    Progress& progress() { return *progress_; }
    int dataModulesCreated() const;
    // How "Help Topics" opens the help page (replaced in tests).
    std::function<bool(const QUrl&)> openUrl;
    static QString helpFile();

    QAction* ActionSynchronizeClients;
    QAction* ActionSynchronizeItems;
    QAction* ActionEditCustomers;
    QAction* ActionEditInvoices;
    QAction* ActionEditPayments;
    QAction* ActionEditItems;
    QAction* ActionEditTaxes;
    QAction* ActionEditLocations;
    QAction* ActionEditOrganizationSetup;
    QAction* ActionGenerateInvoices;
    QAction* ActionEditBanks;
    QAction* ActionEditCurrencies;
    QAction* ActionEditItemTypes;
    QAction* ActionEditInvoicePrintSetup;
    QAction* ActionPostInvoices;
    QAction* ActionPostPayments;
    QAction* ActionPrintInvoices;
    QAction* ActionPrintStatements;
    QAction* ActionPrintPayments;
    QAction* mnuExportStatements;
    QAction* mnuResetBalances;
    QAction* mnuReport1;
    QAction* mnuReport2;
    QAction* mnuHelpTopics;
    QAction* mnuAbout;
    QPushButton* btnClose;
    QMenuBar* MainMenu;
    QLabel* StatusPane1;
    QLabel* StatusPane2;
    QProgressBar* StatusProgressBar;

public Q_SLOTS:
    // The host menu entry's handler: connects on first use, then shows the console modally.
    void FormARSystemShowModal();
    // The start-up checks, run each time the console is shown.
    void FormShow();
    // Posting, payments and statements follow the organization's SuppressPosting.
    void readPostingState();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void buildActions();
    void buildMenu();
    void buildButtons();
    QAction* action(const QString& name, const QString& caption);
    QAction* menuEntry(QMenu* menu, const QString& caption, QAction* target);
    void updateActionStates();
    void ShowAbout();
    void ShowHelpTopics();

    QWidget* hostWindow_ = nullptr;
    IHostInterface* host_ = nullptr;
    MessageBoxDialogs dialogs_;
    std::unique_ptr<StatusBarProgress> progress_;
    QHash<QAction*, std::function<void()>> handlers_;
    bool postingSuppressed_ = false;
};
