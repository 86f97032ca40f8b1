#pragma once
// The parts a report is made of. An element is a text, a line, a box or a picture placed in a
// band; a band is a strip of the page that prints as a whole (a header, one detail row, a
// footer). Texts are worked out when the band prints, from the report's current row and state.

#include "report/page.h"

#include <QImage>
#include <QRectF>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace report
{

class ReportContext;
using TextFunction = std::function<QString(const ReportContext&)>;
using Condition = std::function<bool(const ReportContext&)>;
// Asked just before a band prints: false skips it. It may change the report's own state (the
// words of the document) and ask for a new page (ReportContext::startNewPage).
using BeforePrint = std::function<bool(ReportContext&)>;

struct Element {
    enum class Kind { Text, Line, Box, Image };

    Kind kind = Kind::Text;
    QRectF rect; // within the band, in points; a line runs from the top left to the top right
    TextFunction text;
    PrintFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    // A word-wrapped text grows downwards as far as its text needs; the band grows with it and
    // the elements below it move down.
    bool wordWrap = false;
    Condition visible; // empty: always shown
    QImage image;
    qreal lineWidth = 0.5;
    bool shaded = false;

    // Fluent setters, so a layout reads as a list of placed texts.
    Element& withFont(const PrintFont& f)
    {
        font = f;
        return *this;
    }
    Element& size(qreal points)
    {
        font.pointSize = points;
        return *this;
    }
    Element& bold(bool on = true)
    {
        font.bold = on;
        return *this;
    }
    Element& italic(bool on = true)
    {
        font.italic = on;
        return *this;
    }
    Element& right()
    {
        alignment = Qt::AlignRight | Qt::AlignTop;
        return *this;
    }
    Element& centre()
    {
        alignment = Qt::AlignHCenter | Qt::AlignTop;
        return *this;
    }
    Element& wrap()
    {
        wordWrap = true;
        return *this;
    }
    Element& when(Condition condition)
    {
        visible = std::move(condition);
        return *this;
    }
};

// A fixed text.
Element label(const QRectF& rect, const QString& text);
// A text worked out when the band prints.
Element computed(const QRectF& rect, TextFunction text);
// A field of the current row as text.
Element field(const QRectF& rect, const QString& name);
// A horizontal rule from x1 to x2 at y.
Element rule(qreal x1, qreal x2, qreal y, qreal width = 0.5);
Element box(const QRectF& rect, qreal width = 0.5, bool shaded = false);
// A picture scaled to fit the rectangle, keeping its proportions, at the rectangle's top left.
Element picture(const QRectF& rect, const QImage& image);

struct Band {
    qreal height = 0;
    std::vector<Element> elements;
    BeforePrint beforePrint;
    // Called once the band is on the page (to count what has printed).
    std::function<void(ReportContext&)> afterPrint;
    // The band begins a new page unless the page holds nothing below its headers yet.
    bool newPageBefore = false;
    // Printed right after this band whenever this band printed. A child asks its own question;
    // when it does not print, its own child is still asked, so a chain of optional bands
    // (totals, a message, the terms) hangs below one band.
    std::shared_ptr<Band> child;
    // A row of elements (elements sharing a top) that shows nothing closes up: what is below
    // it moves up, and the band shrinks.
    bool closeUpEmptyRows = false;

    bool isEmpty() const { return height <= 0 && elements.empty() && !child; }
    Element& add(Element element)
    {
        elements.push_back(std::move(element));
        return elements.back();
    }
};

} // namespace report
