#include "ui/QtPictureBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/Twips.h"

namespace kestive::ui {

namespace {
int px(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
QColor qcolour(Rgb c) { return QColor(c.r, c.g, c.b); }
}  // namespace

QtPictureBox::QtPictureBox(const QColor& background, bool border, QWidget* parent)
    : QWidget(parent), background_(background), border_(border ? 1 : 0) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
}

void QtPictureBox::place(int left, int top, int width, int height) {
    setGeometry(twipRect(left, top, width, height));
    image_ = QImage(std::max(0, toPixels(width) - 2 * border_), std::max(0, toPixels(height) - 2 * border_),
                    QImage::Format_RGB32);
    clear();
}

void QtPictureBox::drawOwnPicture() {
    if (picture_.isNull()) return;
    QPainter p(&image_);
    p.drawImage(0, 0, picture_);  // at the top-left corner, in its own size
}

void QtPictureBox::clear() {
    image_.fill(background_);
    drawOwnPicture();
    update();
}

void QtPictureBox::fillRect(double x1, double y1, double x2, double y2, Rgb colour) {
    // Straight into the image: the panel fills 57 boxes many times over at start-up.
    const QRect r = QRect(QPoint(px(std::min(x1, x2)), px(std::min(y1, y2))), QPoint(px(std::max(x1, x2)), px(std::max(y1, y2))))
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
    if (ax == bx) {  // the grid's lines are vertical: set the pixels directly
        if (ax >= 0 && ax < image_.width()) {
            const QRgb value = qRgb(colour.r, colour.g, colour.b);
            const int top = std::max(0, std::min(ay, by)), bottom = std::min(image_.height() - 1, std::max(ay, by));
            uchar* bits = image_.bits();
            const qsizetype stride = image_.bytesPerLine();
            for (int y = top; y <= bottom; ++y) reinterpret_cast<QRgb*>(bits + y * stride)[ax] = value;
        }
    } else {
        QPainter p(&image_);
        p.setPen(QPen(qcolour(colour), 0));
        p.drawLine(ax, ay, bx, by);
    }
    update();
}

void QtPictureBox::paintPicture(const PictureBox& source, double x, double y, double width, double height) {
    const auto* from = dynamic_cast<const QtPictureBox*>(&source);
    if (!from) return;
    if (!from->picture_.isNull()) {
        QPainter p(&image_);  // no smoothing: sticker edges stay hard at any stretch
        p.drawImage(QRect(px(x), px(y), px(width), px(height)), from->picture_);
    }
    update();
}

void QtPictureBox::showNow() { repaint(); }

bool QtPictureBox::loadPicture(const std::string& fileName) {
    QImage loaded;
    const bool ok = loaded.load(QString::fromStdString(fileName));
    picture_ = ok ? loaded.convertToFormat(QImage::Format_ARGB32_Premultiplied) : QImage();
    image_.fill(background_);
    drawOwnPicture();
    update();
    return ok;
}

double QtPictureBox::outerWidth() const { return width() * kTwipsPerPixel; }
double QtPictureBox::outerHeight() const { return height() * kTwipsPerPixel; }
double QtPictureBox::innerWidth() const { return image_.width() * kTwipsPerPixel; }
double QtPictureBox::innerHeight() const { return image_.height() * kTwipsPerPixel; }

void QtPictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (border_ > 0) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawRect(0, 0, width() - 1, height() - 1);
    }
    p.drawImage(border_, border_, image_);
}

void QtPictureBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void QtPictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
}

}  // namespace kestive::ui
