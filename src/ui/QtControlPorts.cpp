// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QtControlPorts.h"

#include "ui/WidgetColour.h"

namespace kestive::ui {

void LabelPort::setCaption(const std::string& text) {
    label_->setText(QString::fromStdString(text));
}
void LabelPort::setTextColour(Rgb colour) {
    setWidgetColour(label_, QPalette::WindowText, QColor(colour.r, colour.g, colour.b));
}

void ButtonPort::setCaption(const std::string& text) {
    button_->setText(QString::fromStdString(text));
}
void ButtonPort::setFocus() {
    button_->setFocus(Qt::OtherFocusReason);
}

void ToolTipPort::setToolTip(const std::string& text) {
    widget_->setToolTip(QString::fromStdString(text));
}

std::string TextBoxPort::text() const {
    return box_->text().toStdString();
}

}  // namespace kestive::ui
