#pragma once
// The print dialog of a previewed report: pages 1 to the last one, that whole range preset,
// one copy, no "selection" or "current page" choices, which the report has no use for.

class QPrintDialog;
class QPrinter;

namespace report
{

void preparePrintDialog(QPrintDialog& dialog, QPrinter& printer, int pageCount);

} // namespace report
