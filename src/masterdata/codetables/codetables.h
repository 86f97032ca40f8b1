#pragma once
// The eight code tables the console maintains.

#include "masterdata/codetables/codetable.h"

namespace codetables
{

CodeTable customerTypes();
CodeTable itemTypes();
CodeTable items();
CodeTable taxes();
CodeTable salesmen();
CodeTable banks();
CodeTable currencies();
CodeTable locations();

QList<CodeTable> all();

} // namespace codetables
