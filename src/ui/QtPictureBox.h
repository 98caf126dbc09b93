#pragma once
#include <QColor>
#include <QImage>
#include <QWidget>

#include "app/PictureBox.h"

namespace kestive::ui {

// A picture box that keeps what was drawn into it in an image of its drawing area, so the drawing
// survives the window being covered and uncovered. It draws in twips from its area's top-left corner.
class QtPictureBox final : public QWidget, public PictureBox {
    Q_OBJECT
public:
    // With a border, the box has a one-pixel outline in the text colour around its drawing area.
    QtPictureBox(const QColor& background, bool border, QWidget* parent);

    // Places the box (twips) and makes its drawing area.
    void place(int left, int top, int width, int height);

    void clear() override;
    void fillRect(double x1, double y1, double x2, double y2, Rgb colour) override;
    void line(double x1, double y1, double x2, double y2, Rgb colour) override;
    void paintPicture(const PictureBox& source, double x, double y, double width, double height) override;
    void showNow() override;
    bool loadPicture(const std::string& fileName) override;
    double outerWidth() const override;
    double outerHeight() const override;
    double innerWidth() const override;
    double innerHeight() const override;

    // What the drawing area shows, one pixel per 15 twips.
    const QImage& image() const { return image_; }
    const QImage& picture() const { return picture_; }
    const QColor& background() const { return background_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void drawOwnPicture();

    QColor background_;
    int border_;
    QImage picture_;  // the loaded picture; clearing keeps it
    QImage image_;    // the drawing area
    bool pressed_ = false;
};

}  // namespace kestive::ui
