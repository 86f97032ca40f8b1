#pragma once
// Marking a batch of invoices printed once the bookkeeper has seen the printout come out right.

#include <QtGlobal>
#include <vector>

class Database;
class Progress;

// Sets Printed on every invoice of the batch, in one transaction a block of invoices per
// statement; the progress moves on by the invoices of each block. Returns how many invoices
// were marked.
int markInvoicesPrinted(Database& db, const std::vector<qint64>& keys, Progress& progress);
