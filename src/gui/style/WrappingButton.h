#pragma once

#include <QPushButton>

// A button whose caption wraps onto more lines when it is wider than the button.
class WrappingButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
