#pragma once

#include "core/AsanaRecord.h"

#include <QString>

struct ReadingInput
{
    QString Name;
    qint16 Year = 0;
    QString Month;
    qint16 Day = 0;
};

// What the whole program shares about the current reading; one instance, owned by the Application.
struct AppState
{
    ReadingInput readingInput;
    QString currentSign;
    AsanaCatalogue asanaCatalogue;
};
