#pragma once
// The row sources of the data module that user-designed reports and labels bind to by name
// ("Customer", "ARInv", "ARLabels", ...), each a statement built from the AR table declarations.
// A template only ever chooses a source and an order among the source's declared fields; no
// text of the template reaches the SQL.

#include "engine/tabledef.h"
#include "report/reporttemplate.h"
#include "report/rowsource.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <utility>
#include <vector>

class Database;
class Dialect;

namespace reports
{

// The label rows: the invoices chosen for printing with their customer's address and their
// recipient's ship-to address.
inline const QString kLabelSource = QStringLiteral("ARLabels");

struct NamedSource {
    struct Field {
        QString name;
        QString expression; // as the statement selects it: "C.CustomerName"
        FieldType type = FieldType::String;
    };
    QString name;
    std::vector<Field> fields;
    QString from;  // FROM and joins
    QString where; // empty for every row
    // The order when the template asks for none, and the fields that end every order, so that
    // rows come in the same order on every engine.
    QStringList naturalOrder;

    const Field* field(const QString& name) const;
    QStringList fieldNames() const;
};

class NamedSources final : public report::SourceCatalogue
{
public:
    NamedSources();

    std::optional<QStringList> fieldsOf(const QString& source) const override;
    QStringList sourceNames() const override;
    const NamedSource* find(const QString& source) const;

    // The statement of a source in an order. Raises report::TemplateError for an unknown
    // source or a field the source does not declare. `condition`, the program's own (never a
    // template's), replaces the rows the source chooses by itself (the labels of the invoices
    // a print run prints rather than of every unprinted one).
    QString selectSql(const Dialect& dialect, const QString& source,
                      const QStringList& orderBy = {},
                      const std::optional<QString>& condition = std::nullopt) const;
    std::unique_ptr<report::RowSource> open(Database& db, const QString& source,
                                            const QStringList& orderBy = {}) const;
    // The rows the program's own `condition` chooses, its ":name" values bound.
    std::unique_ptr<report::RowSource> open(Database& db, const QString& source,
                                            const QStringList& orderBy, const QString& condition,
                                            QList<std::pair<QString, QVariant>> bindings) const;

private:
    std::vector<NamedSource> sources_;
};

} // namespace reports
