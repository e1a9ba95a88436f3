#pragma once

#include <QString>

// The main window's caution, which also closes the practice sheet, so nobody takes the poses to the mat without it.
inline const QString HealthCaution = QStringLiteral(
    "Please Note: If you are suffering from health ailments, kindly consult your doctor before doing the yoga "
    "exercises.");
