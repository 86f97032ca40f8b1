// The service number written in square brackets at the end of a meal service's name, such as
// "Lunch [12]".
#pragma once

#include <QString>

// The number of up to three digits after the first '[' (or at the start when there is none),
// up to a ']'; 0 when that text does not start with a digit or is blank. Throws
// IntegerConversionError when it starts with a digit but is not a whole number ("1a").
int ExtractServiceID(const QString& text);
