#include "report/reportrunner.h"

#include "report/textmeasure.h"

#include <algorithm>

namespace report
{

namespace
{
const Row& noRow()
{
    static const Row empty;
    return empty;
}

// A band's elements with their texts worked out and their places settled for this printing.
struct LaidOutBand {
    qreal height = 0;
    std::vector<PageItem> items;
};

LaidOutBand layOut(const Band& band, const ReportContext& context)
{
    struct Placed {
        const Element* element;
        QString text;
        qreal growth = 0;
    };
    std::vector<Placed> placed;
    placed.reserve(band.elements.size());
    qreal bandGrowth = 0;
    for (const Element& element : band.elements) {
        if (element.visible && !element.visible(context))
            continue;
        Placed p{&element, element.text ? element.text(context) : QString()};
        if (element.kind == Element::Kind::Text && element.wordWrap && !p.text.isEmpty()) {
            const qreal needed = wrappedHeight(p.text, element.font, element.rect.width());
            p.growth = std::max<qreal>(0, needed - element.rect.height());
            bandGrowth = std::max(bandGrowth, p.growth);
        }
        placed.push_back(std::move(p));
    }

    // Rows that show nothing close up when the band asks for it.
    std::vector<std::pair<qreal, qreal>> closed; // top and height of each closed row
    if (band.closeUpEmptyRows) {
        for (const Element& element : band.elements) {
            const qreal top = element.rect.top();
            const bool shown = std::any_of(placed.begin(), placed.end(), [top](const Placed& p) {
                return qAbs(p.element->rect.top() - top) < 0.01 &&
                       (p.element->kind != Element::Kind::Text || !p.text.isEmpty());
            });
            const bool known = std::any_of(closed.begin(), closed.end(), [top](const auto& row) {
                return qAbs(row.first - top) < 0.01;
            });
            if (shown || known)
                continue;
            qreal height = 0;
            for (const Element& other : band.elements) {
                if (qAbs(other.rect.top() - top) < 0.01)
                    height = std::max(height, other.rect.height());
            }
            closed.emplace_back(top, height);
        }
    }
    qreal closedHeight = 0;
    for (const auto& row : closed)
        closedHeight += row.second;

    LaidOutBand out;
    out.height = std::max<qreal>(0, band.height + bandGrowth - closedHeight);
    out.items.reserve(placed.size());
    for (const Placed& p : placed) {
        // An element moves down by the growth of the word-wrapped texts above it in its own
        // columns, and up by the closed rows above it.
        qreal shift = 0;
        const QRectF& r = p.element->rect;
        for (const Placed& other : placed) {
            const QRectF& o = other.element->rect;
            if (other.growth > 0 && &other != &p && o.bottom() <= r.top() + 0.01 &&
                o.left() < r.right() && r.left() < o.right())
                shift = std::max(shift, other.growth);
        }
        for (const auto& row : closed) {
            if (row.first + row.second <= r.top() + 0.01)
                shift -= row.second;
        }
        const Element& e = *p.element;
        if (e.kind == Element::Kind::Text && p.text.isEmpty())
            continue;
        if (e.kind == Element::Kind::Image && e.image.isNull())
            continue;
        PageItem item;
        item.rect = e.rect.translated(0, shift);
        switch (e.kind) {
        case Element::Kind::Text:
            item.kind = PageItem::Kind::Text;
            item.rect.setHeight(item.rect.height() + p.growth);
            item.text = p.text;
            item.font = e.font;
            item.alignment = e.alignment;
            item.wordWrap = e.wordWrap;
            break;
        case Element::Kind::Line:
            item.kind = PageItem::Kind::Line;
            item.rect.setHeight(0);
            item.lineWidth = e.lineWidth;
            break;
        case Element::Kind::Box:
            item.kind = PageItem::Kind::Box;
            item.lineWidth = e.lineWidth;
            item.shaded = e.shaded;
            break;
        case Element::Kind::Image:
            item.kind = PageItem::Kind::Image;
            item.rect.setSize(QSizeF(e.image.size()).scaled(item.rect.size(), Qt::KeepAspectRatio));
            item.image = e.image;
            break;
        }
        out.items.push_back(std::move(item));
    }
    return out;
}

} // namespace

// One pass over the rows: keeps the page being filled and where the next band goes.
class ReportRunner::Pass
{
public:
    Pass(const ReportDefinition& definition, const RunOptions& options, PageSink& sink,
         int pageCount)
        : d_(definition), sink_(sink), body_(definition.page.body())
    {
        context_.row_ = &noRow();
        context_.pageCount_ = pageCount;
        context_.printedAt_ = options.printedAt;
        context_.title_ = definition.title;
        context_.parameters_ = options.parameters;
        openGroups_.assign(d_.groups.size(), false);
        groupsOpened_.assign(d_.groups.size(), 0);
    }

    int run(RowSource& rows)
    {
        if (d_.onStart)
            d_.onStart();
        if (!d_.title_band.isEmpty())
            ensurePage();
        bool any = false;
        while (rows.next()) {
            current_ = rows.row();
            const int changed = any ? firstChangedGroup() : 0;
            if (any && changed < int(d_.groups.size()))
                closeGroups(changed);
            context_.row_ = &current_;
            for (int g = any ? changed : 0; g < int(d_.groups.size()); ++g)
                openGroup(g);
            printDetail();
            previous_ = current_;
            any = true;
        }
        if (any)
            closeGroups(0);
        endColumnRow();
        print(d_.summary);
        if (pageOpen_)
            finishPage();
        return pages_;
    }

private:
    int firstChangedGroup() const
    {
        for (int g = 0; g < int(d_.groups.size()); ++g) {
            if (d_.groups[g].key(current_) != d_.groups[g].key(previous_))
                return g;
        }
        return int(d_.groups.size());
    }

    void openGroup(int g)
    {
        const Group& group = d_.groups[g];
        endColumnRow();
        // The first group begins where the report begins, below the title.
        if (group.startsNewPage && groupsOpened_[g] > 0 && hasBody())
            finishPage();
        ++groupsOpened_[g];
        print(group.header);
        openGroups_[g] = true; // from here on a new page repeats the header
    }

    // Prints the footers of the groups from the innermost to group `outermost`, on the rows of
    // the group that ends.
    void closeGroups(int outermost)
    {
        context_.row_ = &previous_;
        endColumnRow();
        for (int g = int(d_.groups.size()) - 1; g >= outermost; --g) {
            print(d_.groups[g].footer);
            openGroups_[g] = false;
            for (const RunningTotal& total : d_.totals) {
                if (total.resetAfterGroup == g) {
                    context_.sums_.remove(total.name);
                    context_.counts_.remove(total.name);
                }
            }
        }
    }

    void printDetail()
    {
        const Band& band = d_.detail;
        if (band.isEmpty())
            return;
        context_.newPageAsked_ = false;
        if (band.beforePrint && !band.beforePrint(context_))
            return;
        if ((band.newPageBefore || context_.newPageAsked_) && hasBody())
            finishPage();
        for (const RunningTotal& total : d_.totals) {
            if (const auto value = total.value(context_)) {
                context_.sums_[total.name] += *value;
                ++context_.counts_[total.name];
            }
        }
        if (d_.columns.count <= 1) {
            place(band, true);
            printChildren(band, true);
            return;
        }
        // Across the page first, then down.
        LaidOutBand laid = layOut(band, context_);
        if (column_ == 0) {
            ensurePage();
            if (y_ + laid.height > footerTop() && hasBody()) {
                finishPage();
                ensurePage();
                laid = layOut(band, context_);
            }
            rowTop_ = y_;
            rowHeight_ = 0;
        }
        const qreal x = body_.left() + column_ * (d_.columns.width + d_.columns.gap);
        put(laid, x, rowTop_);
        rowHeight_ = std::max(rowHeight_, laid.height);
        bodyPlaced_ = true;
        if (band.afterPrint)
            band.afterPrint(context_);
        if (++column_ == d_.columns.count)
            endColumnRow();
        printChildren(band, true);
    }

    void endColumnRow()
    {
        if (column_ == 0)
            return;
        y_ = rowTop_ + rowHeight_;
        column_ = 0;
    }

    // A band of the body: asked first, then placed whole, on a new page when it does not fit.
    void print(const Band& band)
    {
        if (printOne(band))
            printChildren(band, true);
    }

    // The band alone; true when it printed.
    bool printOne(const Band& band)
    {
        if (band.isEmpty())
            return false;
        if (band.newPageBefore && hasBody())
            finishPage();
        context_.newPageAsked_ = false;
        if (band.beforePrint && !band.beforePrint(context_))
            return false;
        if (context_.newPageAsked_ && hasBody())
            finishPage();
        place(band, true);
        return true;
    }

    // Lays the band out on the current page, or whole on the next one.
    void place(const Band& band, bool body)
    {
        ensurePage();
        LaidOutBand laid = layOut(band, context_);
        if (body && y_ + laid.height > footerTop() && hasBody()) {
            finishPage();
            ensurePage();
            laid = layOut(band, context_);
        }
        put(laid, body_.left(), y_);
        y_ += laid.height;
        if (body)
            bodyPlaced_ = true;
        if (band.afterPrint)
            band.afterPrint(context_);
    }

    void printChildren(const Band& band, bool body)
    {
        for (const Band* child = band.child.get(); child; child = child->child.get()) {
            if (body)
                printOne(*child);
            else
                printHeaderOne(*child);
        }
    }

    void put(LaidOutBand& laid, qreal x, qreal y)
    {
        for (PageItem& item : laid.items) {
            item.rect.translate(x, y);
            page_.items.push_back(std::move(item));
        }
    }

    // The bands at the top of a page, which never start another page.
    void printHeader(const Band& band)
    {
        if (printHeaderOne(band))
            printChildren(band, false);
    }

    bool printHeaderOne(const Band& band)
    {
        if (band.isEmpty())
            return false;
        if (band.beforePrint && !band.beforePrint(context_))
            return false;
        place(band, false);
        return true;
    }

    void ensurePage()
    {
        if (pageOpen_)
            return;
        pageOpen_ = true;
        bodyPlaced_ = false;
        ++pages_;
        context_.pageNumber_ = pages_;
        page_ = Page{pages_, d_.page.paper, {}};
        y_ = body_.top();
        printHeader(d_.pageHeader);
        if (pages_ == 1)
            printHeader(d_.title_band);
        printHeader(d_.columnHeader);
        for (int g = 0; g < int(d_.groups.size()); ++g) {
            if (openGroups_[g] && d_.groups[g].repeatHeader)
                printHeader(d_.groups[g].header);
        }
    }

    void finishPage()
    {
        endColumnRow();
        if (!d_.pageFooter.isEmpty() &&
            (!d_.pageFooter.beforePrint || d_.pageFooter.beforePrint(context_))) {
            LaidOutBand laid = layOut(d_.pageFooter, context_);
            put(laid, body_.left(), footerTop());
        }
        sink_.addPage(page_);
        page_ = Page{};
        pageOpen_ = false;
    }

    bool hasBody() const { return pageOpen_ && bodyPlaced_; }
    qreal footerTop() const { return body_.bottom() - d_.pageFooter.height; }

    const ReportDefinition& d_;
    PageSink& sink_;
    const QRectF body_;
    ReportContext context_;
    Row current_;
    Row previous_;
    std::vector<bool> openGroups_;
    std::vector<int> groupsOpened_;
    Page page_;
    bool pageOpen_ = false;
    bool bodyPlaced_ = false;
    int pages_ = 0;
    qreal y_ = 0;
    int column_ = 0;
    qreal rowTop_ = 0;
    qreal rowHeight_ = 0;
};

ReportRunner::ReportRunner(const ReportDefinition& definition, RunOptions options)
    : definition_(definition), options_(std::move(options))
{
}

ReportRunner::~ReportRunner() = default;

int ReportRunner::run(RowSource& rows, PageSink& sink)
{
    int pageCount = 0;
    if (definition_.needsPageCount) {
        PageCounter counter;
        pageCount = Pass(definition_, options_, counter, 0).run(rows);
        rows.rewind();
    }
    return Pass(definition_, options_, sink, pageCount).run(rows);
}

} // namespace report
