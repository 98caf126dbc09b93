// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <QSize>

namespace kestive::ui {

// Resizes a picture made of flat areas (stickers, the gaps between them, outlines) so that none of
// them is lost: every run of identical columns keeps at least one column and every run of identical
// rows at least one row, each run at its place to within a pixel, and colours stay as they are.
// A picture with more runs than the new size has pixels cannot keep them all; it is resampled
// smoothly instead, so thin details fade rather than vanish.
QImage resizeKeepingEveryArea(const QImage& picture, QSize size);

}  // namespace kestive::ui
