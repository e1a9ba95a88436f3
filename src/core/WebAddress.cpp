#include "core/WebAddress.h"

namespace {

const QLatin1String Prefixes[] = {QLatin1String("http://"), QLatin1String("https://"), QLatin1String("www.")};

// The length of the address prefix at this position, or 0.
qsizetype prefixAt(const QString& text, qsizetype at)
{
    // An address starts a word: "xwww.a.com" is not one.
    if (at > 0 && (text[at - 1].isLetterOrNumber() || text[at - 1] == QLatin1Char('.')))
        return 0;
    for (const QLatin1String& prefix : Prefixes) {
        if (QStringView(text).mid(at).startsWith(prefix, Qt::CaseInsensitive))
            return prefix.size();
    }
    return 0;
}

bool isTrailingPunctuation(QChar ch)
{
    return QStringView(u".,;:!?'\")]}>").contains(ch);
}

} // namespace

QVector<TextSpan> findWebAddresses(const QString& text)
{
    QVector<TextSpan> spans;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const qsizetype prefix = prefixAt(text, at);
        if (prefix == 0)
            continue;
        qsizetype end = at;
        while (end < text.size() && !text[end].isSpace())
            ++end;
        const qsizetype wordEnd = end;
        while (end > at && isTrailingPunctuation(text[end - 1]))
            --end;
        // A bare prefix names no address.
        if (end - at > prefix)
            spans.append({at, end - at});
        at = wordEnd;
    }
    return spans;
}

bool isWebAddress(const QString& text)
{
    const QVector<TextSpan> spans = findWebAddresses(text);
    return spans.size() == 1 && spans.front() == TextSpan {0, text.size()};
}
