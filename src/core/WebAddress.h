#pragma once

#include <QString>
#include <QVector>

struct TextSpan
{
    qsizetype start = 0;
    qsizetype length = 0;

    friend bool operator==(TextSpan a, TextSpan b) { return a.start == b.start && a.length == b.length; }
};

// The web addresses in a line of text: runs beginning "http://", "https://" or "www." (any case) up to the next
// white space, without trailing punctuation that ends a sentence.
QVector<TextSpan> findWebAddresses(const QString& text);
bool isWebAddress(const QString& text);
