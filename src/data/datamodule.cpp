#include "data/datamodule.h"

#include "common/dialogs.h"
#include "data/datasets.h"
#include "engine/database.h"

TDataModuleARSystem::TDataModuleARSystem(Dialogs& dialogs, QObject* owner)
    : QObject(owner), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("DataModuleARSystem"));
    HearthtableConnection connection = connectHearthtable(dialogs);
    session_ = connection.session;
    directory_ = connection.location.directory;
    database_ = std::move(connection.database);
    DataModuleCreate();
}

TDataModuleARSystem::TDataModuleARSystem(std::unique_ptr<Database> database,
                                         const QString& directory, Dialogs& dialogs, QObject* owner)
    : QObject(owner), dialogs_(dialogs), directory_(directory), database_(std::move(database))
{
    setObjectName(QStringLiteral("DataModuleARSystem"));
    DataModuleCreate();
}

TDataModuleARSystem::~TDataModuleARSystem()
{
    DataModuleDestroy();
}

void TDataModuleARSystem::DataModuleCreate()
{
    report_ = createOrUpgradeSchema(*database_, dialogs_);
    reportParameters_ = new TableDataset(*database_, kReportParametersTable, this);
    tblCompany_ = new TableDataset(*database_, QStringLiteral("Company"), this);
    tblCompany_->setOrder(QStringLiteral("CompanyNo"));
    try {
        reportParameters_->open();
        tblCompany_->open();
    } catch (const std::exception& e) {
        // After a failed step the user has seen its error; a table that step did not make is
        // not a second failure to report.
        if (report_.error.isEmpty())
            dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
    }
}

void TDataModuleARSystem::refreshCompany()
{
    if (tblCompany_->isOpen())
        tblCompany_->refresh();
    else
        tblCompany_->open();
    Q_EMIT companyRefreshed();
}

void TDataModuleARSystem::DataModuleDestroy()
{
    try {
        reportParameters_->close();
        dropReportParametersTable(*database_);
    } catch (const std::exception& e) {
        dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
    }
}
