#include "ui/SecondaryWindow.h"

#include <QPalette>

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
    setFont(sansSerifFont(8.25));

    resize(toPixels(clientWidthTwips), toPixels(clientHeightTwips));
}

void SecondaryWindow::present() {
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

}  // namespace kestive::ui
