#include "gui/style/ControlStyle.h"

#include <QApplication>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionSlider>
#include <QStyleOptionSpinBox>
#include <QStyleOptionToolButton>

namespace {

template <typename Option, typename Draw> void drawCopy(const QStyleOption* option, const Draw& draw)
{
    Option copy(*static_cast<const Option*>(option));
    copy.palette = Style::sharedPalette(option->palette);
    draw(&copy);
}

// Only the kinds of control whose drawings the style caches; anything else is drawn as it comes.
template <typename Draw> void drawWithSharedPalette(const QStyleOption* option, const Draw& draw)
{
    if (!option)
        return draw(option);
    switch (option->type) {
    case QStyleOption::SO_Button:
        return drawCopy<QStyleOptionButton>(option, draw);
    case QStyleOption::SO_Slider:
        return drawCopy<QStyleOptionSlider>(option, draw);
    case QStyleOption::SO_ToolButton:
        return drawCopy<QStyleOptionToolButton>(option, draw);
    case QStyleOption::SO_ComboBox:
        return drawCopy<QStyleOptionComboBox>(option, draw);
    case QStyleOption::SO_SpinBox:
        return drawCopy<QStyleOptionSpinBox>(option, draw);
    default:
        return draw(option);
    }
}

} // namespace

void ControlStyle::drawPrimitive(
    PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    drawWithSharedPalette(
        option, [&](const QStyleOption* shared) { QProxyStyle::drawPrimitive(element, shared, painter, widget); });
}

void ControlStyle::drawControl(
    ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    drawWithSharedPalette(
        option, [&](const QStyleOption* shared) { QProxyStyle::drawControl(element, shared, painter, widget); });
}

void ControlStyle::drawComplexControl(
    ComplexControl control, const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const
{
    drawWithSharedPalette(option, [&](const QStyleOption* shared) {
        QProxyStyle::drawComplexControl(control, static_cast<const QStyleOptionComplex*>(shared), painter, widget);
    });
}

namespace Style {

void installControlStyle()
{
    QApplication::setStyle(new ControlStyle);
}

QPalette sharedPalette(const QPalette& palette)
{
    // A handful of colour sets in the whole program, so a list is enough.
    static QList<QPalette> kept;
    qsizetype index = kept.indexOf(palette);
    if (index < 0) {
        index = kept.size();
        kept.append(palette);
    }
    QPalette result = kept.at(index);
    result.setCurrentColorGroup(palette.currentColorGroup());
    return result;
}

} // namespace Style
