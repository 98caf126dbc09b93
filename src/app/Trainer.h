// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/FeedbackLine.h"
#include "app/MainWindowControls.h"
#include "app/Platform.h"
#include "app/TrainerState.h"
#include "app/UnsavedTimesNotices.h"
#include "session/SessionFile.h"

namespace kestive {

// The main window's behaviour without the window system: start-up and shut-down, the START/STOP drill
// with its countdown, Accept and Discard, the running display and the case panel. The window binds its
// events to these handlers and hands in its controls and the platform's services. What the journal of
// unsaved times has to tell the user is UnsavedTimesNotices' business.
class Trainer {
public:
    Trainer(const MainWindowControls& controls, const Platform& platform);

    // Start-up and shut-down.
    void Form_Load();
    // Asks first while some kept time is on no disk; cancel says the user chose to stay.
    void Form_Unload(int& cancel);
    void Command4_Click();  // Exit
    void mnuQuit_Click();

    // The drill.
    void Command1_Click();  // START / STOP: startDrill when idle, stopDrill while timing
    // Command1 went down (mouse button or Space) at tick. While timing, that is the moment of STOP; the
    // click that follows when the button comes up runs STOP with it.
    void Command1_Press(std::int32_t tick);
    // Command1 came up again without a click (released off the button, say): the press is forgotten.
    void Command1_PressLost();
    void Command2_Click();  // Accept
    void Command3_Click();  // Discard
    void Timer1_Timer();

    // The case panel.
    void pll_Click(int Index);
    void drawTime(int pll);
    void drawgrid(int j);
    void LoadPictures();

    // Replaces the kept times with those of a session file and redraws the panel. The file is taken
    // whole or not at all: on a fault the store stays as it was and the error comes back.
    [[nodiscard]] Result<Done, SessionError> loadfile(const std::filesystem::path& name);
    // Save Session wrote the store: the times on disk need no keeping any more.
    void sessionSaved();
    // How numbers are written in the user's locale.
    const NumberFormat& numberFormat() const { return p_.format; }

    // Waits ms of the tick counter while the window system runs its events. False when the main
    // window was closed meanwhile: the caller must then return without touching any control.
    //
    // The countdown is the only caller, and inside it any handler of any window may run:
    // - Command1_Click and Command1_Press: START/STOP does nothing while counting down, but a press
    //   is noted, so that a button held from the countdown cannot stop the clock at the reveal;
    // - Command2_Click (Accept) and Timer1_Timer: nothing, the drill is not idle or timing;
    // - Command3_Click (Discard): the drill is aborted: drillState is kIdle, drillNumber_ changes and
    //   the display is reset;
    // - Form_Unload (Exit, Quit, the close box): unloaded_ is set and delay returns false;
    // - pll_Click: cases are enabled or disabled (the case already picked stays picked);
    // - loadfile (Load Session): the kept times, the panel and the feedback line change;
    // - Save Session, About, Create report: they read the kept times only;
    // - the user edits the text boxes: showWhen is read anew at every step, WaitTime is not.
    // So on true the caller must still check drillNumber_ before it goes on with its drill.
    bool delay(std::int32_t ms);

    // Read-only: the handlers above are the only way to change the state.
    const TrainerState& state() const { return state_; }
    // The kept times, for saving and the report.
    const TimeStore& store() const { return state_.store; }
    bool unloaded() const { return unloaded_; }
    // The files LoadPictures could not load, in case order.
    const std::string& missingPictures() const { return missingPictures_; }
    // Names the pictures that are missing and every folder they were looked for in.
    std::string missingPicturesMessage() const;

    // Texts of the feedback line when START refuses to begin.
    static const char* const kNoCaseEnabled;
    static const char* const kWaitTimeNotANumber;
    static const char* const kWaitTimeOutOfRange;

private:
    // START: checks what could refuse, counts down, reveals the case and starts the clock.
    void startDrill();
    // The countdown from seconds to 1, the case shown early as showWhen says. False when the drill
    // ended meanwhile (the window closed, or Discard): nothing may be touched then.
    bool countDown(std::int16_t seconds, int caseIndex);
    void reveal(int caseIndex);
    // STOP at tick: the attempt waits for Accept or Discard.
    void stopDrill(std::int32_t tick);
    void refuse(const char* text);
    // With every kept time on disk, yes; else the user decides: save first, lose them, or stay.
    bool mayQuit();
    void paintCase(int caseIndex);
    void resetDisplay();
    void clearAlg();
    std::string twoDecimals(double value) const;

    MainWindowControls c_;
    Platform p_;
    FeedbackLine feedback_;
    UnsavedTimesNotices unsaved_;
    TrainerState state_;
    bool attemptWaiting_ = false;  // a stopped attempt waits for Accept or Discard
    bool unloaded_ = false;
    std::optional<std::int32_t> stopPress_;  // tick of a press made while timing, until its click
    bool earlyPress_ = false;                // Command1 went down before the case was shown
    std::uint32_t drillNumber_ = 0;          // changes whenever a drill starts or is aborted
    std::string missingPictures_;            // the files LoadPictures could not load, in case order
};

}  // namespace kestive
