// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "app/CasePick.h"
#include "app/DrillTrace.h"
#include "app/SoundOrBell.h"
#include "app/SteadyTickCounter.h"
#include "app/Trainer.h"
#ifdef _WIN32
#include "ui/WindowsSound.h"
#else
#include "ui/CanberraSound.h"
#endif
#include "ui/LocaleNumbers.h"
#include "ui/QtBeeper.h"
#include "ui/QtControlPorts.h"
#include "ui/QtEventPump.h"
#include "ui/QtPictureBox.h"
#include "ui/QtRunningDisplay.h"
#include "ui/SecondaryWindowHandlers.h"
#include "ui/Twips.h"

namespace kestive::ui {

// The main window: the fixed design of its controls, menus and timer, bound to the trainer's handlers.
// The menu items Load Session, Save Session, About and the button Create report are connected by
// SecondaryWindowHandlers, which owns the windows they open.
class Form1 final : public QMainWindow {
    Q_OBJECT
public:
    // place: the folders of the session files and the case pictures. unsaved: the journal of unsaved
    // times (main.cpp makes it in place.journal); without one, kept times live in memory only.
    // scale: how large to draw the design; without one, as large as fits the screen it opens on, at
    // most the design size.
    Form1(RandomSource& random, WorkPlace place, UnsavedTimes* unsaved = nullptr, DrillTrace* trace = nullptr,
          std::optional<double> scale = std::nullopt, QWidget* parent = nullptr);
    ~Form1() override;

    // Runs the start-up sequence, which shows the window.
    void load();

    Trainer& trainer() { return *trainer_; }
    const WorkPlace& place() const { return place_; }
    // Load Session, Save Session, About and Create report, with the windows they open.
    SecondaryWindowHandlers& secondary() { return *secondary_; }
    // A secondary window is closed and destroyed together with the main window.
    void adoptSecondaryWindow(QWidget* window);
    // The area below the menu bar in which the controls stand.
    QWidget* client() const { return client_; }
    // The scale at which this window and its secondary windows are drawn.
    const DesignScale& scale() const { return scale_; }

    // What a window frame is taken to need around the client area and menu bar when the window
    // system cannot say before the window is shown: side borders and a title bar.
    static constexpr QSize kFrameAllowance{8, 40};
    // The scale at which the design, menu bar included, fits the available area of a screen less
    // the frame.
    static DesignScale scaleToFit(QSize available, int menuBarHeight);

    // The controls, named as in the design.
    QtPictureBox* alg = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QPushButton* Command1 = nullptr;  // START / STOP!
    QPushButton* Command2 = nullptr;  // Accept
    QPushButton* Command3 = nullptr;  // Discard
    QPushButton* Command4 = nullptr;  // Exit
    QPushButton* Command5 = nullptr;  // Create report
    QLineEdit* WaitTime = nullptr;
    QLineEdit* showWhen = nullptr;
    QTimer* Timer1 = nullptr;  // runs only while a drill is timing
    std::array<QtPictureBox*, kCaseCount> pll{};
    std::array<QtPictureBox*, kCaseCount> avg{};
    std::array<QLabel*, kCaseCount> avglabel{};
    std::array<QLabel*, kCaseCount> numlabel{};
    std::array<QLabel*, kCaseCount> stdlabel{};
    QMenu* mnuFile = nullptr;
    QAction* mnuLoad = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuQuit = nullptr;
    QAction* mnuAbout = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    class WindowPort;
    class MessagePort;

    QLabel* makeLabel(const char* name, int left, int top, int width, int height, const QString& caption,
                      const QFont& designFont, const QColor& text, const QColor& back);
    QPushButton* makeButton(const char* name, int left, int top, int width, int height,
                            const QString& caption);
    QLineEdit* makeTextBox(const char* name, int left, int top, int width, int height, const QString& text);
    void buildCasePanel();
    void buildMenu();
    void setTabOrder(std::vector<std::pair<int, QWidget*>> stops);
    // Labels are drawn beneath the buttons, bars and text boxes they touch, over the case pictures.
    void putLabelsBeneath();
    void bindTrainer(RandomSource& random, UnsavedTimes* unsaved, DrillTrace* trace);

    WorkPlace place_;
    DesignScale scale_;
    QWidget* client_ = nullptr;
    std::vector<QPointer<QWidget>> secondaryWindows_;

    SteadyTickCounter ticks_;
    QtEventPump pump_;
    QtRunningDisplay display_{*this};
    // The start signal: the sound theme's bell, else the window system's bell.
    QtBeeper bell_;
#ifdef _WIN32
    WindowsSound bellSound_{L"SystemAsterisk"};
#else
    CanberraSound bellSound_{"bell"};
#endif
    SoundOrBell beeper_{bellSound_, bell_};
    LocaleNumberReader numbers_;
    std::unique_ptr<WindowPort> windowPort_;
    std::unique_ptr<MessagePort> messagePort_;
    std::vector<std::unique_ptr<LabelPort>> labelPorts_;
    std::unique_ptr<ButtonPort> command1Port_, command2Port_;
    std::unique_ptr<TextBoxPort> waitTimePort_, showWhenPort_;
    std::unique_ptr<ToolTipPort> algTipPort_;
    std::unique_ptr<Trainer> trainer_;
    QtDialogs dialogs_;
    std::unique_ptr<SecondaryWindowHandlers> secondary_;
};

}  // namespace kestive::ui
