#include "ui/LargeCaptionCache.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace kestive::ui {

LargeCaptionCache::LargeCaptionCache(QLabel& label) : QObject(&label), label_(label) {
    label_.installEventFilter(this);
}

bool LargeCaptionCache::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &label_) return false;
    switch (event->type()) {
    case QEvent::Paint:
        return paint();
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::ScreenChangeInternal:
        images_.clear();
        return false;
    default:
        return false;
    }
}

const QPixmap& LargeCaptionCache::image(QChar c) {
    const auto found = images_.constFind(c);
    if (found != images_.constEnd()) return *found;
    const QFontMetricsF metrics(label_.font());
    pad_ = static_cast<int>(std::ceil(metrics.height() / 4));
    const qreal ratio = label_.devicePixelRatioF();
    const QSizeF size(std::ceil(metrics.horizontalAdvance(c)) + 2 * pad_, std::ceil(metrics.height()));
    QPixmap picture((size * ratio).toSize());
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setFont(label_.font());
    p.setPen(label_.palette().color(label_.foregroundRole()));
    p.drawText(QPointF(pad_, metrics.ascent()), QString(c));
    return *images_.insert(c, picture);
}

bool LargeCaptionCache::paint() {
    const QString text = label_.text();
    const QRect area = label_.contentsRect();
    const QFontMetricsF metrics(label_.font());
    if (label_.textFormat() != Qt::PlainText || label_.alignment() != (Qt::AlignLeft | Qt::AlignTop) ||
        metrics.horizontalAdvance(text) > area.width())
        return false;
    for (QChar c : text)
        if (c.isSurrogate() || !c.isPrint()) return false;
    QPainter p(&label_);
    p.setClipRect(area);
    for (qsizetype i = 0; i < text.size(); ++i) {
        // Where the character starts: the advance of the text before it, with kerning.
        const qreal x = metrics.horizontalAdvance(text.left(i + 1)) - metrics.horizontalAdvance(text[i]);
        p.drawPixmap(QPointF(area.left() + std::round(x) - pad_, area.top()), image(text[i]));
    }
    return true;  // the label's own paint would draw the outlines again
}

}  // namespace kestive::ui
