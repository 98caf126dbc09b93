// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LargeCaptionCache.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kestive::ui {

LargeCaptionCache::LargeCaptionCache(QLabel& label) : QObject(&label), label_(label) {
    label_.installEventFilter(this);
}

bool LargeCaptionCache::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &label_) return false;
    switch (event->type()) {
        case QEvent::Paint: return paint();
        case QEvent::FontChange:
        case QEvent::PaletteChange:
        case QEvent::ScreenChangeInternal:
            images_.clear();
            starts_.clear();
            return false;
        default: return false;
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

const QList<qreal>& LargeCaptionCache::startsOf(const QString& text) {
    const auto found = starts_.constFind(text);
    if (found != starts_.constEnd()) return *found;
    if (starts_.size() >= 4) starts_.clear();  // the captions of the last few changes are enough
    // Where each character starts: the advance of the text before it, with kerning; then the whole.
    const QFontMetricsF metrics(label_.font());
    QList<qreal> starts;
    for (qsizetype i = 0; i < text.size(); ++i)
        starts << metrics.horizontalAdvance(text.left(i + 1)) - metrics.horizontalAdvance(text[i]);
    starts << metrics.horizontalAdvance(text);
    return *starts_.insert(text, starts);
}

bool LargeCaptionCache::fits(const QString& text) {
    if (label_.textFormat() != Qt::PlainText || label_.alignment() != (Qt::AlignLeft | Qt::AlignTop))
        return false;
    for (QChar c : text)
        if (c.isSurrogate() || !c.isPrint()) return false;
    return startsOf(text).back() <= label_.contentsRect().width();
}

bool LargeCaptionCache::paint() {
    const QString text = label_.text();
    if (!fits(text)) return false;
    const QRect area = label_.contentsRect();
    QPainter p(&label_);
    p.setClipRect(area);
    const QList<qreal> starts = startsOf(text);
    for (qsizetype i = 0; i < text.size(); ++i)
        p.drawPixmap(QPointF(area.left() + std::round(starts[i]) - pad_, area.top()), image(text[i]));
    return true;  // the label's own paint would draw the outlines again
}

void LargeCaptionCache::setCaption(const std::string& text) {
    const QString before = label_.text();
    const QString after = QString::fromStdString(text);
    if (after == before) return;
    if (!fits(before) || !fits(after) || !label_.updatesEnabled()) return label_.setText(after);
    // The characters before the first change stay where they are: only the rest is repainted, from
    // the leftmost ink that a changed character or its unchanged neighbour can have there.
    qsizetype same = 0;
    while (same < before.size() && same < after.size() && before[same] == after[same]) ++same;
    const QRect area = label_.contentsRect();
    const QFontMetricsF metrics(label_.font());
    qreal left = same > 0 ? area.width() : 0, right = 0;  // and up to the rightmost ink of either caption
    for (const QString* t : {&before, &after}) {
        const QList<qreal> starts = startsOf(*t);
        if (same > 0) {
            qreal start = starts[same] + std::min<qreal>(0, metrics.rightBearing((*t)[same - 1]));
            if (same < t->size()) start += std::min<qreal>(0, metrics.leftBearing((*t)[same]));
            left = std::min(left, start);
        }
        if (!t->isEmpty())
            right = std::max(right, starts.back() - std::min<qreal>(0, metrics.rightBearing(t->back())));
    }
    const int from = area.left() + std::max(0, static_cast<int>(std::floor(left)) - 2);
    const int to = std::min(area.right(), area.left() + static_cast<int>(std::ceil(right)) + 2);
    label_.setAttribute(Qt::WA_UpdatesDisabled, true);
    label_.setText(after);
    label_.setAttribute(Qt::WA_UpdatesDisabled, false);
    label_.update(QRect(QPoint(from, area.top()), QPoint(to, area.bottom())));
}

}  // namespace kestive::ui
