// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window of stand-ins: one Control serves as every control, the Rig as every platform service.
// What they are told goes to one log, so tests see what happened and in which order; what a box draws
// stays with the box.
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <set>
#include <sstream>

#include "app/Trainer.h"

// A stand-in picture is the name of the box that loaded it.
struct kestive::Picture::Content {
    std::string loadedBy;
};

namespace kestive::test {

using Log = std::vector<std::string>;

struct Op {
    std::string kind;  // "fill" or "line"
    double x1, y1, x2, y2;
    Rgb colour;
    bool operator==(const Op&) const = default;
};

struct Control : PictureBox, Caption, TextColour, TextSource, Focusable, ToolTip {
    std::string name, value, tip;
    Log* log = nullptr;
    std::string* focus = nullptr;
    double w = 1215, h = 495;  // outer size in twips; the drawing area is 30 twips smaller
    Rgb colour;
    std::vector<Op> ops;              // drawn since the last clear
    std::function<void()> onShowNow;  // what the screen update costs, e.g. ms passing
    const std::optional<std::set<std::string>>* files = nullptr;  // the picture files there are; unset: all

    void note(const std::string& s) { log->push_back(name + " " + s); }
    void clear() override {
        ops.clear();
        note("clear");
    }
    void draw(const Op& op) { ops.push_back(op); }
    void fillRect(double a, double b, double c, double d, Rgb k) override { draw({"fill", a, b, c, d, k}); }
    void line(double a, double b, double c, double d, Rgb k) override { draw({"line", a, b, c, d, k}); }
    Picture loaded;
    void paintPicture(const Picture& p, double, double, double, double) override {
        note(p.empty() ? "paint nothing" : "paint " + p.content()->loadedBy);
    }
    void showNow() override {
        note("showNow");
        if (onShowNow) onShowNow();
    }
    bool loadPicture(const std::string& file) override {
        note("load " + file);
        const bool found = !files || !*files || (*files)->count(file);
        loaded =
            found ? Picture(std::make_shared<const Picture::Content>(Picture::Content{name})) : Picture();
        return found;
    }
    Picture picture() const override { return loaded; }
    double outerWidth() const override { return w; }
    double outerHeight() const override { return h; }
    double innerWidth() const override { return w - 30; }
    double innerHeight() const override { return h - 30; }
    void setCaption(const std::string& t) override {
        value = t;
        note("= " + t);
    }
    void setTextColour(Rgb c) override { colour = c; }
    std::string text() const override { return value; }
    void setFocus() override { *focus = name; }
    void setToolTip(const std::string& t) override { tip = t; }
};

struct Rig : TickCounter,
             EventPump,
             Beeper,
             NumberReader,
             WindowLifetime,
             RandomSource,
             Messenger,
             RunningDisplay {
    Log log;
    std::int32_t ticks = 5000, step = 1000;       // each pump lets step ms pass, never beyond its deadline
    std::vector<std::int32_t> waits;              // the deadline of every pump
    std::map<int, std::function<void()>> during;  // pump call (1-based) -> what the user does meanwhile
    float draw = 0.5f;                            // the random draw: case floor(57 * draw)
    std::string focus;
    bool timerRunning = false;  // Timer1
    Control alg, label1, label5, command1, command2, waitTime, showWhen;
    std::array<Control, kCaseCount> pll, avg, avglabel, numlabel, stdlabel;
    std::optional<std::set<std::string>> pictureFiles;  // unset: every picture loads
    std::optional<Trainer> t;

    // The pictures are looked for in pictureFolders; a bare file name is looked for in the first.
    explicit Rig(std::vector<std::filesystem::path> pictureFolders = {""}) {
        MainWindowControls c{bind(alg, "alg"),
                             bind(label1, "label1", "0.00"),
                             bind(label5, "label5"),
                             &label5,
                             bind(command1, "command1", "START"),
                             &command1,
                             bind(command2, "command2"),
                             bind(waitTime, "waitTime"),
                             bind(showWhen, "showWhen")};
        c.algTip = &alg;
        for (int i = 0; i < kCaseCount; ++i) {
            const std::string n = std::to_string(i);
            c.pll[i] = bind(pll[i], "pll" + n);
            pll[i].files = &pictureFiles;
            c.avg[i] = bind(avg[i], "avg" + n);
            c.avglabel[i] = bind(avglabel[i], "avglabel" + n);
            c.numlabel[i] = bind(numlabel[i], "numlabel" + n);
            c.stdlabel[i] = bind(stdlabel[i], "stdlabel" + n);
        }
        controls = c;
        platform = Platform{this, this, this, this,    {},
                            this, this, this, nullptr, {"", "", std::move(pictureFolders)}};
        platform.display = this;
        t.emplace(c, platform);
    }
    MainWindowControls controls;
    Platform platform;
    Control* bind(Control& c, const std::string& name, const std::string& value = "") {
        c.name = name;
        c.value = value;
        c.log = &log;
        c.focus = &focus;
        return &c;
    }
    // Keeps ms for case pll through a drill without a countdown: START, STOP, Accept.
    void keep(int pll, std::int32_t ms) {
        draw = (static_cast<float>(pll) + 0.5f) / kCaseCount;
        waitTime.value = "0";
        play("S " + std::to_string(ms) + " S A");
    }
    // Loaded and idle, with the log emptied.
    void load() {
        t->Form_Load();
        log.clear();
    }
    const TrainerState& state() const { return t->state(); }
    void pass(std::int32_t ms) { ticks = static_cast<std::int32_t>(static_cast<std::uint32_t>(ticks) + ms); }

    std::int32_t now() override { return ticks; }
    void processEvents(std::int32_t maxWaitMs) override {
        waits.push_back(maxWaitMs);
        pass(std::min(step, maxWaitMs));
        if (during.count(std::ssize(waits))) during[std::ssize(waits)]();
    }
    void beep() override { log.push_back("beep"); }
    std::optional<double> numberFromText(const std::string& text) const override {  // the C locale's way
        char* end = nullptr;
        const double v = std::strtod(text.c_str(), &end);
        return text.empty() || *end ? std::nullopt : std::optional(v);
    }
    void show() override { log.push_back("show"); }
    void showMessage(const std::string& text) override { log.push_back("message " + text); }
    QuitChoice quitChoice = QuitChoice::StayOpen;  // the answer before a quit that would lose times
    bool saveWorks = true;                         // what Save Session does when asked before a quit
    QuitChoice askBeforeQuit(std::size_t count) override {
        log.push_back("ask before quit, " + std::to_string(count) + " not on disk");
        return quitChoice;
    }
    bool saveSessionNow() override {
        log.push_back("save now");
        return saveWorks;
    }
    void close() override {  // as the window system does
        int cancel = 0;
        t->Form_Unload(cancel);
        log.push_back(cancel ? "stays" : "closed");
    }
    void destroySecondaryWindows() override {}
    float next() override { return draw; }
    void timingBegan() override { timerRunning = true; }
    void timingEnded() override { timerRunning = false; }
    // Plays the user's part: S START/STOP, A Accept, D Discard, X Exit, T a timer tick, a number: ms pass,
    // P START/STOP goes down now (its click is S), E10 it went down 10 ms before the clock started, L it
    // comes up without a click.
    void play(const std::string& steps) {
        std::istringstream in(steps);
        for (std::string s; in >> s;) {
            switch (s[0]) {
                case 'S': t->Command1_Click(); break;
                case 'A': t->Command2_Click(); break;
                case 'D': t->Command3_Click(); break;
                case 'X': t->Command4_Click(); break;
                case 'T': t->Timer1_Timer(); break;
                case 'P': t->Command1_Press(ticks); break;
                case 'E': t->Command1_Press(state().startTick - std::stoi(s.substr(1))); break;
                case 'L': t->Command1_PressLost(); break;
                default: pass(std::stoi(s));
            }
        }
    }
};

}  // namespace kestive::test
