#pragma once
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

namespace kestive::ui {

// What the load dialog, the About window and the report window have in common: a sizable window of
// a fixed design size in twips, button-face background, the small sans window font, no default or
// cancel button. It belongs to the main window (destroyed with it) and is only ever shown and hidden:
// closing it from its title bar hides it like its own button, so it comes back as it was.
class SecondaryWindow : public QWidget {
    Q_OBJECT
public:
    // owner: the main window (may be null in tests). Client size in twips.
    SecondaryWindow(QWidget* owner, const QString& caption, int clientWidthTwips, int clientHeightTwips);

    // Shows the window modeless, or brings it to the front when it is already shown.
    virtual void present();

    // 15 twips make one logical pixel.
    static int px(int twips);
    static QRect twipRect(int left, int top, int width, int height);
    // The window font and its larger cousins: the closest installed sans serif face.
    static QFont sansFont(double pointSize, bool bold = false);
    // Arial's metric twin where installed.
    static QFont arialFont(double pointSize, bool bold = false);
};

}  // namespace kestive::ui
