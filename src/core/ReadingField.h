#pragma once

#include <QString>

// One value the reading action writes into the reading window, addressed by control name.
struct ReadingField
{
    enum class Kind {
        Caption, // a label's caption
        Text, // a text box's text
        Picture // a picture box's picture, given as a resource path
    };

    QString control;
    Kind kind;
    QString value;

    bool operator==(const ReadingField& other) const
    {
        return control == other.control && kind == other.kind && value == other.value;
    }
};
