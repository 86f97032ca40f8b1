#include "sync/customersync.h"

#include "common/dialogs.h"
#include "data/artables.h"
#include "engine/database.h"
#include "sync/customermapping.h"
#include "sync/customerqueries.h"
#include "sync/idreservation.h"
#include "sync/passinsert.h"
#include "sync/passprogress.h"
#include "sync/syncrun.h"

#include <QHash>
#include <QScopeGuard>

namespace
{

// Statements whose failure only means that known customers keep what they have: the first
// failure skips the rest of the group, and nothing is said.
void runQuietly(Database& db, const QStringList& statements)
{
    try {
        for (const QString& sql : statements)
            db.exec(sql);
    } catch (const DbError&) {
    }
}

QList<HostClient> newClients(Database& db)
{
    QList<HostClient> clients;
    Statement s = db.query(customersql::clientsNotCustomers());
    s.exec();
    while (s.next()) {
        HostClient c;
        if (!s.isNull(0))
            c.personId = s.integer(0);
        c.clientId = s.text(1);
        c.lastName = s.text(2);
        c.firstName = s.text(3);
        c.address1 = s.text(4);
        c.address2 = s.text(5);
        c.city = s.text(6);
        c.state = s.text(7);
        c.zip = s.text(8);
        c.phone = s.text(9);
        c.email = s.text(10);
        clients << c;
    }
    return clients;
}

// The Bill-To contacts of the new clients, by person.
QHash<qint64, QList<BillingContact>> billingContacts(Database& db)
{
    QHash<qint64, QList<BillingContact>> contacts;
    Statement s = db.query(customersql::billingContactsOfNewClients());
    s.exec();
    while (s.next()) {
        BillingContact b;
        b.firstName = s.text(1);
        b.lastName = s.text(2);
        b.organization = s.text(3);
        b.address1 = s.text(4);
        b.address2 = s.text(5);
        b.city = s.text(6);
        b.state = s.text(7);
        b.zip = s.text(8);
        b.phone1 = s.text(9);
        b.phone2 = s.text(10);
        b.email = s.text(11);
        contacts[s.integer(0)] << b;
    }
    return contacts;
}

QList<HostFunder> newFunders(Database& db)
{
    QList<HostFunder> funders;
    Statement s = db.query(customersql::fundersNotCustomers());
    s.exec();
    while (s.next()) {
        HostFunder f;
        f.fundCode = s.text(1);
        f.name = s.text(2);
        f.contact = s.text(3);
        f.address1 = s.text(4);
        f.address2 = s.text(5);
        f.city = s.text(6);
        f.state = s.text(7);
        f.zip = s.text(8);
        f.phone = s.text(9);
        f.fax = s.text(10);
        f.email = s.text(11);
        funders << f;
    }
    return funders;
}

QVariant defaultNetDays(Database& db)
{
    Statement s = db.prepare(customersql::defaultNetDays());
    s.exec();
    return s.next() ? s.value(0) : QVariant();
}

class CustomerSynchronization : public SyncRun
{
public:
    CustomerSynchronization(Database& db, Dialogs& dialogs, Progress& progress)
        : SyncRun(db, dialogs, progress)
    {
    }

    SyncReport run()
    {
        return runPasses([this] {
            repairCustomerCounter(db_);
            runQuietly(db_, QStringList{customersql::updateCustomersFromClients(db_.dialect()),
                                        customersql::updateBillToFromIndividuals(db_.dialect())} +
                                customersql::updateBlankCustomerType());
            addClients();
            runQuietly(db_, customersql::updateCustomersFromFunders());
            addFunders();
            for (const QString& sql : customersql::updateClientType())
                db_.exec(sql);
        });
    }

private:
    // The first key of a pass's block. A failed reservation is shown and the pass goes on with
    // the keys as far as they were computed.
    qint64 reserve(qint64 count)
    {
        qint64 first = 1;
        try {
            reserveCustomerIds(db_, count, first);
        } catch (const std::exception& e) {
            showError(QString::fromUtf8(e.what()));
        }
        return first;
    }

    void addClients()
    {
        PassProgress pass(progress_, QStringLiteral("Synchronizing clients"));
        const QList<HostClient> clients = newClients(db_);
        const QHash<qint64, QList<BillingContact>> contacts = billingContacts(db_);
        const QVariant netDays = defaultNetDays(db_);
        qint64 id = reserve(clients.size());
        PassInsert insert(db_, ar::customer(), customerInsertFields());
        const auto count = qScopeGuard([&] { report_.clientsAdded = int(insert.rowsKept()); });
        for (const HostClient& client : clients) {
            const QList<BillingContact> billTo =
                client.personId ? contacts.value(*client.personId) : QList<BillingContact>();
            insert.add(customerInsertValues(clientCustomer(client, billTo, id, netDays)));
            ++id;
            pass.done(int(insert.rowsKept()), clients.size());
        }
        insert.finish();
    }

    void addFunders()
    {
        PassProgress pass(progress_, QStringLiteral("Synchronizing funders"));
        const QList<HostFunder> funders = newFunders(db_);
        const QVariant netDays = defaultNetDays(db_);
        qint64 id = reserve(funders.size());
        PassInsert insert(db_, ar::customer(), customerInsertFields());
        const auto count = qScopeGuard([&] { report_.fundersAdded = int(insert.rowsKept()); });
        for (const HostFunder& funder : funders) {
            insert.add(customerInsertValues(funderCustomer(funder, id, netDays)));
            ++id;
            pass.done(int(insert.rowsKept()), funders.size());
        }
        insert.finish();
    }
};

} // namespace

SyncReport synchronizeCustomers(Database& db, Dialogs& dialogs, Progress& progress)
{
    return CustomerSynchronization(db, dialogs, progress).run();
}
