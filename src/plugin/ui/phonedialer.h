#pragma once
// The process's dialer screen: made afresh at every console start, and lent to every screen
// that shows a phone number.

#include <QString>

// Replaces the dialer screen with a new one, as each console start does.
void createDialer();
// Shows the dialer modally for `number`, which belongs to `name`; nothing before the console
// has started.
void dialPhone(const QString& number, const QString& name);
