// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form3.h"

#include <QColor>

#include "ui/WidgetColour.h"

namespace kestive::ui {

Form3::Form3(QWidget* owner) : SecondaryWindow(owner, QStringLiteral("About"), 4650, 4125) {
    Label2 = addLabel("Label2", QStringLiteral("Kestive"), twips(960, 120, 2775, 495));
    Label2->setFont(scaled(sansSerifFont(24, true)));
    setWidgetColour(Label2, QPalette::WindowText, QColor(0, 0, 192));

    Label1 = addLabel("Label1", QStringLiteral("by a very slow cuber"), twips(720, 600, 3375, 375));
    Label1->setFont(scaled(sansSerifFont(13.5, true)));
    setWidgetColour(Label1, QPalette::WindowText, QColor(192, 0, 0));

    Label6 =
        addLabel("Label6", QStringLiteral("...but really, i'm not that bad :)"), twips(2160, 960, 2295, 255));
    Label3 = addLabel("Label3", QStringLiteral("Version " KESTIVE_VERSION), twips(1680, 1440, 1215, 255));

    // A solid rule one pixel high in the window-text colour, from the left edge past the right one.
    Line1 = new QWidget(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    const QRect rule = twips(0, 1680, 4680, 0);
    Line1->setGeometry(rule.x(), rule.y(), rule.width(), 1);
    setWidgetColour(Line1, QPalette::Window, palette().color(QPalette::WindowText));
    Line1->setAutoFillBackground(true);

    Label7 =
        addLabel("Label7",
                 QStringLiteral("NOTE: If you don't like the angle at which the OLL's are shown, you can "
                                "rotate them using Windows image viewer. They are all located in the "
                                "folder of this program. The program merely loads in those images from "
                                "the folder."),
                 twips(120, 1800, 4455, 855));
    setWidgetColour(Label7, QPalette::WindowText, QColor(192, 0, 192));

    Label4 = addLabel("Label4", QStringLiteral("Home: the Kestive project repository"),
                      twips(120, 2760, 4335, 255));
    Label5 = addLabel("Label5", QStringLiteral("Problems? Open an issue in the Kestive repository."),
                      twips(120, 3000, 4335, 255));

    Command1 = addButton("Command1", QStringLiteral("Close"), twips(1560, 3480, 1575, 495));
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
}

void Form3::Command1_Click() {
    hide();
}

}  // namespace kestive::ui
