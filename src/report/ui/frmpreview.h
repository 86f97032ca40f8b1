#pragma once
// The report preview: a report's pages on screen, one at a time, with paging, zoom and Print.

#include "report/page.h"
#include "report/ui/printeroutput.h"

#include <QDialog>
#include <vector>

class QLabel;
class QPrinter;
class QScrollArea;
class QSpinBox;
class QToolButton;

class TfrmPreview : public QDialog
{
    Q_OBJECT
public:
    // Shows pages already made; printing sends the same pages.
    explicit TfrmPreview(std::vector<report::Page> pages, QWidget* parent = nullptr);
    // Runs the report once for the screen (an error of the run reaches the caller); printing
    // runs it again for each set it prints.
    explicit TfrmPreview(report::ReportProducer producer, QWidget* parent = nullptr);
    ~TfrmPreview() override;

    // Names the PDF file a print makes on a desktop without a printer.
    void setReportName(const QString& name) { reportName_ = name; }

    int currentPage() const { return current_; }
    int pageCount() const { return int(pages_.size()); }
    int zoom() const { return zoom_; }

    static constexpr int kMinZoom = 20;
    static constexpr int kMaxZoom = 200;

    QToolButton* btnPrint;
    QToolButton* btnFirst;
    QToolButton* btnPrior;
    QToolButton* btnNext;
    QToolButton* btnLast;
    QToolButton* btnZoomOut;
    QToolButton* btnZoomIn;
    QSpinBox* spnZoom;
    QLabel* lblPage;
    QScrollArea* scrPage;
    QToolButton* btnClose;

public Q_SLOTS:
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    // Out-of-range numbers go to the nearest page.
    void goToPage(int number);
    // Clamped to 20..200 %.
    void setZoom(int percent);
    void zoomIn();
    void zoomOut();
    // The print dialog, then the chosen pages and copies on the chosen printer.
    void print();

public:
    // Prints without asking: what print() does once the dialog is answered. Returns the pages
    // sent; raises std::runtime_error when the printer cannot be started.
    int printTo(QPrinter& printer, const report::PrintRequest& request);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TfrmPreview(std::vector<report::Page> pages, report::ReportProducer producer, QWidget* parent);
    report::ReportProducer replayPages();
    void buildControls();
    void buildShortcuts();
    void placeOnScreen();
    void showCurrentPage();
    void updateControls();

    std::vector<report::Page> pages_;
    report::ReportProducer producer_;
    QString reportName_;
    QLabel* paper_;
    int current_ = 0;
    int zoom_ = 100;
};
