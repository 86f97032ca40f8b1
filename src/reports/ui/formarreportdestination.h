#pragma once
// "Report Option": asks whether a report goes to the screen (the preview) or to the printer.

#include <QDialog>

class QPushButton;
class QRadioButton;

enum class ReportDestination { Screen, Printer };

class TFormARReportDestination : public QDialog
{
    Q_OBJECT
public:
    explicit TFormARReportDestination(QWidget* parent = nullptr);

    // The choice made; the screen unless the printer was chosen.
    ReportDestination destination() const;

    QRadioButton* rbScreen;
    QRadioButton* rbPrinter;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
