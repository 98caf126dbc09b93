// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SecondaryWindow.h"

#include <QShortcut>

#include "ui/DesignPalette.h"
#include "ui/Form1.h"
#include "ui/WidgetColour.h"

namespace kestive::ui {

SecondaryWindow::SecondaryWindow(QWidget* owner, const QString& caption, int clientWidthTwips,
                                 int clientHeightTwips)
    : QWidget(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint) {
    if (const auto* main = qobject_cast<const Form1*>(owner)) scale_ = main->scale();
    // A close from the title bar must only hide the window; its owner destroys it.
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(caption);

    QPalette colours = designPalette();  // the design's light colours, whatever the desktop's palette
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ButtonText));
    setPalette(colours);
    setAutoFillBackground(true);
    setFont(scale_.font(sansSerifFont(8.25)));

    resize(scale_.px(clientWidthTwips), scale_.px(clientHeightTwips));
    // Escape closes the window, that is, hides it like its Close or Cancel button.
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
}

QPushButton* SecondaryWindow::addButton(const char* name, const QString& caption, QRect place) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(place);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

QLabel* SecondaryWindow::addLabel(const char* name, const QString& caption, QRect place) {
    auto* l = new QLabel(caption, this);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(place);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);
    l->setAutoFillBackground(true);
    l->setTextFormat(Qt::PlainText);
    return l;
}

void SecondaryWindow::present() {
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

}  // namespace kestive::ui
