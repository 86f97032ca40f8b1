#pragma once
// What the texts and the before-print questions of a report can read while it runs: the current
// row, running totals, the page, the print date and the caller's texts.

#include "common/money.h"
#include "report/row.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QVariant>

namespace report
{

class ReportContext
{
public:
    const Row& row() const { return *row_; }
    QVariant value(const QString& field) const { return row_->value(field); }
    QString text(const QString& field) const { return row_->value(field).toString(); }
    // An AR money field (ten-thousandths stored as a whole number).
    Money money(const QString& field) const;
    QDate date(const QString& field) const;

    Money sum(const QString& total) const { return sums_.value(total); }
    int count(const QString& total) const { return counts_.value(total); }

    int pageNumber() const { return pageNumber_; }
    // The number of pages of the whole run; 0 unless the report asked for it.
    int pageCount() const { return pageCount_; }
    QDateTime printedAt() const { return printedAt_; }
    QString title() const { return title_; }
    // Texts the caller set before printing (headings, selection lines).
    QString parameter(const QString& name) const { return parameters_.value(name); }

    // From a before-print question: the band goes on a new page.
    void startNewPage() { newPageAsked_ = true; }

private:
    friend class ReportRunner;
    const Row* row_ = nullptr;
    QHash<QString, Money> sums_;
    QHash<QString, int> counts_;
    int pageNumber_ = 0;
    int pageCount_ = 0;
    QDateTime printedAt_;
    QString title_;
    QHash<QString, QString> parameters_;
    bool newPageAsked_ = false;
};

} // namespace report
