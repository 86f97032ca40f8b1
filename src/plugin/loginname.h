#pragma once
// The name the person signed in to this computer with: what the host reports as its user when
// nobody signs in to the host itself.

#include <QString>

QString loginName();
