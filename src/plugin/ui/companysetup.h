#pragma once
// Organization Setup as the console keeps it: one instance per process ("frmCompany"), over
// the module's organization record, with its help topic.

class QWidget;

// Edit → Other → Organization Setup: the screen shown, the record opened afresh.
void openCompanySetup(QWidget* console);
