#include "gui/practice/PracticeLook.h"

#include "gui/style/Controls.h"
#include "gui/style/Look.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace PracticeLook {

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QSize size)
{
    QPushButton* result = Style::button(parent, name, caption, {});
    result->setMinimumSize(size);
    // A plain widget's buttons ignore Enter unless they are auto-default; a dialog's are so by nature.
    result->setAutoDefault(true);
    return result;
}

QLabel* valueLabel(QWidget* parent, const char* name, const QColor& colour)
{
    QLabel* label = Style::label(parent, name, QString(), {}, colour, Style::verdana(8.25, true));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : buttons)
        row->addWidget(b);
    return row;
}

QColor phaseColour(PhaseLook look)
{
    switch (look) {
    case PhaseLook::GetReady:
        return Style::yellow;
    case PhaseLook::Hold:
        return {128, 255, 128};
    case PhaseLook::ChangeSides:
        return {255, 176, 64};
    case PhaseLook::Paused:
        break;
    }
    return {208, 208, 208};
}

void setPixelFont(QWidget* widget, int pixels, bool bold)
{
    QFont font = widget->font();
    font.setPixelSize(std::max(pixels, 8));
    font.setBold(bold);
    if (widget->font() != font)
        widget->setFont(font);
}

} // namespace PracticeLook
