#pragma once

#include <QString>

// Shifts every single-byte code up by 85; codes that would leave 0..255 are dropped.
QString ScrambleText(const QString& text);
// Shifts every code down by 85; codes that would go below 0 are dropped.
QString UnscrambleText(const QString& text);
