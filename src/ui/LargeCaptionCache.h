// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QHash>
#include <QLabel>
#include <QPixmap>

#include "app/Caption.h"

namespace kestive::ui {

// A label's caption painted from character images made once, and repainted only from the first
// character that changes. Qt draws characters larger than 64 pixels as outlines, filled anew at every
// paint, and sends the whole label to the display server: with the running time (128 pixels, a new
// caption every frame of the screen) those were most of the program's cost while timing. A caption
// that would wrap is left to the label itself.
class LargeCaptionCache final : public QObject, public Caption {
public:
    explicit LargeCaptionCache(QLabel& label);  // watches the label's paints from now on
    bool eventFilter(QObject* watched, QEvent* event) override;
    void setCaption(const std::string& text) override;

private:
    const QPixmap& image(QChar c);
    bool fits(const QString& text);
    const QList<qreal>& startsOf(const QString& text);  // each character's start, then the whole advance
    bool paint();

    QLabel& label_;
    QHash<QChar, QPixmap> images_;
    QHash<QString, QList<qreal>> starts_;  // by caption
    int pad_ = 0;                          // room around each character for strokes beyond its advance
};

}  // namespace kestive::ui
