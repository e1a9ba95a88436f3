#include "gui/style/WrappingButton.h"

#include <QPainter>
#include <QStyleOptionButton>

void WrappingButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(rect().adjusted(4, 2, -4, -2), Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
}
