// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QtPictureBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/PictureResize.h"

namespace kestive::ui {

namespace {
QColor qcolour(Rgb c) {
    return QColor(c.r, c.g, c.b);
}
}  // namespace

QtPictureBox::QtPictureBox(const QColor& background, bool border, QWidget* parent)
    : QWidget(parent), background_(background), border_(border) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
}

int QtPictureBox::px(double twips) const {
    return static_cast<int>(std::lround(twips * scale_.pixelsPerTwip() * deviceRatio_));
}

void QtPictureBox::place(int left, int top, int width, int height, DesignScale scale) {
    scale_ = scale;
    widthTwips_ = width;
    heightTwips_ = height;
    setGeometry(scale.rect(left, top, width, height));
    deviceRatio_ = devicePixelRatioF();
    pixel_ = std::max(1, static_cast<int>(std::lround(scale.factor() * deviceRatio_)));
    const int outline = border_ ? pixel_ : 0;
    image_ = QImage(std::max(0, static_cast<int>(std::lround(this->width() * deviceRatio_)) - 2 * outline),
                    std::max(0, static_cast<int>(std::lround(this->height() * deviceRatio_)) - 2 * outline),
                    QImage::Format_RGB32);
    shown_ = resizeKeepingEveryArea(picture_, shownSize());
    clear();
}

QSize QtPictureBox::shownSize() const {
    // The part of the box the picture covers at the design size, of the box as it is on the screen:
    // a picture made for the box fills it exactly, whatever the rounding of the box's edges.
    const int outline = border_ ? pixel_ : 0;
    auto part = [](int pictureTwips, int boxTwips, int boxPixels) {
        return boxTwips > 0
                   ? static_cast<int>(std::lround(static_cast<double>(pictureTwips) / boxTwips * boxPixels))
                   : 0;
    };
    return QSize(part(picture_.width() * kTwipsPerPixel, widthTwips_, image_.width() + 2 * outline),
                 part(picture_.height() * kTwipsPerPixel, heightTwips_, image_.height() + 2 * outline));
}

void QtPictureBox::drawOwnPicture() {
    if (shown_.isNull()) return;
    QPainter p(&image_);
    p.drawImage(0, 0, shown_);  // at the top-left corner, in its own size
}

void QtPictureBox::clear() {
    image_.fill(background_);
    drawOwnPicture();
    update();
}

void QtPictureBox::fillRect(double x1, double y1, double x2, double y2, Rgb colour) {
    // Straight into the image: the panel fills 57 boxes many times over at start-up.
    // Both corners included: the far corner is a whole design pixel, as wide as a line.
    const QRect r = QRect(QPoint(px(std::min(x1, x2)), px(std::min(y1, y2))),
                          QPoint(px(std::max(x1, x2)) + pixel_ - 1, px(std::max(y1, y2)) + pixel_ - 1))
                        .intersected(image_.rect());
    const QRgb value = qRgb(colour.r, colour.g, colour.b);
    uchar* bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(bits + y * stride);
        std::fill(row + r.left(), row + r.right() + 1, value);
    }
    update();
}

void QtPictureBox::line(double x1, double y1, double x2, double y2, Rgb colour) {
    const int ax = px(x1), ay = px(y1), bx = px(x2), by = px(y2);
    if (ax == bx) {  // the grid's lines are vertical: set the pixels directly, one design pixel wide
        const int left = std::max(0, ax), right = std::min(image_.width() - 1, ax + pixel_ - 1);
        const QRgb value = qRgb(colour.r, colour.g, colour.b);
        const int top = std::max(0, std::min(ay, by));
        const int bottom = std::min(image_.height() - 1, std::max(ay, by) + pixel_ - 1);
        uchar* bits = image_.bits();
        const qsizetype stride = image_.bytesPerLine();
        for (int y = top; y <= bottom && left <= right; ++y) {
            auto* row = reinterpret_cast<QRgb*>(bits + y * stride);
            std::fill(row + left, row + right + 1, value);
        }
    } else {
        QPainter p(&image_);
        p.setPen(QPen(qcolour(colour), pixel_ > 1 ? pixel_ : 0));
        p.drawLine(ax, ay, bx, by);
    }
    update();
}

void QtPictureBox::paintPicture(const Picture& picture, double x, double y, double width, double height) {
    if (picture.empty()) return;
    QPainter p(&image_);  // no smoothing: sticker edges stay hard at any stretch
    p.drawImage(QRect(px(x), px(y), px(width), px(height)), picture.content()->image);
    update();
}

void QtPictureBox::showNow() {
    repaint();
}

bool QtPictureBox::loadPicture(const std::string& fileName) {
    QImage loaded;
    const bool ok = loaded.load(QString::fromStdString(fileName));
    picture_ = ok ? loaded.convertToFormat(QImage::Format_ARGB32_Premultiplied) : QImage();
    loaded_ = ok ? Picture(std::make_shared<const Picture::Content>(Picture::Content{picture_})) : Picture();
    shown_ = resizeKeepingEveryArea(picture_, shownSize());
    image_.fill(background_);
    drawOwnPicture();
    update();
    return ok;
}

// The sizes of the design, whatever the scale: the handlers' numbers stay the same.
double QtPictureBox::outerWidth() const {
    return widthTwips_;
}
double QtPictureBox::outerHeight() const {
    return heightTwips_;
}
double QtPictureBox::innerWidth() const {
    return widthTwips_ - (border_ ? 2 * kTwipsPerPixel : 0);
}
double QtPictureBox::innerHeight() const {
    return heightTwips_ - (border_ ? 2 * kTwipsPerPixel : 0);
}

void QtPictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const double ratio = devicePixelRatioF();
    if (ratio != deviceRatio_) {  // moved to a screen of another pixel ratio: stretch to fit
        const int o = border_ ? 1 : 0;
        if (border_) p.fillRect(rect(), palette().color(QPalette::WindowText));
        p.drawImage(rect().adjusted(o, o, -o, -o), image_);
        return;
    }
    // In screen pixels, so that each pixel of the image is one pixel on the screen.
    p.scale(1 / ratio, 1 / ratio);
    const int outline = border_ ? pixel_ : 0;
    if (border_)
        p.fillRect(QRect(0, 0, image_.width() + 2 * outline, image_.height() + 2 * outline),
                   palette().color(QPalette::WindowText));
    p.drawImage(outline, outline, image_);
}

void QtPictureBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void QtPictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
}

}  // namespace kestive::ui
