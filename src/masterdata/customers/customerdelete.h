#pragma once
// Deleting a customer from the list: asked first, refused while the customer has invoices, and
// then its balance row and the customer go together in one transaction, or neither does.

#include "receivables/listing/deleteoutcome.h"

#include <QtGlobal>

class Database;
class Dialogs;

DeleteOutcome deleteCustomer(Database& db, Dialogs& dialogs, qint64 customerId);
