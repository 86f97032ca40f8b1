#pragma once
// The small texts both registers show alike: the window caption with its toggles, a yes/no
// cell, the period cell, the yes/no/all choice of a filter as SQL, and the find dialog's
// message for a customer number that names nobody.

#include <QString>
#include <optional>

// A yes/no/either choice of a filter (Posted; Printed on the command line).
enum class FlagChoice { All, Yes, No };

// "(Posted = true)" for Yes, "(Posted <> true)" for No, nothing for All.
QString flagCondition(const QString& column, FlagChoice choice);

// `title`, with " (Outstanding)", " (Filtered)" or " (Outstanding, Filtered)".
QString listCaption(const QString& title, bool outstanding, bool filtered);

QString yesNo(bool value);

// "6/2024": GLPeriod "/" GLYear, at most 7 characters; a missing part is left empty.
QString periodText(std::optional<int> period, std::optional<int> year);

// "Customer no. 'X' not found".
QString customerNoNotFound(const QString& typed);
