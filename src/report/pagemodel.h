#pragma once
// Pages written as plain text, one line per thing drawn, for checking printed documents against
// expected files: what is printed where, in which font; not the pixels.
//
//   page 1 612x792
//   text 18.0 24.5 200.0x11.0 "Liberation Sans" 9 b left wrap "Invoice"
//   line 18.0 60.0 594.0 60.0 0.5
//   box 18.0 400.0 576.0x20.0 0.5 shaded
//   image 18.0 18.0 72.0x36.0 200x100

#include "report/page.h"

#include <QString>

namespace report
{

QString pageModelText(const Page& page);

// Keeps the text of every page; what tests compare with their expected files.
class PageModelOutput final : public PageSink
{
public:
    void addPage(const Page& page) override { text += pageModelText(page); }
    QString text;
};

} // namespace report
