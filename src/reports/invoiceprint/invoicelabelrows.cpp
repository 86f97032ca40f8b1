#include "reports/invoiceprint/invoicelabelrows.h"

#include "engine/database.h"
#include "reports/namedsources.h"

namespace
{
constexpr std::size_t kBlockSize = 200;
}

InvoiceLabelRows::InvoiceLabelRows(Database& db, std::vector<qint64> keys)
    : db_(db), keys_(std::move(keys))
{
    QStringList names;
    for (std::size_t i = 0; i < kBlockSize; ++i)
        names << QStringLiteral(":k%1").arg(i);
    blockSql_ = reports::NamedSources().selectSql(
        db.dialect(), reports::kLabelSource, {},
        QStringLiteral("I.ARInvoiceID IN (%1)").arg(names.join(QStringLiteral(", "))));
}

bool InvoiceLabelRows::next()
{
    // An invoice deleted since the batch was chosen has no label.
    while (position_ < keys_.size()) {
        if (position_ >= blockEnd_)
            loadBlock(position_);
        const auto found = block_.constFind(keys_[position_++]);
        if (found != block_.constEnd()) {
            row_ = *found;
            return true;
        }
    }
    return false;
}

void InvoiceLabelRows::rewind()
{
    position_ = 0;
    blockEnd_ = 0;
    block_.clear();
}

void InvoiceLabelRows::loadBlock(std::size_t first)
{
    blockEnd_ = std::min(keys_.size(), first + kBlockSize);
    // The list always has the block's full length, filled up with the last key again.
    QList<std::pair<QString, QVariant>> bindings;
    for (std::size_t i = 0; i < kBlockSize; ++i)
        bindings.append({QStringLiteral(":k%1").arg(i), keys_[std::min(first + i, blockEnd_ - 1)]});
    report::QueryRowSource rows(db_, blockSql_, bindings);
    block_.clear();
    while (rows.next())
        block_.insert(rows.row().value(QStringLiteral("ARInvoiceID")).toLongLong(), rows.row());
}
