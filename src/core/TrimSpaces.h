#pragma once

#include <QString>

// Removes leading and trailing spaces only; tabs and line breaks stay.
QString trimSpaces(const QString& text);
