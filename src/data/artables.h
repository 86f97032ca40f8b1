#pragma once
// The AR tables as this module owns them: every field in stored order with its type and size,
// and every index. Creation, comparison and upgrade all work from these declarations.

#include "engine/tabledef.h"

#include <QList>

namespace ar
{
TableDef customer();
TableDef cusType();
TableDef cBalance();
TableDef custCtl();
TableDef item();
TableDef itemType();
TableDef company();
TableDef tax();
TableDef salesman();
TableDef arInv();
TableDef arInvDet();
TableDef itemCtl();
TableDef arInvCtl();
TableDef arInvPmt();
TableDef arPmt();
TableDef arPmtCtl();
TableDef currency();
TableDef glAccount();
TableDef warehouse();
TableDef logo();
TableDef bank();

// All 21 tables.
QList<TableDef> allTables();
} // namespace ar
