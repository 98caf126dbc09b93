// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QImage>
#include <QWidget>

#include "app/PictureBox.h"
#include "ui/Twips.h"

// A picture as the Qt boxes load and paint it; the image is shared, not copied, as it is handed on.
struct kestive::Picture::Content {
    QImage image;
};

namespace kestive::ui {

// A picture box that keeps what was drawn into it in an image of its drawing area, so the drawing
// survives the window being covered and uncovered. It draws in twips from its area's top-left corner.
// The image has the screen's own pixels: one design pixel (15 twips) is a whole number of them, the
// same for every line and outline, and the image is put on the screen without resampling.
class QtPictureBox final : public QWidget, public PictureBox {
    Q_OBJECT
public:
    // With a border, the box has a one-pixel outline in the text colour around its drawing area.
    QtPictureBox(const QColor& background, bool border, QWidget* parent);

    // Places the box (twips, drawn at scale) and makes its drawing area.
    void place(int left, int top, int width, int height, DesignScale scale = DesignScale());

    void clear() override;
    void fillRect(double x1, double y1, double x2, double y2, Rgb colour) override;
    void line(double x1, double y1, double x2, double y2, Rgb colour) override;
    void paintPicture(const Picture& picture, double x, double y, double width, double height) override;
    void showNow() override;
    bool loadPicture(const std::string& fileName) override;
    Picture picture() const override { return loaded_; }
    double outerWidth() const override;
    double outerHeight() const override;
    double innerWidth() const override;
    double innerHeight() const override;

    // What the drawing area shows, in screen pixels.
    const QImage& image() const { return image_; }
    // Screen pixels of one design pixel: the width of a line and of the outline.
    int linePixels() const { return pixel_; }
    const QImage& loadedImage() const { return picture_; }
    const QColor& background() const { return background_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void drawOwnPicture();
    // The size at which the loaded picture is drawn.
    QSize shownSize() const;
    // Twips of the drawing area as its pixels.
    int px(double twips) const;

    QColor background_;
    bool border_;
    DesignScale scale_;
    double deviceRatio_ = 1;  // screen pixels per logical pixel when placed
    int pixel_ = 1;           // screen pixels per design pixel, at least one
    int widthTwips_ = 0, heightTwips_ = 0;
    QImage picture_;  // the loaded picture; clearing keeps it
    Picture loaded_;  // the same, as handed to other boxes
    QImage shown_;    // the loaded picture at the size it is drawn
    QImage image_;    // the drawing area
    bool pressed_ = false;
};

}  // namespace kestive::ui
