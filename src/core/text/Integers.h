// Whole numbers typed into the dialogs' fields.
#pragma once

#include <QString>

// Plain decimal digits with an optional sign, blanks around allowed.
bool parseInteger(const QString& text, int* value);
