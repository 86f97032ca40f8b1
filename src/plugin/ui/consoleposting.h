#pragma once
// The console's posting: Post AR Invoices over every printed invoice not yet posted.

class QWidget;

void postInvoices(QWidget* console);
