#pragma once
// The module's help page, opened at a screen's topic.

#include <QString>

inline const QString kHelpOrganizationSetup = QStringLiteral("topic-410");
inline const QString kHelpCustomers = QStringLiteral("clients-and-funders");
inline const QString kHelpCodeTables = QStringLiteral("code-tables");

// Opens the help page at `topic` the way the console opens addresses.
void openHelpTopic(const QString& topic);
