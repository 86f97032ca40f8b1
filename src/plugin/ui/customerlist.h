#pragma once
// The customer list as the console keeps it: one instance per process ("frmCustomers"), lent the
// invoice and payment registers (opened at a customer) and, once it exists, the dialer. The
// registers and document windows open it positioned on their customer.

#include <QtGlobal>

class QWidget;

// Edit Clients/Funders: the list read again and shown unfiltered, the current customer kept.
void openCustomerList(QWidget* console);
// The list shown unfiltered at the customer (when there is one by that key).
void openCustomerListAt(qint64 customerId);
