#pragma once
// One printed page as a list of what is drawn on it, in points (1/72 inch) from the paper's top
// left corner. The same page is painted into a PDF, onto a printer or the preview, and written
// as text for the tests that compare printed documents with their expected pages.

#include <QImage>
#include <QLineF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

namespace report
{

struct PrintFont {
    QString family = QStringLiteral("Liberation Sans");
    qreal pointSize = 9;
    bool bold = false;
    bool italic = false;

    bool operator==(const PrintFont&) const = default;
};

// One thing drawn on a page: a text in its rectangle, a line, a box or a picture.
struct PageItem {
    enum class Kind { Text, Line, Box, Image };
    Kind kind = Kind::Text;
    QRectF rect; // a line runs from the rectangle's top left to its bottom right
    QString text;
    PrintFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = false;
    qreal lineWidth = 0.5;
    bool shaded = false; // a box with a light grey fill
    QImage image;        // shared, so a logo on every page is one picture in a PDF

    QLineF line() const { return QLineF(rect.topLeft(), rect.bottomRight()); }
};

struct Page {
    int number = 0; // 1 for the first page of the run
    QSizeF size;    // the paper, in points
    std::vector<PageItem> items;
};

// Where finished pages go, one at a time, so a run of thousands of pages never holds them all.
class PageSink
{
public:
    virtual ~PageSink() = default;
    virtual void addPage(const Page& page) = 0;
    // After the last page; a sink that writes a file finishes it here.
    virtual void finish() {}
};

// Keeps every page (the preview, and tests that look at a few pages).
class PageList final : public PageSink
{
public:
    void addPage(const Page& page) override { pages.push_back(page); }
    // Hands the kept pages on, in order (pages laid out once and printed later).
    void replayInto(PageSink& sink) const
    {
        for (const Page& page : pages)
            sink.addPage(page);
    }
    std::vector<Page> pages;
};

// Passes on only the pages from `first` to `last` (1-based, both included; 0 means no limit).
class PageRange final : public PageSink
{
public:
    PageRange(PageSink& target, int first, int last) : target_(target), first_(first), last_(last)
    {
    }
    void addPage(const Page& page) override
    {
        if (page.number >= first_ && (last_ <= 0 || page.number <= last_))
            target_.addPage(page);
    }
    void finish() override { target_.finish(); }

private:
    PageSink& target_;
    int first_;
    int last_;
};

// Counts pages and draws nothing (the first of two passes, which learns the page count).
class PageCounter final : public PageSink
{
public:
    void addPage(const Page&) override { ++count; }
    int count = 0;
};

} // namespace report
