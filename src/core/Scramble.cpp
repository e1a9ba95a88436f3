#include "core/Scramble.h"

namespace {

constexpr int Shift = 85;

QString shifted(const QString& text, int by)
{
    QString result;
    result.reserve(text.size());
    for (const QChar ch : text) {
        const int code = ch.unicode() + by;
        // Characters beyond Latin-1 have no single-byte code, so they fall out like any other overflow.
        if (ch.unicode() <= 0xFF && code >= 0 && code <= 0xFF)
            result.append(QChar(code));
    }
    return result;
}

} // namespace

QString ScrambleText(const QString& text)
{
    return shifted(text, Shift);
}

QString UnscrambleText(const QString& text)
{
    return shifted(text, -Shift);
}
