#pragma once
// The AR module's main data module: the connection to the shared database, made once per host
// process, with every AR table brought to its declaration, the organization record kept open,
// and the user the host reports.

#include "data/connection.h"
#include "data/schemacreation.h"

#include <QObject>
#include <memory>

class Database;
class Dialogs;
class TableDataset;

class TDataModuleARSystem : public QObject
{
    Q_OBJECT
public:
    // Finds and connects to the shared database as the settings say. The data-location
    // messages raise FatalStartError and engine failures DbError; an error of the creation
    // sequence is shown and the module is still created.
    TDataModuleARSystem(Dialogs& dialogs, QObject* owner = nullptr);
    // The same over a connection already made (tests, the command line's other engines).
    TDataModuleARSystem(std::unique_ptr<Database> database, const QString& directory,
                        Dialogs& dialogs, QObject* owner = nullptr);
    ~TDataModuleARSystem() override;

    Database& database() { return *database_; }
    // The data folder, or in client-server mode the shared folder holding Hearthtable.ini.
    QString databaseDirectory() const { return directory_; }
    QString cMode() const { return session_.cMode; }
    const SchemaReport& schemaReport() const { return report_; }

    TableDataset* tblCompany() const { return tblCompany_; }
    // Reads the organization record again after a screen has stored it, and tells whoever acts
    // on its options (the console's suppressed posting).
    void refreshCompany();
    TableDataset* MemTableARReportParameters() const { return reportParameters_; }

    QString CurrentUserName;

Q_SIGNALS:
    void companyRefreshed();

private:
    void DataModuleCreate();
    void DataModuleDestroy();

    Dialogs& dialogs_;
    SessionSettings session_;
    QString directory_;
    std::unique_ptr<Database> database_;
    SchemaReport report_;
    TableDataset* tblCompany_ = nullptr;
    TableDataset* reportParameters_ = nullptr;
};
