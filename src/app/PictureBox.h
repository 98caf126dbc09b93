// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "app/Picture.h"
#include "stats/Rgb.h"

namespace kestive {

// A picture box as the handlers draw into it. Coordinates are twips of the box's drawing area, with
// (0, 0) at its top-left corner; what is drawn stays until the box is cleared.
class PictureBox {
public:
    virtual ~PictureBox() = default;

    // Back to the background colour; a loaded picture stays.
    virtual void clear() = 0;
    // Filled rectangle between two corner points, both included.
    virtual void fillRect(double x1, double y1, double x2, double y2, Rgb colour) = 0;
    virtual void line(double x1, double y1, double x2, double y2, Rgb colour) = 0;
    // Draws picture stretched to width x height at (x, y), pixels kept hard-edged; an empty picture
    // draws nothing.
    virtual void paintPicture(const Picture& picture, double x, double y, double width, double height) = 0;
    // Puts what was drawn on the screen now, before returning.
    virtual void showNow() = 0;
    // Makes the picture in the file (relative names against the current folder) the box's picture.
    // False when the file is missing or is not a readable picture; the box then stays empty.
    virtual bool loadPicture(const std::string& fileName) = 0;
    // The loaded picture, to paint into another box; empty when none is loaded.
    virtual Picture picture() const = 0;

    // Sizes in twips: outer is the control with its border, inner the drawing area.
    virtual double outerWidth() const = 0;
    virtual double outerHeight() const = 0;
    virtual double innerWidth() const = 0;
    virtual double innerHeight() const = 0;
};

}  // namespace kestive
