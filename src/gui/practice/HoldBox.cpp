#include "gui/practice/HoldBox.h"

#include "core/PracticeSettings.h"
#include "core/PracticeWords.h"

#include <QLabel>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

HoldBox::HoldBox(QWidget* parent, QLabel* note)
    : QSpinBox(parent)
    , m_note(note)
{
    setRange(MinHoldSeconds, MaxHoldSeconds);
    setSingleStep(5);
    setAccelerated(true);
    setToolTip(HoldLimits);
    connect(this, &QSpinBox::valueChanged, m_note, [this] { m_note->clear(); });
    // After the value is set from what was typed, so the note stays for a value brought within the limits.
    connect(this, &QSpinBox::editingFinished, m_note, [this] { m_note->setText(std::exchange(m_pendingNote, {})); });
}

QString HoldBox::textFromValue(int value) const
{
    return clockText(value * qint64(1000));
}

int HoldBox::valueFromText(const QString& text) const
{
    return std::clamp(parseHoldText(text).value_or(value()), MinHoldSeconds, MaxHoldSeconds);
}

QValidator::State HoldBox::validate(QString& text, int&) const
{
    static const QRegularExpression typing(QStringLiteral("^\\s*\\d{0,4}:?\\d{0,5}\\s*$"));
    const std::optional<int> seconds = parseHoldText(text);
    if (!seconds)
        return typing.match(text).hasMatch() ? QValidator::Intermediate : QValidator::Invalid;
    // Out of the limits is still on its way to a value: fixup() brings it in and says so.
    return *seconds >= MinHoldSeconds && *seconds <= MaxHoldSeconds ? QValidator::Acceptable : QValidator::Intermediate;
}

void HoldBox::fixup(QString& text) const
{
    const std::optional<int> seconds = parseHoldText(text);
    if (!seconds)
        return;
    m_pendingNote = holdLimitNote(*seconds);
    text = textFromValue(std::clamp(*seconds, MinHoldSeconds, MaxHoldSeconds));
}
