// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>

#include "ui/Fonts.h"
#include "ui/Twips.h"

namespace kestive::ui {

// What the load dialog, the About window and the report window have in common: a sizable window of
// a fixed design size in twips, button-face background, the small sans window font, no default or
// cancel button. It belongs to the main window (destroyed with it) and is only ever shown and hidden:
// closing it from its title bar hides it like its own button, so it comes back as it was.
class SecondaryWindow : public QWidget {
    Q_OBJECT
public:
    // owner: the main window (may be null in tests), whose scale the window takes. Client size in twips.
    SecondaryWindow(QWidget* owner, const QString& caption, int clientWidthTwips, int clientHeightTwips);

    // Shows the window modeless, or brings it to the front when it is already shown.
    virtual void present();

protected:
    // A place in twips as logical pixels, at the window's scale.
    QRect twips(int left, int top, int width, int height) const {
        return scale_.rect(left, top, width, height);
    }
    // A font of the design at the window's scale.
    QFont scaled(const QFont& designFont) const { return scale_.font(designFont); }

    // A push button at its place (logical pixels) that is never the default button.
    QPushButton* addButton(const char* name, const QString& caption, QRect place);
    // A plain-text label: left- and top-aligned, opaque, wrapping at spaces, cut off below.
    QLabel* addLabel(const char* name, const QString& caption, QRect place);

private:
    DesignScale scale_;
};

}  // namespace kestive::ui
