#include "ui/QtControlPorts.h"

namespace kestive::ui {

void LabelPort::setCaption(const std::string& text) { label_->setText(QString::fromStdString(text)); }
std::string LabelPort::caption() const { return label_->text().toStdString(); }
void LabelPort::setTextColour(Rgb colour) {
    QPalette p = label_->palette();
    p.setColor(QPalette::WindowText, QColor(colour.r, colour.g, colour.b));
    label_->setPalette(p);
}

void ButtonPort::setCaption(const std::string& text) { button_->setText(QString::fromStdString(text)); }
std::string ButtonPort::caption() const { return button_->text().toStdString(); }
void ButtonPort::setFocus() { button_->setFocus(Qt::OtherFocusReason); }

void ToolTipPort::setToolTip(const std::string& text) { widget_->setToolTip(QString::fromStdString(text)); }

std::string TextBoxPort::text() const { return box_->text().toStdString(); }

}  // namespace kestive::ui
