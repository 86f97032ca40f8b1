#include "report/ui/frmpreview.h"

#include "common/ui/messageboxdialogs.h"
#include "report/ui/outputdevice.h"
#include "report/ui/pageimage.h"
#include "report/ui/previewgeometry.h"
#include "report/ui/printdialogsetup.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <array>

namespace
{

// The steps Ctrl + and Ctrl - go through; any whole percentage can be typed.
constexpr std::array kZoomSteps{20, 25, 33, 50, 67, 75, 100, 125, 150, 175, 200};
constexpr int kShadow = 3;
constexpr int kPaperMargin = 10;

// The paper with a thin border and a shadow below and to the right.
QPixmap paperWithShadow(const QImage& page)
{
    const qreal dpr = page.devicePixelRatio();
    const QSizeF paper = page.deviceIndependentSize();
    QPixmap pixmap((paper + QSizeF(kShadow, kShadow)).toSize() * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.fillRect(QRectF(QPointF(kShadow, kShadow), paper), QColor(0, 0, 0, 70));
    painter.drawImage(QPointF(0, 0), page);
    painter.setPen(QColor(150, 150, 150));
    painter.drawRect(QRectF(QPointF(0, 0), paper).adjusted(0, 0, -1, -1));
    return pixmap;
}

QToolButton* toolButton(QWidget* parent, const char* name, const QString& text,
                        QStyle::StandardPixmap icon, const QString& tip)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    if (icon != QStyle::SP_CustomBase) {
        button->setIcon(parent->style()->standardIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    return button;
}

} // namespace

TfrmPreview::TfrmPreview(std::vector<report::Page> pages, QWidget* parent)
    : TfrmPreview(std::move(pages), {}, parent)
{
}

TfrmPreview::TfrmPreview(report::ReportProducer producer, QWidget* parent)
    : TfrmPreview(
          [&] {
              report::PageList list;
              producer(list);
              return std::move(list.pages);
          }(),
          producer, parent)
{
}

TfrmPreview::TfrmPreview(std::vector<report::Page> pages, report::ReportProducer producer,
                         QWidget* parent)
    : QDialog(parent), pages_(std::move(pages)), producer_(std::move(producer))
{
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(QApplication::applicationDisplayName() + QStringLiteral(" Reports"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    if (!producer_)
        producer_ = replayPages();
    current_ = pages_.empty() ? 0 : 1;
    buildControls();
    buildShortcuts();
    placeOnScreen();
    showCurrentPage();
}

TfrmPreview::~TfrmPreview() = default;

report::ReportProducer TfrmPreview::replayPages()
{
    // The pages on screen are the pages printed.
    return [this](report::PageSink& sink) {
        for (const report::Page& page : pages_)
            sink.addPage(page);
        sink.finish();
    };
}

void TfrmPreview::buildControls()
{
    btnPrint = toolButton(this, "btnPrint", QStringLiteral("&Print..."), QStyle::SP_CustomBase,
                          QStringLiteral("Print (Ctrl+P)"));
    btnFirst = toolButton(this, "btnFirst", QStringLiteral("First"), QStyle::SP_MediaSkipBackward,
                          QStringLiteral("First page (Home)"));
    btnPrior = toolButton(this, "btnPrior", QStringLiteral("Previous"),
                          QStyle::SP_MediaSeekBackward, QStringLiteral("Previous page (Page Up)"));
    btnNext = toolButton(this, "btnNext", QStringLiteral("Next"), QStyle::SP_MediaSeekForward,
                         QStringLiteral("Next page (Page Down)"));
    btnLast = toolButton(this, "btnLast", QStringLiteral("Last"), QStyle::SP_MediaSkipForward,
                         QStringLiteral("Last page (End)"));
    btnZoomOut = toolButton(this, "btnZoomOut", QStringLiteral("\u2212"), QStyle::SP_CustomBase,
                            QStringLiteral("Zoom out (Ctrl+-)"));
    btnZoomIn = toolButton(this, "btnZoomIn", QStringLiteral("+"), QStyle::SP_CustomBase,
                           QStringLiteral("Zoom in (Ctrl++)"));
    btnClose = toolButton(this, "btnClose", QStringLiteral("&Close"), QStyle::SP_CustomBase,
                          QStringLiteral("Close the preview (Esc)"));
    // The desktop's printer icon where its theme has one; the style has none to fall back on.
    if (QIcon::hasThemeIcon(QStringLiteral("document-print"))) {
        btnPrint->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
        btnPrint->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }

    lblPage = new QLabel(this);
    lblPage->setObjectName(QStringLiteral("lblPage"));
    lblPage->setAlignment(Qt::AlignCenter);
    // Wide enough for "Page 9999 of 9999", so the buttons do not move as the pages turn.
    lblPage->setMinimumWidth(
        lblPage->fontMetrics().horizontalAdvance(QStringLiteral("Page 9999 of 9999")) + 12);

    spnZoom = new QSpinBox(this);
    spnZoom->setObjectName(QStringLiteral("spnZoom"));
    spnZoom->setRange(kMinZoom, kMaxZoom);
    spnZoom->setSingleStep(10);
    spnZoom->setSuffix(QStringLiteral(" %"));
    spnZoom->setValue(zoom_);
    spnZoom->setKeyboardTracking(false);
    spnZoom->setToolTip(QStringLiteral("Zoom, 20 to 200 %"));
    auto* zoomLabel = new QLabel(QStringLiteral("&Zoom:"), this);
    zoomLabel->setBuddy(spnZoom);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(8, 6, 8, 6);
    bar->setSpacing(2);
    bar->addWidget(btnPrint);
    bar->addSpacing(16);
    bar->addWidget(btnFirst);
    bar->addWidget(btnPrior);
    bar->addWidget(lblPage);
    bar->addWidget(btnNext);
    bar->addWidget(btnLast);
    bar->addSpacing(16);
    bar->addWidget(zoomLabel);
    bar->addSpacing(4);
    bar->addWidget(btnZoomOut);
    bar->addWidget(spnZoom);
    bar->addWidget(btnZoomIn);
    bar->addStretch();
    bar->addWidget(btnClose);

    paper_ = new QLabel;
    paper_->setObjectName(QStringLiteral("lblPaper"));
    paper_->setContentsMargins(kPaperMargin, kPaperMargin, kPaperMargin, kPaperMargin);
    scrPage = new QScrollArea(this);
    scrPage->setObjectName(QStringLiteral("scrPage"));
    scrPage->setAlignment(Qt::AlignCenter);
    scrPage->setWidgetResizable(false);
    scrPage->setFrameShape(QFrame::NoFrame);
    scrPage->setBackgroundRole(QPalette::Dark);
    scrPage->setWidget(paper_);
    scrPage->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    layout->addWidget(rule);
    layout->addWidget(scrPage, 1);

    connect(btnPrint, &QToolButton::clicked, this, &TfrmPreview::print);
    connect(btnFirst, &QToolButton::clicked, this, &TfrmPreview::firstPage);
    connect(btnPrior, &QToolButton::clicked, this, &TfrmPreview::previousPage);
    connect(btnNext, &QToolButton::clicked, this, &TfrmPreview::nextPage);
    connect(btnLast, &QToolButton::clicked, this, &TfrmPreview::lastPage);
    connect(btnZoomOut, &QToolButton::clicked, this, &TfrmPreview::zoomOut);
    connect(btnZoomIn, &QToolButton::clicked, this, &TfrmPreview::zoomIn);
    connect(btnClose, &QToolButton::clicked, this, &QDialog::reject);
    connect(spnZoom, &QSpinBox::valueChanged, this, &TfrmPreview::setZoom);
}

void TfrmPreview::buildShortcuts()
{
    auto add = [this](const QKeySequence& keys, void (TfrmPreview::*slot)()) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    add(QKeySequence(Qt::Key_PageUp), &TfrmPreview::previousPage);
    add(QKeySequence(Qt::Key_PageDown), &TfrmPreview::nextPage);
    add(QKeySequence(Qt::Key_Home), &TfrmPreview::firstPage);
    add(QKeySequence(Qt::Key_End), &TfrmPreview::lastPage);
    add(QKeySequence::Print, &TfrmPreview::print);
    add(QKeySequence::ZoomIn, &TfrmPreview::zoomIn);
    add(QKeySequence(Qt::CTRL | Qt::Key_Equal), &TfrmPreview::zoomIn);
    add(QKeySequence::ZoomOut, &TfrmPreview::zoomOut);
    auto* actualSize = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), this);
    connect(actualSize, &QShortcut::activated, this, [this] { setZoom(100); });
}

void TfrmPreview::placeOnScreen()
{
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect rect = report::previewGeometry(screen->geometry(), screen->availableGeometry());
    resize(rect.size());
    move(rect.topLeft());
}

void TfrmPreview::showEvent(QShowEvent* event)
{
    // Every showing starts at page 1, actual size, in a normal window.
    if (isMaximized())
        setWindowState(windowState() & ~Qt::WindowMaximized);
    QDialog::showEvent(event);
    zoom_ = 0; // so setZoom draws even when the zoom was already 100 %
    current_ = pages_.empty() ? 0 : 1;
    setZoom(100);
    scrPage->setFocus();
}

bool TfrmPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == scrPage->viewport() && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            if (wheel->angleDelta().y() > 0)
                zoomIn();
            else if (wheel->angleDelta().y() < 0)
                zoomOut();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmPreview::firstPage()
{
    goToPage(1);
}

void TfrmPreview::previousPage()
{
    goToPage(current_ - 1);
}

void TfrmPreview::nextPage()
{
    goToPage(current_ + 1);
}

void TfrmPreview::lastPage()
{
    goToPage(pageCount());
}

void TfrmPreview::goToPage(int number)
{
    if (pages_.empty())
        return;
    number = qBound(1, number, pageCount());
    if (number == current_)
        return;
    current_ = number;
    showCurrentPage();
    scrPage->verticalScrollBar()->setValue(0);
}

void TfrmPreview::setZoom(int percent)
{
    percent = qBound(kMinZoom, percent, kMaxZoom);
    if (percent == zoom_)
        return;
    zoom_ = percent;
    if (spnZoom->value() != percent) {
        const QSignalBlocker quiet(spnZoom);
        spnZoom->setValue(percent);
    }
    showCurrentPage();
}

void TfrmPreview::zoomIn()
{
    for (int step : kZoomSteps) {
        if (step > zoom_) {
            setZoom(step);
            return;
        }
    }
}

void TfrmPreview::zoomOut()
{
    for (auto step = kZoomSteps.rbegin(); step != kZoomSteps.rend(); ++step) {
        if (*step < zoom_) {
            setZoom(*step);
            return;
        }
    }
}

void TfrmPreview::showCurrentPage()
{
    if (current_ < 1 || current_ > pageCount()) {
        paper_->clear();
        paper_->adjustSize();
    } else {
        const qreal dpr = devicePixelRatioF();
        QImage image = report::pageImage(pages_[current_ - 1], logicalDpiY() * dpr * zoom_ / 100.0);
        image.setDevicePixelRatio(dpr);
        paper_->setPixmap(paperWithShadow(image));
        paper_->adjustSize();
    }
    updateControls();
}

void TfrmPreview::updateControls()
{
    lblPage->setText(QStringLiteral("Page %1 of %2").arg(current_).arg(pageCount()));
    btnFirst->setEnabled(current_ > 1);
    btnPrior->setEnabled(current_ > 1);
    btnNext->setEnabled(current_ < pageCount());
    btnLast->setEnabled(current_ < pageCount());
    btnPrint->setEnabled(!pages_.empty());
    btnZoomOut->setEnabled(zoom_ > kMinZoom);
    btnZoomIn->setEnabled(zoom_ < kMaxZoom);
}

void TfrmPreview::print()
{
    if (pages_.empty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    report::directPrinterTo(printer, report::currentOutputDevice(reportName_));
    report::prepareReportPrinter(printer);
    QPrintDialog dialog(&printer, this);
    report::preparePrintDialog(dialog, printer, pageCount());
    if (dialog.exec() != QDialog::Accepted)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        printTo(printer, report::printRequestFrom(printer));
        QApplication::restoreOverrideCursor();
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        MessageBoxDialogs(this).inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
    }
}

int TfrmPreview::printTo(QPrinter& printer, const report::PrintRequest& request)
{
    // A printer chosen in the dialog brings its own paper; the report is laid out for letter.
    report::prepareReportPrinter(printer);
    return report::printReport(printer, producer_, request);
}

void TfrmPreview::done(int result)
{
    // Closing lets go of the pages: a long report's pages are the bulk of what it holds.
    pages_.clear();
    pages_.shrink_to_fit();
    producer_ = replayPages();
    current_ = 0;
    paper_->clear();
    updateControls();
    QDialog::done(result);
}
