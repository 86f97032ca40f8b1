#include "reports/invoiceprint/invoiceandstatement.h"

#include "common/dialogs.h"
#include "common/formats.h"
#include "report/reportrunner.h"
#include "report/rowsource.h"
#include "reports/invoiceprint/invoicewording.h"
#include "reports/invoiceprint/printedinvoicereader.h"

#include <QMetaType>

using report::Band;
using report::ReportContext;

using InvoiceRef = std::shared_ptr<const PrintedInvoice>;
Q_DECLARE_METATYPE(InvoiceRef)

namespace
{
// Page geometry, in points within the body (576 wide on letter paper).
constexpr qreal kWidth = 576;
constexpr qreal kRow = 12;
// The columns of the lines.
constexpr qreal kQuantityX = 0, kQuantityW = 54;
constexpr qreal kDescriptionX = 62, kDescriptionW = 308;
constexpr qreal kPriceX = 376, kPriceW = 74;
constexpr qreal kTaxX = 456, kTaxW = 38;
constexpr qreal kExtensionX = 498, kExtensionW = 76;

QString money(Money amount, const FormatSettings& settings)
{
    return formatFloat(kMoneyListFormat, amount, settings);
}

QString quantityText(std::optional<double> quantity, const FormatSettings& settings)
{
    return quantity ? formatFloat(QStringLiteral("#,##0.####"), *quantity, settings) : QString();
}

// The selected invoices as rows: one per invoice line, or one for an invoice without lines. Each
// row carries its invoice, so the footers of an invoice read that invoice even when the next
// one has already been read.
class InvoiceLineRows final : public report::RowSource
{
public:
    InvoiceLineRows(PrintedInvoiceReader& reader, Progress& progress)
        : reader_(reader), progress_(progress)
    {
    }

    bool next() override
    {
        if (invoice_ && line_ + 1 < int(invoice_->lines.size())) {
            ++line_;
        } else {
            if (!reader_.next())
                return false;
            invoice_ = std::make_shared<const PrintedInvoice>(reader_.current());
            line_ = invoice_->lines.empty() ? -1 : 0;
            progress_.setValue(++invoices_);
        }
        row_.set(QStringLiteral("ARInvoiceID"), invoice_->arInvoiceId);
        row_.set(QStringLiteral("Invoice"), QVariant::fromValue(invoice_));
        row_.set(QStringLiteral("Line"), line_);
        return true;
    }
    const report::Row& row() const override { return row_; }
    void rewind() override
    {
        reader_.rewind();
        invoice_.reset();
        invoices_ = 0;
    }

private:
    PrintedInvoiceReader& reader_;
    Progress& progress_;
    InvoiceRef invoice_;
    int line_ = -1;
    int invoices_ = 0;
    report::Row row_;
};

const PrintedInvoice& invoiceOf(const ReportContext& c)
{
    return *c.value(QStringLiteral("Invoice")).value<InvoiceRef>();
}

const PrintedInvoiceLine* lineOf(const ReportContext& c)
{
    const int line = c.value(QStringLiteral("Line")).toInt();
    return line < 0 ? nullptr : &invoiceOf(c).lines.at(line);
}

// A text of the current invoice.
report::Element invoiceText(const QRectF& rect, std::function<QString(const PrintedInvoice&)> text)
{
    return report::computed(
        rect, [text = std::move(text)](const ReportContext& c) { return text(invoiceOf(c)); });
}
} // namespace

struct TrptARInvoiceAndStatement::State {
    State(const InvoiceOrganization& organization, const FormatSettings& settings)
        : organization(organization), settings(settings), wordingRun(organization.options, settings)
    {
    }

    InvoiceOrganization organization;
    FormatSettings settings;
    InvoiceWordingRun wordingRun;
    InvoiceWording wording; // of the invoice printing now
    int pageOfInvoice = 1;
    int linesPrinted = 0; // lines of the current invoice on paper so far
    // What the remittance stub shows: the invoice whose first page is being filled.
    QString stubCustomerNo;
    QString stubCustomerName;
    QString stubInvoiceNo;
};

namespace
{
// The top of an invoice's pages: letterhead, title, bill-to and delivered-to blocks, the
// invoice's number, date and description, and the column captions. The first page shows the
// prior balance where the format has one; later pages their page number within the invoice.
template <typename S> void addHeading(Band& band, S& s, bool continuation)
{
    const InvoiceLetterhead& head = s.organization.letterhead;
    const qreal x0 = head.logo.isNull() ? 0 : 130;
    if (!head.logo.isNull())
        band.add(report::picture({0, 0, 120, 60}, head.logo));
    band.add(report::label({x0, 0, 360 - x0, 28}, head.companyName))
        .size(head.companyNameFontSize)
        .bold();
    band.add(report::label({x0, 30, 380 - x0, kRow}, head.addressLabel));
    band.add(report::label({x0, 42, 380 - x0, kRow}, head.phoneLabel));
    band.add(report::computed({kWidth - 200, 0, 200, 24},
                              [&s](const ReportContext&) { return s.wording.title; }))
        .size(18)
        .bold()
        .right();
    band.add(report::rule(x0, kWidth, 60, 1));

    // Bill to.
    band.add(report::label({0, 68, 180, kRow}, QStringLiteral("Bill To"))).bold();
    band.add(report::computed({0, 80, 190, kRow},
                              [&s](const ReportContext&) { return s.wording.billToContact; }));
    band.add(invoiceText({0, 92, 190, kRow}, [](auto& i) { return i.addressLine1; }));
    band.add(invoiceText({0, 104, 190, kRow}, [](auto& i) { return i.addressLine2P; }));
    band.add(invoiceText({0, 116, 190, kRow}, [](auto& i) { return i.addressLine3P; }));
    band.add(invoiceText({0, 128, 190, kRow}, [](auto& i) { return i.addressLine4P; }));
    band.add(invoiceText({100, 68, 90, kRow}, [](auto& i) { return i.customerNo; })).bold().right();

    // Delivered to: the recipient's ship-to lines, or a single label in their place.
    const auto shipTo = [&s](const ReportContext&) { return s.wording.showShipTo; };
    band.add(report::label({200, 68, 190, kRow}, QStringLiteral("Delivered To"))).bold();
    band.add(invoiceText({200, 80, 190, kRow}, [](auto& i) { return i.shipToName; })).when(shipTo);
    band.add(invoiceText({200, 92, 190, kRow}, [](auto& i) { return i.shipToAddressLine1; }))
        .when(shipTo);
    band.add(invoiceText({200, 104, 190, kRow}, [](auto& i) { return i.shipToAddressLine2P; }))
        .when(shipTo);
    band.add(invoiceText({200, 116, 190, kRow}, [](auto& i) { return i.shipToAddressLine3P; }))
        .when(shipTo);
    band.add(invoiceText({200, 128, 190, kRow}, [](auto& i) { return i.shipToAddressLine4P; }))
        .when(shipTo);
    band.add(report::computed({200, 80, 190, kRow},
                              [&s](const ReportContext&) { return s.wording.deliveredToLabel; }))
        .when([&s](const ReportContext&) { return !s.wording.showShipTo; });
    band.add(invoiceText({300, 68, 90, kRow}, [](auto& i) { return i.recipId; })).bold().right();

    // The document's number, date and, on the first page, the prior balance.
    band.add(report::box({400, 66, kWidth - 400, 58}, 0.5));
    band.add(report::computed({406, 70, 90, kRow}, [&s](const ReportContext&) {
        return s.wording.captions.numberHeading;
    }));
    band.add(invoiceText({496, 70, 76, kRow}, [](auto& i) { return i.invoiceNo; })).bold().right();
    band.add(report::computed({406, 84, 90, kRow}, [&s](const ReportContext&) {
        return s.wording.captions.dateHeading;
    }));
    band.add(invoiceText(
                 {496, 84, 76, kRow},
                 [&s](auto& i) { return formatDate(kListDateFormat, i.invoiceDate, s.settings); }))
        .right();
    if (continuation) {
        band.add(report::computed({406, 104, 166, kRow},
                                  [&s](const ReportContext&) {
                                      return QStringLiteral("Page ") +
                                             QString::number(s.pageOfInvoice);
                                  }))
            .right();
    } else {
        const auto prior = [&s](const ReportContext&) { return s.wording.showPriorBalance; };
        band.add(report::label({406, 104, 90, kRow}, QStringLiteral("Prior Balance"))).when(prior);
        band.add(
                report::computed({496, 104, 76, kRow},
                                 [&s](const ReportContext&) { return s.wording.priorBalanceText; }))
            .right()
            .when(prior);
    }

    band.add(report::computed(
                 {0, 146, 130, kRow},
                 [&s](const ReportContext&) { return s.wording.captions.descriptionHeading; }))
        .bold();
    band.add(invoiceText({130, 146, kWidth - 130, kRow}, [](auto& i) { return i.description; }));

    band.add(report::box({0, 164, kWidth, 15}, 0.5, true));
    band.add(report::label({kQuantityX, 166, kQuantityW + 6, kRow}, QStringLiteral(" Quantity")))
        .bold();
    band.add(report::label({kDescriptionX, 166, kDescriptionW, kRow},
                           QStringLiteral(" Description")))
        .bold();
    band.add(report::label({kPriceX, 166, kPriceW, kRow}, QStringLiteral(" Unit Price"))).bold();
    band.add(report::label({kTaxX, 166, kTaxW, kRow}, QStringLiteral(" Tax"))).bold();
    band.add(report::label({kExtensionX, 166, kExtensionW, kRow}, QStringLiteral(" Extension")))
        .bold();
    band.height = 184;
}
} // namespace

TrptARInvoiceAndStatement::TrptARInvoiceAndStatement(const InvoiceOrganization& organization,
                                                     const FormatSettings& settings)
    : state_(std::make_unique<State>(organization, settings))
{
    State& s = *state_;
    report::ReportDefinition& d = definition_;
    d.title = title();
    d.onStart = [&s] {
        s.wordingRun.restart();
        s.pageOfInvoice = 1;
        s.linesPrinted = 0;
    };

    // Each invoice starts on a page of its own with its first-page block.
    report::Group invoice;
    invoice.key = report::byField(QStringLiteral("ARInvoiceID"));
    invoice.startsNewPage = true;
    addHeading(invoice.header, s, false);
    invoice.header.beforePrint = [&s](ReportContext& c) {
        const PrintedInvoice& i = invoiceOf(c);
        s.wording = s.wordingRun.next(i);
        s.pageOfInvoice = 1;
        s.linesPrinted = 0;
        s.stubCustomerNo = i.customerNo;
        s.stubCustomerName = i.customerName;
        s.stubInvoiceNo = i.invoiceNo;
        return true;
    };

    // The continuation header, once a line of the invoice is on paper.
    addHeading(d.pageHeader, s, true);
    d.pageHeader.beforePrint = [&s](ReportContext&) {
        if (s.linesPrinted == 0)
            return false;
        ++s.pageOfInvoice;
        return true;
    };

    // One line.
    const auto line = [](std::function<QString(const PrintedInvoiceLine&)> text) {
        return [text = std::move(text)](const ReportContext& c) {
            const PrintedInvoiceLine* l = lineOf(c);
            return l ? text(*l) : QString();
        };
    };
    d.detail.height = 16;
    d.detail
        .add(report::computed({kQuantityX, 2, kQuantityW, kRow},
                              line([&s](auto& l) { return quantityText(l.quantity, s.settings); })))
        .right();
    d.detail
        .add(report::computed({kDescriptionX, 2, kDescriptionW, kRow},
                              line([](auto& l) { return l.description; })))
        .wrap();
    d.detail
        .add(report::computed({kPriceX, 2, kPriceW, kRow}, line([&s](auto& l) {
                                  return l.unitPrice ? money(*l.unitPrice, s.settings) : QString();
                              })))
        .right();
    d.detail
        .add(report::computed({kTaxX, 2, kTaxW, kRow},
                              line([](auto& l) { return l.applicableTaxCodes; })))
        .centre();
    d.detail
        .add(report::computed({kExtensionX, 2, kExtensionW, kRow}, line([&s](auto& l) {
                                  return l.extAmount ? money(*l.extAmount, s.settings) : QString();
                              })))
        .right();
    d.detail.beforePrint = [](ReportContext& c) { return lineOf(c) != nullptr; };
    d.detail.afterPrint = [&s](ReportContext&) { ++s.linesPrinted; };

    // The invoice footer: totals, the customer's message and the terms.
    Band& totals = invoice.footer;
    totals.closeUpEmptyRows = true;
    totals.add(report::rule(kPriceX, kWidth, 2, 0.5));
    // Each amount with its caption; a row that does not show closes up.
    struct AmountRow {
        std::function<QString(const State&, const PrintedInvoice&)> caption;
        std::function<Money(const PrintedInvoice&)> amount;
        std::function<bool(const State&)> shown;
        bool bold = false;
        bool ruleAbove = false;
    };
    const auto always = [](const State&) { return true; };
    const auto paymentsShown = [](const State& s) { return s.wording.showPaymentsAndBalance; };
    const std::vector<AmountRow> rows = {
        {[](auto&, auto&) { return QStringLiteral("Subtotal"); },
         [](auto& i) { return i.subtotal; }, always},
        {[](auto&, auto& i) { return i.tax1DescriptionRate; }, [](auto& i) { return i.tax1Amount; },
         [](auto& s) { return s.wording.showTax1; }},
        {[](auto&, auto& i) { return i.tax2DescriptionRate; }, [](auto& i) { return i.tax2Amount; },
         [](auto& s) { return s.wording.showTax2; }},
        {[](auto& s, auto&) { return s.wording.captions.total; },
         [](auto& i) { return i.invoiceAmount; }, always, true},
        {[](auto& s, auto&) { return s.wording.captions.payments; },
         [](auto& i) { return i.payments; }, paymentsShown},
        {[](auto& s, auto&) { return s.wording.captions.balance; }, [](auto& i) { return i.owing; },
         paymentsShown, false, true},
        {[](auto&, auto&) { return QStringLiteral("Current Balance"); },
         [](auto& i) { return i.currentBalance; },
         [](auto& s) { return s.wording.showCurrentBalance; }},
    };
    qreal y = 6;
    for (const AmountRow& row : rows) {
        const auto shown = [&s, show = row.shown](const ReportContext&) { return show(s); };
        if (row.ruleAbove)
            totals.add(report::rule(kExtensionX, kWidth, y - 1, 0.5)).when(shown);
        totals
            .add(report::computed({kPriceX, y, kExtensionX - kPriceX - 4, kRow},
                                  [&s, caption = row.caption](const ReportContext& c) {
                                      return caption(s, invoiceOf(c));
                                  }))
            .bold(row.bold)
            .when(shown);
        totals
            .add(report::computed({kExtensionX, y, kExtensionW, kRow},
                                  [&s, amount = row.amount](const ReportContext& c) {
                                      return money(amount(invoiceOf(c)), s.settings);
                                  }))
            .bold(row.bold)
            .right()
            .when(shown);
        y += 13;
    }
    totals.height = y + 4;
    totals.afterPrint = [&s](ReportContext&) { s.linesPrinted = 0; };

    auto message = std::make_shared<Band>();
    message->height = 18;
    message->add(invoiceText({0, 2, 400, kRow}, [](auto& i) { return i.customerMessage; })).wrap();
    message->beforePrint = [](ReportContext& c) { return !invoiceOf(c).customerMessage.isEmpty(); };

    auto terms = std::make_shared<Band>();
    terms->height = 16;
    terms->add(invoiceText({0, 2, 400, kRow}, [](auto& i) { return i.terms; }));
    terms->beforePrint = [&s](ReportContext&) { return s.wording.showTerms; };

    // The organization's message after every invoice.
    auto footerMessage = std::make_shared<Band>();
    footerMessage->height = 20;
    footerMessage
        ->add(report::label({0, 4, kWidth, kRow}, s.organization.letterhead.invoiceMessage))
        .wrap();
    footerMessage->beforePrint = [&s](ReportContext&) {
        return !s.organization.letterhead.invoiceMessage.isEmpty();
    };
    terms->child = footerMessage;
    message->child = terms;
    totals.child = message;
    d.groups.push_back(std::move(invoice));

    // The foot of every page: on an invoice's first page the remittance stub, then the
    // organization's name, tax number, address and phone.
    Band& foot = d.pageFooter;
    const auto stub = [&s](const ReportContext&) { return s.pageOfInvoice == 1; };
    foot.add(report::rule(0, kWidth, 0, 0.5)).when(stub);
    foot.add(report::label({0, 4, kWidth, kRow},
                           QStringLiteral("Please return this portion with your remittance")))
        .italic()
        .centre()
        .when(stub);
    foot.add(report::box({0, 20, kWidth, 36}, 0.5)).when(stub);
    foot.add(report::label({8, 24, 60, kRow}, QStringLiteral("Client ID:"))).bold().when(stub);
    foot.add(report::computed({70, 24, 200, kRow},
                              [&s](const ReportContext&) { return s.stubCustomerNo; }))
        .when(stub);
    foot.add(report::computed({8, 38, 300, kRow},
                              [&s](const ReportContext&) { return s.stubCustomerName; }))
        .when(stub);
    foot.add(report::computed({330, 24, 120, kRow},
                              [&s](const ReportContext&) {
                                  return s.wording.captions.stubNumber + QLatin1Char(':');
                              }))
        .bold()
        .when(stub);
    foot.add(report::computed({450, 24, 118, kRow},
                              [&s](const ReportContext&) { return s.stubInvoiceNo; }))
        .right()
        .when(stub);
    foot.add(report::label({0, 66, kWidth, 11}, s.organization.letterhead.footerLine1))
        .size(8)
        .centre();
    foot.add(report::label({0, 78, kWidth, 11}, s.organization.letterhead.footerLine2))
        .size(8)
        .centre();
    foot.height = 90;
}

TrptARInvoiceAndStatement::~TrptARInvoiceAndStatement() = default;

int TrptARInvoiceAndStatement::print(PrintedInvoiceReader& invoices, report::PageSink& sink,
                                     Progress& progress, const QDateTime& printedAt)
{
    InvoiceLineRows rows(invoices, progress);
    rows.rewind();
    report::RunOptions options;
    options.printedAt = printedAt;
    return report::ReportRunner(definition_, options).run(rows, sink);
}
