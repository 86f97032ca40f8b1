#include "report/pdfoutput.h"

#include "report/pagepainter.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace report
{

namespace
{
constexpr int kPdfDpi = 1200;
// Pages laid out and waiting for the painter; enough to keep both threads busy.
constexpr size_t kWaitingPages = 4;

std::runtime_error unwritable(const QString& fileName)
{
    return std::runtime_error(
        QStringLiteral("The file %1 could not be written.").arg(fileName).toStdString());
}
} // namespace

// The writer, its painter and the thread that uses them; nothing else touches either.
class PdfOutput::Painting
{
public:
    Painting(const QString& fileName, const QString& title, const PageSetup& setup)
        : writer_(fileName)
    {
        writer_.setResolution(kPdfDpi);
        writer_.setTitle(title);
        writer_.setCreator(QStringLiteral("Tallywick"));
        // Pages are painted from the paper's corner; the margins are the report's own.
        writer_.setPageLayout(QPageLayout(QPageSize(setup.paper, QPageSize::Point),
                                          QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                          QPageLayout::Point));
    }

    ~Painting() { stop(); }

    // False when the file could not be opened for painting, or is closed already.
    bool add(const Page& page)
    {
        std::unique_lock lock(mutex_);
        if (!started_) {
            started_ = true;
            thread_ = std::thread([this] { paintWaitingPages(); });
            // The first page waits for the file to open, so a bad file is known at once.
            opened_.wait(lock, [this] { return state_ != State::Opening; });
        }
        if (state_ != State::Open || stopping_)
            return false;
        room_.wait(lock,
                   [this] { return waiting_.size() < kWaitingPages || state_ != State::Open; });
        if (state_ != State::Open)
            return false;
        waiting_.push_back(page);
        work_.notify_one();
        return true;
    }

    // Paints what is waiting and closes the file; false when it could not be written.
    bool stop()
    {
        std::unique_lock lock(mutex_);
        stopping_ = true;
        work_.notify_one();
        lock.unlock();
        if (thread_.joinable())
            thread_.join();
        return state_ == State::Open;
    }

    bool started() const { return started_; }
    QPdfWriter& writer() { return writer_; }

private:
    enum class State { Opening, Open, Failed };

    void paintWaitingPages()
    {
        QPainter painter;
        const bool open = painter.begin(&writer_);
        {
            std::lock_guard lock(mutex_);
            state_ = open ? State::Open : State::Failed;
        }
        opened_.notify_all();
        if (!open)
            return;
        bool first = true;
        try {
            for (;;) {
                std::unique_lock lock(mutex_);
                work_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
                if (waiting_.empty())
                    break;
                const Page page = std::move(waiting_.front());
                waiting_.pop_front();
                room_.notify_one();
                lock.unlock();
                if (!first)
                    writer_.newPage();
                first = false;
                paintPage(painter, page, kPdfDpi / 72.0);
            }
        } catch (...) {
            std::lock_guard lock(mutex_);
            state_ = State::Failed;
            room_.notify_all();
        }
        painter.end();
    }

    QPdfWriter writer_;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable work_, room_, opened_;
    std::deque<Page> waiting_;
    State state_ = State::Opening;
    bool started_ = false; // only ever read and set by the owner's thread
    bool stopping_ = false;
};

PdfOutput::PdfOutput(const QString& fileName, const QString& title, const PageSetup& setup)
    : fileName_(fileName), painting_(std::make_unique<Painting>(fileName, title, setup))
{
}

PdfOutput::~PdfOutput() = default;

void PdfOutput::addPage(const Page& page)
{
    if (!painting_->add(page))
        throw unwritable(fileName_);
    ++pages_;
}

void PdfOutput::finish()
{
    if (painting_->started()) {
        if (!painting_->stop())
            throw unwritable(fileName_);
    } else {
        // A run without pages still leaves a valid file behind: one blank page.
        QPainter blank;
        if (!blank.begin(&painting_->writer()))
            throw unwritable(fileName_);
        blank.end();
    }
    if (!QFileInfo(fileName_).isFile())
        throw unwritable(fileName_);
}

} // namespace report
