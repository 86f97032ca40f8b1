#pragma once
// The report menu as the console keeps it: one instance per process ("frmARReports"), whose
// reports the console starts and shows in the preview window.

class QWidget;

// Print Statements / Reports...: the menu, made if need be, shown with its defaults.
void openReportMenu(QWidget* console);
