#include "ui/SecondaryWindow.h"

#include <QPalette>
#include <QStringList>
#include <cmath>

namespace kestive::ui {

SecondaryWindow::SecondaryWindow(QWidget* owner, const QString& caption, int clientWidthTwips,
                                 int clientHeightTwips)
    : QWidget(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint) {
    // A close from the title bar must only hide the window; its owner destroys it.
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(caption);

    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::ButtonText));
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(sansFont(8.25));

    resize(px(clientWidthTwips), px(clientHeightTwips));
}

void SecondaryWindow::present() {
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

int SecondaryWindow::px(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

QRect SecondaryWindow::twipRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

QFont SecondaryWindow::sansFont(double pointSize, bool bold) {
    QFont f;
    f.setFamilies(QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                              QStringLiteral("Sans Serif")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

QFont SecondaryWindow::arialFont(double pointSize, bool bold) {
    QFont f;
    f.setFamilies(QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                              QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

}  // namespace kestive::ui
