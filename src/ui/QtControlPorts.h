// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/Caption.h"
#include "app/Focusable.h"
#include "app/TextColour.h"
#include "app/TextSource.h"
#include "app/ToolTip.h"

namespace kestive::ui {

// A label as the handlers see it: a caption and a text colour.
class LabelPort final : public Caption, public TextColour {
public:
    explicit LabelPort(QLabel* label) : label_(label) {}
    void setCaption(const std::string& text) override;
    void setTextColour(Rgb colour) override;

private:
    QLabel* label_;
};

// A push button as the handlers see it: a caption that can take the focus.
class ButtonPort final : public Caption, public Focusable {
public:
    explicit ButtonPort(QPushButton* button) : button_(button) {}
    void setCaption(const std::string& text) override;
    void setFocus() override;

private:
    QPushButton* button_;
};

// A text box as the handlers see it: the text the user typed.
class TextBoxPort final : public TextSource {
public:
    explicit TextBoxPort(QLineEdit* box) : box_(box) {}
    std::string text() const override;

private:
    QLineEdit* box_;
};

// Any control's tooltip.
class ToolTipPort final : public ToolTip {
public:
    explicit ToolTipPort(QWidget* widget) : widget_(widget) {}
    void setToolTip(const std::string& text) override;

private:
    QWidget* widget_;
};

}  // namespace kestive::ui
