// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Trainer.h"

#include <cmath>
#include <utility>

#include "cases/CasePanelLayout.h"
#include "cases/CasePicture.h"
#include "cases/OllCases.h"
#include "session/PathText.h"
#include "stats/NumberText.h"

namespace kestive {

namespace {
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kGridGrey{50, 50, 50};
constexpr std::int32_t kCountdownStepMs = 1000;
}  // namespace

const char* const Trainer::kNoCaseEnabled =
    "At least one case must be enabled: click a case picture to enable it.";
const char* const Trainer::kWaitTimeNotANumber = "Wait Time must be a number of seconds.";
const char* const Trainer::kWaitTimeOutOfRange = "Wait Time must lie between -32768 and 32767 seconds.";

Trainer::Trainer(const MainWindowControls& controls, const Platform& platform)
    : c_(controls),
      p_(platform),
      feedback_(*c_.label5, *c_.label5Colour, p_.format),
      unsaved_(p_.unsaved, feedback_) {}

std::string Trainer::twoDecimals(double value) const {
    return kestive::twoDecimals(value, p_.format);
}

// ---- start-up and shut-down ----

void Trainer::Form_Load() {
    // The random source was seeded from the clock when the window system made it, just before this.
    state_.store.clear();  // one empty slot per case, no records, maxAverage and timesCapacity 0
    state_.drillState = kIdle;
    LoadPictures();
    p_.window->show();
    c_.command1Focus->setFocus();
    for (int j = 0; j < kCaseCount; ++j) drawgrid(j);
    state_.caseEnabled.fill(true);
    for (int i = 0; i < kCaseCount; ++i) drawTime(i);
    c_.label1->setCaption(twoDecimals(0));  // the design's "0.00" in the user's number format
    if (!missingPictures_.empty()) p_.messenger->showMessage(missingPicturesMessage());
    unsaved_.recoverLeftTimes();
}

void Trainer::Form_Unload(int& cancel) {
    if (!mayQuit()) {
        cancel = 1;  // the window stays, and so does everything in it
        return;
    }
    unloaded_ = true;  // a countdown that is waiting notices this and stops
    unsaved_.closing(state_.store);
    p_.window->destroySecondaryWindows();
}

bool Trainer::mayQuit() {
    if (unsaved_.timesNotOnDisk() == 0) return true;
    unsaved_.closing(state_.store);  // a last try: the disk may take them by now
    const std::size_t notOnDisk = unsaved_.timesNotOnDisk();
    if (notOnDisk == 0) return true;
    switch (p_.messenger->askBeforeQuit(notOnDisk)) {
        case QuitChoice::QuitAndLose: return true;
        case QuitChoice::SaveFirst:
            if (!p_.messenger->saveSessionNow()) return false;  // cancelled or failed: said there
            sessionSaved();
            return true;
        case QuitChoice::StayOpen: return false;
    }
    return false;
}

void Trainer::Command4_Click() {
    p_.window->close();
}

void Trainer::mnuQuit_Click() {
    Command4_Click();
}

// ---- the drill ----

void Trainer::refuse(const char* text) {
    feedback_.show({text, FeedbackLine::kRed});
}

void Trainer::paintCase(int caseIndex) {
    c_.alg->paintPicture(c_.pll[caseIndex]->picture(), 0, 0, c_.alg->innerWidth(), c_.alg->innerHeight());
}

void Trainer::Command1_Press(std::int32_t tick) {
    stopPress_.reset();
    earlyPress_ = state_.drillState != kTiming;
    if (!earlyPress_) stopPress_ = tick;
}

void Trainer::Command1_PressLost() {
    stopPress_.reset();
    earlyPress_ = false;
}

void Trainer::Command1_Click() {
    // A click without a press of its own (from a screen reader, say) stops when it arrives.
    const std::int32_t clickTick = p_.ticks->now();
    const std::optional<std::int32_t> pressTick = std::exchange(stopPress_, std::nullopt);
    const bool earlyPress = std::exchange(earlyPress_, false);
    if (unloaded_) return;
    switch (state_.drillState) {
        case kIdle: startDrill(); return;
        case kTiming: {
            // A press from before the reveal cannot have answered the case: held down through the
            // countdown, or made while the case went onto the screen (stamped before startTick). Like a
            // press during the countdown it does nothing, so no time is ever zero or negative.
            const std::int32_t tick = pressTick.value_or(clickTick);
            if (!earlyPress && elapsedMs(state_.startTick, tick) > 0) stopDrill(tick);
            return;
        }
        default: return;  // counting down: the START further down the stack runs this drill
    }
}

void Trainer::startDrill() {
    // Everything that can refuse is checked before the first event is let through.
    feedback_.clear();
    const std::optional<std::int16_t> picked = pickCase(state_.caseEnabled, *p_.random);
    if (!picked) return refuse(kNoCaseEnabled);
    const std::optional<double> wait = p_.numbers->numberFromText(c_.waitTime->text());
    if (!wait || !std::isfinite(*wait)) return refuse(kWaitTimeNotANumber);
    const double whole = std::floor(*wait);
    if (whole < -32768.0 || whole > 32767.0) return refuse(kWaitTimeOutOfRange);

    if (attemptWaiting_) {  // the stopped attempt is dropped: its case must not stand through the countdown
        attemptWaiting_ = false;
        resetDisplay();
    }
    state_.drillState = kCountingDown;
    if (countDown(static_cast<std::int16_t>(whole), *picked)) reveal(*picked);
}

bool Trainer::countDown(std::int16_t seconds, int caseIndex) {
    const std::uint32_t thisDrill = ++drillNumber_;
    for (std::int16_t count = seconds; count >= 1; --count) {
        c_.label1->setCaption(plainInteger(count));
        // Read anew at every step; text that is not a number never shows the case early.
        const std::optional<double> showWhen = p_.numbers->numberFromText(c_.showWhen->text());
        if (showWhen && std::isfinite(*showWhen) && std::floor(*showWhen) >= count) paintCase(caseIndex);
        if (!delay(kCountdownStepMs)) return false;   // the window was closed: touch nothing
        if (drillNumber_ != thisDrill) return false;  // Discard aborted this drill meanwhile
    }
    return true;
}

void Trainer::reveal(int caseIndex) {
    paintCase(caseIndex);
    c_.alg->showNow();  // the case is on the screen: timing starts now
    state_.startTick = p_.ticks->now();
    state_.currentCase = static_cast<std::int16_t>(caseIndex);
    state_.drillState = kTiming;
    if (p_.trace) p_.trace->revealed(state_.currentCase, state_.startTick);
    p_.display->timingBegan();
    c_.command1->setCaption("STOP!");
    p_.beeper->beep();
}

void Trainer::stopDrill(std::int32_t tick) {
    state_.lastTime = elapsedMs(state_.startTick, tick);
    state_.drillState = kIdle;
    p_.display->timingEnded();
    attemptWaiting_ = true;
    if (p_.trace) p_.trace->stopped(state_.currentCase, state_.lastTime);
    // The number on the screen is the number Accept keeps, and now the answer may be named.
    c_.label1->setCaption(twoDecimals(static_cast<double>(state_.lastTime) / 1000.0));
    c_.algTip->setToolTip(ollCaseTitle(state_.currentCase));
    c_.command2Focus->setFocus();
}

void Trainer::clearAlg() {
    c_.alg->clear();
    c_.algTip->setToolTip("");
}

void Trainer::resetDisplay() {
    clearAlg();
    c_.label1->setCaption(twoDecimals(0));
    c_.command1->setCaption("START");
    c_.command1Focus->setFocus();
}

void Trainer::Command2_Click() {
    if (unloaded_) return;
    // While counting down or timing there is nothing to keep yet.
    if (state_.drillState != kIdle) return;
    clearAlg();
    if (attemptWaiting_) {
        attemptWaiting_ = false;
        const KeepResult result = state_.store.addTime(state_.currentCase, state_.lastTime);
        if (result) {
            feedback_.showRecord(result.value());
            unsaved_.kept(state_.store, state_.currentCase, state_.lastTime);
            // Traced once it is on disk: whoever reads the trace may count on the journal.
            if (p_.trace) p_.trace->kept(state_.currentCase, state_.lastTime);
        } else {
            feedback_.showRefusal(result.error(), state_.currentCase);
        }
        drawTime(state_.currentCase);
    }
    c_.label1->setCaption(twoDecimals(0));
    c_.command1Focus->setFocus();
    c_.command1->setCaption("START");
}

void Trainer::Command3_Click() {
    if (unloaded_) return;
    if (state_.drillState != kIdle) {
        // Abort the drill: a waiting countdown stops without revealing, the clock stops.
        if (state_.drillState == kTiming) p_.display->timingEnded();
        state_.drillState = kIdle;
        ++drillNumber_;
    }
    attemptWaiting_ = false;
    resetDisplay();
}

void Trainer::Timer1_Timer() {
    if (unloaded_ || state_.drillState != kTiming) return;
    const std::int32_t elapsed = elapsedMs(state_.startTick, p_.ticks->now());
    c_.label1->setCaption(twoDecimals(static_cast<double>(elapsed) / 1000.0));
}

bool Trainer::delay(std::int32_t ms) {
    const std::int32_t start = p_.ticks->now();
    for (;;) {
        if (unloaded_) return false;
        const std::int32_t waited = elapsedMs(start, p_.ticks->now());
        if (waited >= ms) return true;
        p_.pump->processEvents(ms - waited);
    }
}

// ---- the case panel ----

void Trainer::LoadPictures() {
    missingPictures_.clear();
    for (int i = 0; i < kCaseCount; ++i) {
        const std::string name = casePictureFileName(i);
        bool loaded = false;
        for (std::size_t f = 0; !loaded && f < p_.place.pictures.size(); ++f) {
            loaded = c_.pll[i]->loadPicture(textOfPath(p_.place.pictures[f] / name));
        }
        if (!loaded) {
            if (!missingPictures_.empty()) missingPictures_ += ", ";
            missingPictures_ += name;
        }
    }
}

std::string Trainer::missingPicturesMessage() const {
    std::string folders;
    for (const std::filesystem::path& folder : p_.place.pictures)
        folders += (folders.empty() ? "" : ", ") + textOfPath(folder);
    return "These case pictures were not found, so their boxes stay empty: " + missingPictures_ +
           ". Looked for in: " + folders + ".";
}

void Trainer::drawgrid(int j) {
    if (!isCaseIndex(j)) return;
    PictureBox& box = *c_.avg[j];
    const std::int32_t limit = roundHalfEven(box.outerWidth());
    for (std::int32_t x = 0; x <= limit && x <= 32767; x += kBarGridStep) {
        box.line(x, 0, x, box.outerHeight(), kGridGrey);
    }
}

void Trainer::drawTime(int /*pll*/) {
    const TimeStore& store = state_.store;
    for (int i = 0; i < kCaseCount; ++i) {
        const std::int32_t a = store.roundedMean(i);
        const double r = store.maxAverage() != 0 ? static_cast<double>(a) / store.maxAverage() : 0.0;
        const double s = store.std(i, a);
        PictureBox& box = *c_.avg[i];
        box.clear();
        if (state_.caseEnabled[i]) {
            const float x2 = static_cast<float>(box.outerWidth() * r);
            box.fillRect(0, 0, x2, box.outerHeight(), kRed);
            drawgrid(i);
        } else {
            box.fillRect(0, 0, box.innerWidth(), box.innerHeight(), kGreen);
        }
        c_.avglabel[i]->setCaption("Avg: " + twoDecimals(a / 1000.0));
        c_.numlabel[i]->setCaption("Num: " + plainInteger(store.timeCount(i)));
        c_.stdlabel[i]->setCaption("Std: " + twoDecimals(s));
    }
}

Result<Done, SessionError> Trainer::loadfile(const std::filesystem::path& name) {
    LoadResult loaded = readSession(name);
    if (!loaded) return Failure{loaded.error()};
    const auto keptIn = unsaved_.beforeLoad(state_.store, name);
    if (!keptIn) return Failure{keptIn.error()};
    // Only the store changes: the enabled cases, the drill and the controls stay as they are.
    state_.store = std::move(loaded->store);
    feedback_.showRecord(loaded->lastComparison);
    unsaved_.loaded(state_.store, keptIn.value());
    drawTime(0);  // drawTime draws every case's bar and labels: one call redraws the whole panel
    return Done{};
}

void Trainer::sessionSaved() {
    unsaved_.saved(state_.store);
}

void Trainer::pll_Click(int Index) {
    if (!isCaseIndex(Index)) return;
    state_.caseEnabled[Index] = !state_.caseEnabled[Index];
    drawTime(Index);
}

}  // namespace kestive
