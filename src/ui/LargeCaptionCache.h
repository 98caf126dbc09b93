#pragma once
#include <QHash>
#include <QLabel>
#include <QPixmap>

namespace kestive::ui {

// Paints a label's caption from character images made once. Qt draws characters larger than
// 64 pixels as outlines, filled anew at every paint; the running time repaints Label1 (128 pixels)
// once per frame of the screen, which that would make the program's largest cost. A caption that
// would wrap is left to the label itself.
class LargeCaptionCache final : public QObject {
public:
    explicit LargeCaptionCache(QLabel& label);  // watches the label's paints from now on
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const QPixmap& image(QChar c);
    bool paint();

    QLabel& label_;
    QHash<QChar, QPixmap> images_;
    int pad_ = 0;  // room around each character for strokes beyond its advance
};

}  // namespace kestive::ui
