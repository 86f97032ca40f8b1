#include "report/reporttemplate.h"

#include "common/formats.h"
#include "report/reportcontext.h"
#include "report/textmeasure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cmath>
#include <initializer_list>

namespace report
{

namespace
{

const QStringList kBandNames = {QStringLiteral("title"),        QStringLiteral("pageHeader"),
                                QStringLiteral("columnHeader"), QStringLiteral("groups"),
                                QStringLiteral("detail"),       QStringLiteral("summary"),
                                QStringLiteral("pageFooter")};

const QStringList kElementTypes = {
    QStringLiteral("text"),   QStringLiteral("field"), QStringLiteral("fields"),
    QStringLiteral("system"), QStringLiteral("sum"),   QStringLiteral("count"),
    QStringLiteral("line"),   QStringLiteral("box"),   QStringLiteral("image")};

const QStringList kSystemValues = {QStringLiteral("PageNumber"), QStringLiteral("PageCount"),
                                   QStringLiteral("PageNofM"),   QStringLiteral("PrintDate"),
                                   QStringLiteral("PrintTime"),  QStringLiteral("Title"),
                                   QStringLiteral("Parameter")};

// Where the 1-based line and column of a byte offset into the text are.
QString lineAndColumn(const QByteArray& text, int offset)
{
    offset = std::clamp(offset, 0, int(text.size()));
    const QByteArray before = text.left(offset);
    const int line = int(before.count('\n')) + 1;
    const int lineStart = int(before.lastIndexOf('\n')) + 1;
    const int column = int(QString::fromUtf8(before.mid(lineStart)).size()) + 1;
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString quotedList(const QStringList& names)
{
    return names.join(QStringLiteral(", "));
}

// How a value is written: as it stands, as money (ten-thousandths), as a plain number or as a
// date.
struct ValueFormat {
    enum class Kind { Text, Money, Number, Date };
    Kind kind = Kind::Text;
    QString pattern;
};

bool isNumberPattern(const QString& pattern)
{
    return pattern.contains(QLatin1Char('0')) || pattern.contains(QLatin1Char('#'));
}

QDate dateOf(const QVariant& value)
{
    if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime)
        return value.toDate();
    return QDate::fromString(value.toString().left(10), Qt::ISODate);
}

bool isEmptyValue(const QVariant& value)
{
    return value.isNull() || value.toString().trimmed().isEmpty();
}

QString written(const ValueFormat& format, const QVariant& value)
{
    if (isEmptyValue(value))
        return {};
    switch (format.kind) {
    case ValueFormat::Kind::Money:
        return formatFloat(format.pattern, Money::fromRaw(value.toLongLong()));
    case ValueFormat::Kind::Number:
        return formatFloat(format.pattern, value.toDouble());
    case ValueFormat::Kind::Date:
        return formatDate(format.pattern, dateOf(value));
    case ValueFormat::Kind::Text:
        break;
    }
    return value.toString();
}

// Reads one template, keeping what it has learnt so far (the groups, the running totals).
class Loader
{
public:
    Loader(QString fileName, const SourceCatalogue* sources)
        : file_(std::move(fileName)), folder_(QFileInfo(file_).absoluteDir()), sources_(sources)
    {
    }

    ReportTemplate read(const QByteArray& text)
    {
        QJsonParseError parseError;
        const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
        if (parseError.error != QJsonParseError::NoError)
            throw TemplateError(
                QStringLiteral("%1: %2: %3")
                    .arg(file_, lineAndColumn(text, parseError.offset), parseError.errorString()));
        if (!document.isObject())
            throw TemplateError(
                QStringLiteral("%1 is not a Tallywick report template: it holds no JSON object")
                    .arg(file_));
        return read(document.object());
    }

private:
    [[noreturn]] void fail(const QString& where, const QString& what) const
    {
        throw TemplateError(where.isEmpty() ? QStringLiteral("%1: %2").arg(file_, what)
                                            : QStringLiteral("%1: %2: %3").arg(file_, where, what));
    }

    static QString at(const QString& where, const QString& key)
    {
        return where.isEmpty() ? key : where + QLatin1Char('.') + key;
    }

    void onlyKeys(const QJsonObject& object, const QString& where,
                  std::initializer_list<const char*> keys) const
    {
        QStringList allowed;
        for (const char* k : keys)
            allowed << QString::fromLatin1(k);
        allowed << QStringLiteral("comment");
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!allowed.contains(it.key()))
                fail(where, QStringLiteral("unknown key %1 (expected one of: %2)")
                                .arg(quoted(it.key()), quotedList(allowed)));
        }
    }

    QJsonObject objectAt(const QJsonValue& value, const QString& where) const
    {
        if (!value.isObject())
            fail(where, QStringLiteral("must be an object { ... }"));
        return value.toObject();
    }

    QString textAt(const QJsonObject& object, const QString& key, const QString& where,
                   bool required = false, const QString& otherwise = {}) const
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined()) {
            if (required)
                fail(where, QStringLiteral("%1 is missing").arg(quoted(key)));
            return otherwise;
        }
        if (!value.isString())
            fail(at(where, key), QStringLiteral("must be a text in double quotes"));
        return value.toString();
    }

    double numberAt(const QJsonObject& object, const QString& key, const QString& where,
                    double otherwise) const
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined())
            return otherwise;
        if (!value.isDouble())
            fail(at(where, key), QStringLiteral("must be a number"));
        return value.toDouble();
    }

    bool flagAt(const QJsonObject& object, const QString& key, const QString& where,
                bool otherwise = false) const
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined())
            return otherwise;
        if (!value.isBool())
            fail(at(where, key), QStringLiteral("must be true or false"));
        return value.toBool();
    }

    // A length: a number of points, or a text with its unit ("2.625in", "10mm", "12pt").
    // `plainUnit` is what a plain number counts in.
    qreal lengthAt(const QJsonObject& object, const QString& key, const QString& where,
                   qreal otherwise, qreal plainUnit = 1) const
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined())
            return otherwise;
        qreal points = 0;
        if (value.isDouble()) {
            points = value.toDouble() * plainUnit;
        } else {
            static const QRegularExpression lengthText(
                QStringLiteral("^\\s*(-?[0-9]*\\.?[0-9]+)\\s*(pt|mm|in)\\s*$"));
            const auto match =
                value.isString() ? lengthText.match(value.toString()) : QRegularExpressionMatch();
            if (!match.hasMatch())
                fail(at(where, key),
                     QStringLiteral("must be a number of points or a length such as \"1in\", "
                                    "\"10mm\" or \"12pt\""));
            const qreal amount = match.captured(1).toDouble();
            const QString unit = match.captured(2);
            points = unit == QLatin1String("in")   ? amount * kPointsPerInch
                     : unit == QLatin1String("mm") ? amount * kPointsPerMm
                                                   : amount;
        }
        if (points < 0)
            fail(at(where, key), QStringLiteral("must not be negative"));
        return points;
    }

    // Fields the template names must be fields of its source.
    QString checkedField(const QString& name, const QString& where) const
    {
        if (name.trimmed().isEmpty())
            fail(where, QStringLiteral("names no field"));
        if (!fields_)
            return name;
        for (const QString& known : *fields_) {
            if (known.compare(name, Qt::CaseInsensitive) == 0)
                return known;
        }
        fail(where, QStringLiteral("%1 is not a field of the source %2")
                        .arg(quoted(name), quoted(source_)));
    }

    ReportTemplate read(const QJsonObject& root)
    {
        const QJsonValue format = root.value(QStringLiteral("format"));
        if (format.toString() != kTemplateFormat)
            throw TemplateError(
                QStringLiteral("%1 is not a Tallywick report template: it must begin with "
                               "\"format\": \"%2\"")
                    .arg(file_, kTemplateFormat));
        onlyKeys(
            root, {},
            {"format", "version", "title", "source", "orderBy", "page", "labels", "font", "bands"});
        const double version = numberAt(root, QStringLiteral("version"), {}, kTemplateVersion);
        if (version != std::floor(version) || version < 1)
            fail(QStringLiteral("version"), QStringLiteral("must be a whole number from 1"));
        if (version > kTemplateVersion)
            fail(QStringLiteral("version"),
                 QStringLiteral("the template is of version %1 of the format; this program "
                                "reads version %2")
                     .arg(int(version))
                     .arg(kTemplateVersion));

        ReportTemplate out;
        out.fileName = file_;
        out.definition.title = textAt(root, QStringLiteral("title"), {});
        source_ = textAt(root, QStringLiteral("source"), {}, true);
        out.source = source_;
        if (sources_) {
            fields_ = sources_->fieldsOf(source_);
            if (!fields_)
                fail(QStringLiteral("source"),
                     QStringLiteral("unknown source %1 (sources: %2)")
                         .arg(quoted(source_), quotedList(sources_->sourceNames())));
            for (const QString& name : sources_->sourceNames()) {
                if (name.compare(source_, Qt::CaseInsensitive) == 0)
                    out.source = name;
            }
        }

        readPage(root, out.definition.page);
        bodyWidth_ = out.definition.page.body().width();
        font_ = readFont(root.value(QStringLiteral("font")), QStringLiteral("font"), PrintFont{});
        readLabels(root, out.definition);

        const QJsonObject bands =
            objectAt(root.value(QStringLiteral("bands")), QStringLiteral("bands"));
        for (auto it = bands.begin(); it != bands.end(); ++it) {
            if (!kBandNames.contains(it.key()) && it.key() != QLatin1String("comment"))
                fail(QStringLiteral("bands"), QStringLiteral("unknown band %1 (bands are: %2)")
                                                  .arg(quoted(it.key()), quotedList(kBandNames)));
        }
        // Group keys first: the running totals of every band may restart after a group.
        const QJsonValue groupsValue = bands.value(QStringLiteral("groups"));
        QJsonArray groups;
        if (!groupsValue.isUndefined()) {
            if (!groupsValue.isArray())
                fail(QStringLiteral("bands.groups"),
                     QStringLiteral("must be a list [ ... ] of groups, outermost first"));
            groups = groupsValue.toArray();
        }
        for (int g = 0; g < groups.size(); ++g) {
            const QString where = QStringLiteral("bands.groups[%1]").arg(g);
            const QJsonObject group = objectAt(groups.at(g), where);
            onlyKeys(group, where, {"field", "header", "footer", "newPage", "repeatHeader"});
            groupFields_ << checkedField(textAt(group, QStringLiteral("field"), where, true),
                                         at(where, QStringLiteral("field")));
        }

        ReportDefinition& d = out.definition;
        d.title_band = bandAt(bands, QStringLiteral("title"), QStringLiteral("bands"));
        d.pageHeader = bandAt(bands, QStringLiteral("pageHeader"), QStringLiteral("bands"));
        d.columnHeader = bandAt(bands, QStringLiteral("columnHeader"), QStringLiteral("bands"));
        for (int g = 0; g < groups.size(); ++g) {
            const QString where = QStringLiteral("bands.groups[%1]").arg(g);
            const QJsonObject object = groups.at(g).toObject();
            Group group;
            group.key = byField(groupFields_.at(g));
            group.header = bandAt(object, QStringLiteral("header"), where);
            group.footer = bandAt(object, QStringLiteral("footer"), where);
            group.startsNewPage = flagAt(object, QStringLiteral("newPage"), where);
            group.repeatHeader = flagAt(object, QStringLiteral("repeatHeader"), where);
            d.groups.push_back(std::move(group));
        }
        if (labelHeight_) {
            if (!bands.contains(QStringLiteral("detail")))
                fail(QStringLiteral("bands"),
                     QStringLiteral("a template with a label layout needs a \"detail\" band: "
                                    "the label"));
            if (bands.value(QStringLiteral("detail")).toObject().contains(QStringLiteral("height")))
                fail(QStringLiteral("bands.detail.height"),
                     QStringLiteral("a label's height is given by \"labels\"; leave it out here"));
            d.detail =
                bandAt(bands, QStringLiteral("detail"), QStringLiteral("bands"), d.columns.width);
            d.detail.height = *labelHeight_;
        } else {
            d.detail = bandAt(bands, QStringLiteral("detail"), QStringLiteral("bands"));
        }
        d.summary = bandAt(bands, QStringLiteral("summary"), QStringLiteral("bands"));
        d.pageFooter = bandAt(bands, QStringLiteral("pageFooter"), QStringLiteral("bands"));
        d.totals = std::move(totals_);
        d.needsPageCount = needsPageCount_;

        out.orderBy = groupFields_;
        const QJsonValue order = root.value(QStringLiteral("orderBy"));
        if (!order.isUndefined()) {
            if (!order.isArray())
                fail(QStringLiteral("orderBy"),
                     QStringLiteral("must be a list of field names, such as [\"CustomerName\"]"));
            const QJsonArray fields = order.toArray();
            for (int i = 0; i < fields.size(); ++i) {
                const QString where = QStringLiteral("orderBy[%1]").arg(i);
                if (!fields.at(i).isString())
                    fail(where, QStringLiteral("must be a field name in double quotes"));
                const QString name = checkedField(fields.at(i).toString(), where);
                if (!out.orderBy.contains(name, Qt::CaseInsensitive))
                    out.orderBy << name;
            }
        }
        return out;
    }

    void readPage(const QJsonObject& root, PageSetup& page) const
    {
        const QJsonValue value = root.value(QStringLiteral("page"));
        if (value.isUndefined())
            return;
        const QString where = QStringLiteral("page");
        const QJsonObject object = objectAt(value, where);
        onlyKeys(object, where, {"paper", "orientation", "margins"});
        const QString paper =
            textAt(object, QStringLiteral("paper"), where, false, QStringLiteral("letter"))
                .toLower();
        if (paper == QLatin1String("letter"))
            page.paper = QSizeF(8.5 * kPointsPerInch, 11 * kPointsPerInch);
        else if (paper == QLatin1String("legal"))
            page.paper = QSizeF(8.5 * kPointsPerInch, 14 * kPointsPerInch);
        else if (paper == QLatin1String("a4"))
            page.paper = QSizeF(210 * kPointsPerMm, 297 * kPointsPerMm);
        else
            fail(at(where, QStringLiteral("paper")),
                 QStringLiteral("unknown paper %1 (letter, legal or a4)").arg(quoted(paper)));
        const QString orientation =
            textAt(object, QStringLiteral("orientation"), where, false, QStringLiteral("portrait"))
                .toLower();
        if (orientation == QLatin1String("landscape"))
            page.paper.transpose();
        else if (orientation != QLatin1String("portrait"))
            fail(at(where, QStringLiteral("orientation")),
                 QStringLiteral("must be \"portrait\" or \"landscape\""));

        // Margins count in millimetres, as paper margins are usually quoted.
        const QJsonValue margins = object.value(QStringLiteral("margins"));
        const QString marginsWhere = at(where, QStringLiteral("margins"));
        if (margins.isDouble() || margins.isString()) {
            const qreal m = lengthAt(object, QStringLiteral("margins"), where, 0, kPointsPerMm);
            page.margins = QMarginsF(m, m, m, m);
        } else if (margins.isObject()) {
            const QJsonObject sides = margins.toObject();
            onlyKeys(sides, marginsWhere, {"left", "top", "right", "bottom"});
            page.margins = QMarginsF(lengthAt(sides, QStringLiteral("left"), marginsWhere,
                                              page.margins.left(), kPointsPerMm),
                                     lengthAt(sides, QStringLiteral("top"), marginsWhere,
                                              page.margins.top(), kPointsPerMm),
                                     lengthAt(sides, QStringLiteral("right"), marginsWhere,
                                              page.margins.right(), kPointsPerMm),
                                     lengthAt(sides, QStringLiteral("bottom"), marginsWhere,
                                              page.margins.bottom(), kPointsPerMm));
        } else if (!margins.isUndefined()) {
            fail(marginsWhere, QStringLiteral("must be millimetres for every side, or an object "
                                              "with left, top, right and bottom"));
        }
        if (page.body().width() <= 0 || page.body().height() <= 0)
            fail(marginsWhere, QStringLiteral("leave no room on the paper"));
    }

    void readLabels(const QJsonObject& root, ReportDefinition& d)
    {
        const QJsonValue value = root.value(QStringLiteral("labels"));
        if (value.isUndefined())
            return;
        const QString where = QStringLiteral("labels");
        const QJsonObject object = objectAt(value, where);
        onlyKeys(object, where, {"across", "down", "width", "height", "gapAcross", "gapDown"});
        const double across = numberAt(object, QStringLiteral("across"), where, 1);
        if (across < 1 || across != std::floor(across))
            fail(at(where, QStringLiteral("across")),
                 QStringLiteral("must be a whole number from 1"));
        if (!object.contains(QStringLiteral("width")) || !object.contains(QStringLiteral("height")))
            fail(where,
                 QStringLiteral("a label layout needs the label's \"width\" and \"height\""));
        d.columns.count = int(across);
        d.columns.width = lengthAt(object, QStringLiteral("width"), where, 0);
        d.columns.gap = lengthAt(object, QStringLiteral("gapAcross"), where, 0);
        const qreal height = lengthAt(object, QStringLiteral("height"), where, 0);
        const qreal gapDown = lengthAt(object, QStringLiteral("gapDown"), where, 0);
        if (d.columns.width <= 0 || height <= 0)
            fail(where, QStringLiteral("a label must have a width and a height"));
        labelHeight_ = height + gapDown;

        const QRectF body = d.page.body();
        const qreal widthNeeded = across * d.columns.width + (across - 1) * d.columns.gap;
        if (widthNeeded > body.width() + kTolerance)
            fail(where, QStringLiteral("%1 labels across need %2 pt, but the page has %3 pt "
                                       "between its margins")
                            .arg(int(across))
                            .arg(widthNeeded, 0, 'f', 1)
                            .arg(body.width(), 0, 'f', 1));
        const double down = numberAt(object, QStringLiteral("down"), where, 0);
        if (down != std::floor(down) || down < 0)
            fail(at(where, QStringLiteral("down")), QStringLiteral("must be a whole number"));
        // The last row needs no gap below it.
        const qreal heightNeeded = down * *labelHeight_ - (down > 0 ? gapDown : 0);
        if (heightNeeded > body.height() + kTolerance)
            fail(where, QStringLiteral("%1 labels down need %2 pt, but the page has %3 pt "
                                       "between its margins")
                            .arg(int(down))
                            .arg(heightNeeded, 0, 'f', 1)
                            .arg(body.height(), 0, 'f', 1));
    }

    PrintFont readFont(const QJsonValue& value, const QString& where, const PrintFont& base) const
    {
        if (value.isUndefined())
            return base;
        const QJsonObject object = objectAt(value, where);
        onlyKeys(object, where, {"family", "size", "bold", "italic"});
        PrintFont font = base;
        font.family = textAt(object, QStringLiteral("family"), where, false, base.family);
        font.pointSize = numberAt(object, QStringLiteral("size"), where, base.pointSize);
        if (font.pointSize <= 0 || font.pointSize > 200)
            fail(at(where, QStringLiteral("size")),
                 QStringLiteral("must be a point size from 1 to 200"));
        font.bold = flagAt(object, QStringLiteral("bold"), where, base.bold);
        font.italic = flagAt(object, QStringLiteral("italic"), where, base.italic);
        return font;
    }

    // A condition on the current row: {"notEmpty": "Field"}, {"empty": "Field"}, or both.
    Condition readCondition(const QJsonObject& owner, const QString& ownerWhere) const
    {
        const QJsonValue value = owner.value(QStringLiteral("when"));
        if (value.isUndefined())
            return {};
        const QString where = at(ownerWhere, QStringLiteral("when"));
        const QJsonObject object = objectAt(value, where);
        onlyKeys(object, where, {"empty", "notEmpty"});
        if (object.isEmpty())
            fail(where, QStringLiteral("needs \"empty\" or \"notEmpty\" with a field name"));
        const QString empty = object.contains(QStringLiteral("empty"))
                                  ? checkedField(textAt(object, QStringLiteral("empty"), where),
                                                 at(where, QStringLiteral("empty")))
                                  : QString();
        const QString notEmpty =
            object.contains(QStringLiteral("notEmpty"))
                ? checkedField(textAt(object, QStringLiteral("notEmpty"), where),
                               at(where, QStringLiteral("notEmpty")))
                : QString();
        return [empty, notEmpty](const ReportContext& c) {
            if (!empty.isEmpty() && !isEmptyValue(c.value(empty)))
                return false;
            return notEmpty.isEmpty() || !isEmptyValue(c.value(notEmpty));
        };
    }

    Band bandAt(const QJsonObject& owner, const QString& key, const QString& ownerWhere,
                std::optional<qreal> width = {})
    {
        const QJsonValue value = owner.value(key);
        if (value.isUndefined())
            return {};
        const QString where = at(ownerWhere, key);
        const QJsonObject object = objectAt(value, where);
        onlyKeys(object, where, {"height", "font", "when", "newPage", "elements"});
        Band band;
        band.height = lengthAt(object, QStringLiteral("height"), where, 0);
        band.newPageBefore = flagAt(object, QStringLiteral("newPage"), where);
        if (Condition condition = readCondition(object, where))
            band.beforePrint = [condition](ReportContext& c) { return condition(c); };
        const PrintFont font = readFont(object.value(QStringLiteral("font")),
                                        at(where, QStringLiteral("font")), font_);
        const QJsonValue elements = object.value(QStringLiteral("elements"));
        if (elements.isUndefined())
            return band;
        if (!elements.isArray())
            fail(at(where, QStringLiteral("elements")), QStringLiteral("must be a list [ ... ]"));
        const QJsonArray list = elements.toArray();
        for (int i = 0; i < list.size(); ++i) {
            const QString elementWhere = QStringLiteral("%1.elements[%2]").arg(where).arg(i);
            band.add(readElement(objectAt(list.at(i), elementWhere), elementWhere, font,
                                 width.value_or(bodyWidth_)));
        }
        return band;
    }

    ValueFormat readFormat(const QJsonObject& object, const QString& where) const
    {
        ValueFormat format;
        const QString pattern = textAt(object, QStringLiteral("format"), where);
        const QJsonValue money = object.value(QStringLiteral("money"));
        if (!money.isUndefined() && !money.isBool())
            fail(at(where, QStringLiteral("money")), QStringLiteral("must be true or false"));
        if (pattern.isEmpty()) {
            if (money.toBool()) {
                format.kind = ValueFormat::Kind::Money;
                format.pattern = kMoneyListFormat;
            }
            return format;
        }
        format.pattern = pattern;
        if (isNumberPattern(pattern)) {
            format.kind = money.isBool() && !money.toBool() ? ValueFormat::Kind::Number
                                                            : ValueFormat::Kind::Money;
        } else {
            if (money.toBool())
                fail(at(where, QStringLiteral("format")),
                     QStringLiteral("%1 is a date format; money needs a number format such as "
                                    "\"#,##0.00\"")
                         .arg(quoted(pattern)));
            format.kind = ValueFormat::Kind::Date;
        }
        return format;
    }

    // The group a running total restarts after: named by the group's field; none runs over the
    // whole report.
    int resetGroup(const QJsonObject& object, const QString& where) const
    {
        const QString reset = textAt(object, QStringLiteral("reset"), where);
        if (reset.isEmpty() || reset.compare(QLatin1String("report"), Qt::CaseInsensitive) == 0)
            return -1;
        for (int g = 0; g < groupFields_.size(); ++g) {
            if (groupFields_.at(g).compare(reset, Qt::CaseInsensitive) == 0)
                return g;
        }
        fail(at(where, QStringLiteral("reset")),
             QStringLiteral("%1 is not the field of a group of this report (groups: %2)")
                 .arg(quoted(reset),
                      groupFields_.isEmpty() ? QStringLiteral("none") : quotedList(groupFields_)));
    }

    TextFunction readSum(const QJsonObject& object, const QString& where)
    {
        const QString field = checkedField(textAt(object, QStringLiteral("field"), where, true),
                                           at(where, QStringLiteral("field")));
        ValueFormat format = readFormat(object, where);
        if (format.kind == ValueFormat::Kind::Date)
            fail(at(where, QStringLiteral("format")),
                 QStringLiteral("a sum needs a number format such as \"#,##0.00\""));
        if (format.kind == ValueFormat::Kind::Text) {
            // A sum is money unless the template says otherwise.
            const bool money = flagAt(object, QStringLiteral("money"), where, true);
            format.kind = money ? ValueFormat::Kind::Money : ValueFormat::Kind::Number;
            format.pattern = money ? QString(kMoneyListFormat) : QStringLiteral("0.####");
        }
        RunningTotal total;
        total.name = QStringLiteral("sum %1 #%2").arg(field).arg(totals_.size() + 1);
        total.resetAfterGroup = resetGroup(object, where);
        if (format.kind == ValueFormat::Kind::Money) {
            total.value = [field](const ReportContext& c) -> std::optional<Money> {
                const QVariant v = c.value(field);
                if (isEmptyValue(v))
                    return std::nullopt;
                return Money::fromRaw(v.toLongLong());
            };
        } else {
            // Plain numbers are added up to the ten-thousandth, as money is.
            total.value = [field](const ReportContext& c) -> std::optional<Money> {
                const QVariant v = c.value(field);
                if (isEmptyValue(v))
                    return std::nullopt;
                return Money::fromRaw(qRound64(v.toDouble() * Money::kScale));
            };
        }
        const QString name = total.name;
        totals_.push_back(std::move(total));
        const QString pattern = format.pattern;
        return
            [name, pattern](const ReportContext& c) { return formatFloat(pattern, c.sum(name)); };
    }

    TextFunction readCount(const QJsonObject& object, const QString& where)
    {
        QString field;
        if (object.contains(QStringLiteral("field")))
            field = checkedField(textAt(object, QStringLiteral("field"), where),
                                 at(where, QStringLiteral("field")));
        const QString pattern = textAt(object, QStringLiteral("format"), where);
        if (!pattern.isEmpty() && !isNumberPattern(pattern))
            fail(at(where, QStringLiteral("format")),
                 QStringLiteral("a count needs a number format such as \"#,##0\""));
        RunningTotal total;
        total.name = QStringLiteral("count %1 #%2").arg(field).arg(totals_.size() + 1);
        total.resetAfterGroup = resetGroup(object, where);
        total.value = [field](const ReportContext& c) -> std::optional<Money> {
            if (!field.isEmpty() && isEmptyValue(c.value(field)))
                return std::nullopt;
            return Money();
        };
        const QString name = total.name;
        totals_.push_back(std::move(total));
        return [name, pattern](const ReportContext& c) {
            return pattern.isEmpty() ? QString::number(c.count(name))
                                     : formatFloat(pattern, double(c.count(name)));
        };
    }

    TextFunction readSystem(const QJsonObject& object, const QString& where)
    {
        const QString asked = textAt(object, QStringLiteral("value"), where, true);
        QString value;
        for (const QString& known : kSystemValues) {
            if (known.compare(asked, Qt::CaseInsensitive) == 0)
                value = known;
        }
        if (value.isEmpty())
            fail(at(where, QStringLiteral("value")),
                 QStringLiteral("unknown system value %1 (system values: %2)")
                     .arg(quoted(asked), quotedList(kSystemValues)));
        const QString pattern = textAt(object, QStringLiteral("format"), where);
        if (value == QLatin1String("PageNumber"))
            return [](const ReportContext& c) { return QString::number(c.pageNumber()); };
        if (value == QLatin1String("PageCount")) {
            needsPageCount_ = true;
            return [](const ReportContext& c) { return QString::number(c.pageCount()); };
        }
        if (value == QLatin1String("PageNofM")) {
            needsPageCount_ = true;
            return [](const ReportContext& c) {
                return QStringLiteral("Page %1 of %2").arg(c.pageNumber()).arg(c.pageCount());
            };
        }
        if (value == QLatin1String("PrintDate")) {
            if (isNumberPattern(pattern))
                fail(at(where, QStringLiteral("format")),
                     QStringLiteral("%1 is not a date format").arg(quoted(pattern)));
            return [pattern](const ReportContext& c) {
                return pattern.isEmpty() ? shortDate(c.printedAt().date())
                                         : formatDate(pattern, c.printedAt().date());
            };
        }
        if (value == QLatin1String("PrintTime")) {
            const QString timePattern = pattern.isEmpty() ? QStringLiteral("h:mm AP") : pattern;
            return [timePattern](const ReportContext& c) {
                return c.printedAt().time().toString(timePattern);
            };
        }
        if (value == QLatin1String("Title"))
            return [](const ReportContext& c) { return c.title(); };
        const QString name = textAt(object, QStringLiteral("name"), where, true);
        return [name](const ReportContext& c) { return c.parameter(name); };
    }

    // Several fields on one line, the empty ones left out with their separators.
    TextFunction readFields(const QJsonObject& object, const QString& where) const
    {
        const QJsonValue list = object.value(QStringLiteral("fields"));
        if (!list.isArray() || list.toArray().isEmpty())
            fail(at(where, QStringLiteral("fields")),
                 QStringLiteral("must be a list of field names, such as [\"City\", \"ZipCode\"]"));
        QStringList fields;
        const QJsonArray array = list.toArray();
        for (int i = 0; i < array.size(); ++i) {
            const QString fieldWhere = QStringLiteral("%1.fields[%2]").arg(where).arg(i);
            if (!array.at(i).isString())
                fail(fieldWhere, QStringLiteral("must be a field name in double quotes"));
            fields << checkedField(array.at(i).toString(), fieldWhere);
        }
        // One separator for all, or one before each field after the first.
        QStringList separators;
        const QJsonValue separator = object.value(QStringLiteral("separator"));
        if (separator.isUndefined() || separator.isString()) {
            for (int i = 1; i < fields.size(); ++i)
                separators << (separator.isString() ? separator.toString() : QStringLiteral(" "));
        } else if (separator.isArray() && separator.toArray().size() == fields.size() - 1) {
            for (const QJsonValue& s : separator.toArray()) {
                if (!s.isString())
                    fail(at(where, QStringLiteral("separator")),
                         QStringLiteral("must hold texts in double quotes"));
                separators << s.toString();
            }
        } else {
            fail(at(where, QStringLiteral("separator")),
                 QStringLiteral("must be a text, or a list of %1 texts (one between each two "
                                "fields)")
                     .arg(fields.size() - 1));
        }
        return [fields, separators](const ReportContext& c) {
            QString text;
            for (int i = 0; i < fields.size(); ++i) {
                const QString part = c.text(fields.at(i)).trimmed();
                if (part.isEmpty())
                    continue;
                if (!text.isEmpty())
                    text += separators.at(i - 1);
                text += part;
            }
            return text;
        };
    }

    Element readElement(const QJsonObject& object, const QString& where, const PrintFont& bandFont,
                        qreal bandWidth)
    {
        const QString type = textAt(object, QStringLiteral("type"), where, true);
        if (!kElementTypes.contains(type))
            fail(at(where, QStringLiteral("type")),
                 QStringLiteral("unknown element type %1 (types: %2)")
                     .arg(quoted(type), quotedList(kElementTypes)));
        const qreal x = lengthAt(object, QStringLiteral("x"), where, 0);
        const qreal y = lengthAt(object, QStringLiteral("y"), where, 0);
        const qreal width =
            lengthAt(object, QStringLiteral("width"), where, std::max<qreal>(0, bandWidth - x));

        if (type == QLatin1String("line")) {
            onlyKeys(object, where, {"type", "x", "y", "width", "thickness", "when"});
            Element e =
                rule(x, x + width, y, lengthAt(object, QStringLiteral("thickness"), where, 0.5));
            e.visible = readCondition(object, where);
            return e;
        }
        if (type == QLatin1String("box")) {
            onlyKeys(object, where,
                     {"type", "x", "y", "width", "height", "thickness", "shaded", "when"});
            Element e =
                box(QRectF(x, y, width, lengthAt(object, QStringLiteral("height"), where, 0)),
                    lengthAt(object, QStringLiteral("thickness"), where, 0.5),
                    flagAt(object, QStringLiteral("shaded"), where));
            e.visible = readCondition(object, where);
            return e;
        }
        if (type == QLatin1String("image")) {
            onlyKeys(object, where, {"type", "x", "y", "width", "height", "file", "when"});
            const QString file = textAt(object, QStringLiteral("file"), where, true);
            const QString path = folder_.filePath(file);
            QImageReader reader(path);
            const QImage image = reader.read();
            if (image.isNull())
                fail(at(where, QStringLiteral("file")),
                     QStringLiteral("the picture %1 could not be read (%2)")
                         .arg(QDir::toNativeSeparators(path), reader.errorString()));
            Element e = picture(
                QRectF(x, y, width, lengthAt(object, QStringLiteral("height"), where, width)),
                image);
            e.visible = readCondition(object, where);
            return e;
        }

        // The texts.
        const PrintFont font = readFont(object.value(QStringLiteral("font")),
                                        at(where, QStringLiteral("font")), bandFont);
        TextFunction text;
        if (type == QLatin1String("text")) {
            onlyKeys(
                object, where,
                {"type", "x", "y", "width", "height", "font", "align", "wrap", "when", "text"});
            const QString literal = textAt(object, QStringLiteral("text"), where, true);
            text = [literal](const ReportContext&) { return literal; };
        } else if (type == QLatin1String("field")) {
            onlyKeys(object, where,
                     {"type", "x", "y", "width", "height", "font", "align", "wrap", "when", "field",
                      "format", "money", "prefix", "suffix"});
            const QString field = checkedField(textAt(object, QStringLiteral("field"), where, true),
                                               at(where, QStringLiteral("field")));
            const ValueFormat format = readFormat(object, where);
            text = [field, format](const ReportContext& c) {
                return written(format, c.value(field));
            };
        } else if (type == QLatin1String("fields")) {
            onlyKeys(object, where,
                     {"type", "x", "y", "width", "height", "font", "align", "wrap", "when",
                      "fields", "separator", "prefix", "suffix"});
            text = readFields(object, where);
        } else if (type == QLatin1String("system")) {
            onlyKeys(object, where,
                     {"type", "x", "y", "width", "height", "font", "align", "wrap", "when", "value",
                      "format", "name", "prefix", "suffix"});
            text = readSystem(object, where);
        } else if (type == QLatin1String("sum")) {
            onlyKeys(object, where,
                     {"type", "x", "y", "width", "height", "font", "align", "wrap", "when", "field",
                      "format", "money", "reset", "prefix", "suffix"});
            text = readSum(object, where);
        } else {
            onlyKeys(object, where,
                     {"type", "x", "y", "width", "height", "font", "align", "wrap", "when", "field",
                      "format", "reset", "prefix", "suffix"});
            text = readCount(object, where);
        }
        const QString prefix = textAt(object, QStringLiteral("prefix"), where);
        const QString suffix = textAt(object, QStringLiteral("suffix"), where);
        if (!prefix.isEmpty() || !suffix.isEmpty()) {
            // Around a value that is there; nothing at all around an empty one.
            text = [text, prefix, suffix](const ReportContext& c) {
                const QString value = text(c);
                return value.isEmpty() ? value : prefix + value + suffix;
            };
        }

        const qreal height =
            lengthAt(object, QStringLiteral("height"), where, std::ceil(lineHeight(font)));
        Element e = computed(QRectF(x, y, width, height), std::move(text));
        e.font = font;
        const QString align =
            textAt(object, QStringLiteral("align"), where, false, QStringLiteral("left")).toLower();
        if (align == QLatin1String("right"))
            e.right();
        else if (align == QLatin1String("centre") || align == QLatin1String("center"))
            e.centre();
        else if (align != QLatin1String("left"))
            fail(at(where, QStringLiteral("align")),
                 QStringLiteral("must be \"left\", \"centre\" or \"right\""));
        e.wordWrap = flagAt(object, QStringLiteral("wrap"), where);
        e.visible = readCondition(object, where);
        return e;
    }

    static constexpr qreal kTolerance = 0.01;

    QString file_;
    QDir folder_;
    const SourceCatalogue* sources_;
    QString source_;
    std::optional<QStringList> fields_;
    qreal bodyWidth_ = 0;
    PrintFont font_;
    std::optional<qreal> labelHeight_;
    QStringList groupFields_;
    std::vector<RunningTotal> totals_;
    bool needsPageCount_ = false;
};

} // namespace

ReportTemplate readReportTemplate(const QByteArray& text, const QString& fileName,
                                  const SourceCatalogue* sources)
{
    return Loader(QDir::toNativeSeparators(fileName), sources).read(text);
}

ReportTemplate loadReportTemplate(const QString& fileName, const SourceCatalogue* sources)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw TemplateError(QStringLiteral("%1: the template could not be read (%2)")
                                .arg(QDir::toNativeSeparators(fileName), file.errorString()));
    return readReportTemplate(file.readAll(), fileName, sources);
}

} // namespace report
