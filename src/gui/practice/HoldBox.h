#pragma once

#include <QSpinBox>

class QLabel;

// A hold in minutes and seconds ("1:30"), typed either way ("90" or "1:30"). A value typed outside the limits is set
// to the nearest one, and the note beside the box says so until the next change.
class HoldBox : public QSpinBox
{
public:
    HoldBox(QWidget* parent, QLabel* note);

protected:
    QString textFromValue(int value) const override;
    int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& position) const override;
    void fixup(QString& text) const override;

private:
    QLabel* m_note;
    mutable QString m_pendingNote; // set where a typed value is brought within the limits
};
