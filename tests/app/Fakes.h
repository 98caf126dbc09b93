#pragma once
// Window-system stand-ins for the handlers: every call is written to one shared log, so that tests
// can check both what happened and in which order.
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <cstdlib>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/Trainer.h"

namespace kestive::test {

struct Log {
    std::vector<std::string> lines;
    void add(std::string s) { lines.push_back(std::move(s)); }
    // Index of the first line equal to s at or after from, or -1.
    int find(const std::string& s, int from = 0) const {
        for (int i = from; i < static_cast<int>(lines.size()); ++i)
            if (lines[i] == s) return i;
        return -1;
    }
    int count(const std::string& s) const {
        int n = 0;
        for (const auto& l : lines) n += l == s;
        return n;
    }
    int countPrefix(const std::string& p) const {
        int n = 0;
        for (const auto& l : lines) n += l.rfind(p, 0) == 0;
        return n;
    }
};

struct FakeTicks : TickCounter {
    std::int32_t value = 5000;
    Log* log = nullptr;
    std::int32_t now() override {
        if (log) log->add("tick " + std::to_string(value));
        return value;
    }
};

// A pump that lets time pass: each call advances the clock by step ms (never beyond the deadline it
// was given) and runs the actions scheduled for that call number.
struct FakePump : EventPump {
    FakeTicks* ticks = nullptr;
    Log* log = nullptr;
    std::int32_t step = 250;
    int calls = 0;
    std::vector<std::int32_t> waits;
    std::map<int, std::vector<std::function<void()>>> at;  // call number (1-based) -> actions
    void processEvents(std::int32_t maxWaitMs) override {
        ++calls;
        waits.push_back(maxWaitMs);
        if (log) log->add("pump");
        ticks->value = static_cast<std::int32_t>(static_cast<std::uint32_t>(ticks->value) +
                                                 static_cast<std::uint32_t>(std::min(step, maxWaitMs)));
        if (auto it = at.find(calls); it != at.end())
            for (auto& f : it->second) f();
    }
};

struct FakeBox : PictureBox {
    std::string name;
    Log* log = nullptr;
    double ow = 1215, oh = 495, iw = 1185, ih = 465;
    bool hasPicture = false;
    std::set<std::string>* missingFiles = nullptr;
    struct Op {
        std::string kind;
        double x1, y1, x2, y2;
        Rgb colour;
    };
    std::vector<Op> ops;  // since the last clear
    void note(const std::string& s) {
        if (log) log->add(name + " " + s);
    }
    void clear() override {
        ops.clear();
        note("clear");
    }
    void fillRect(double x1, double y1, double x2, double y2, Rgb c) override {
        ops.push_back({"fill", x1, y1, x2, y2, c});
        note("fill");
    }
    void line(double x1, double y1, double x2, double y2, Rgb c) override {
        ops.push_back({"line", x1, y1, x2, y2, c});
        note("line");
    }
    void paintPicture(const PictureBox& source, double x, double y, double w, double h) override {
        ops.push_back({"paint", x, y, w, h, {}});
        note("paint " + static_cast<const FakeBox&>(source).name);
    }
    void showNow() override { note("showNow"); }
    bool loadPicture(const std::string& file) override {
        note("load " + file);
        hasPicture = !(missingFiles && missingFiles->count(file));
        return hasPicture;
    }
    double outerWidth() const override { return ow; }
    double outerHeight() const override { return oh; }
    double innerWidth() const override { return iw; }
    double innerHeight() const override { return ih; }
    int count(const std::string& kind) const {
        int n = 0;
        for (const auto& o : ops) n += o.kind == kind;
        return n;
    }
};

struct FakeCaption : Caption {
    std::string name, text;
    Log* log = nullptr;
    void setCaption(const std::string& t) override {
        text = t;
        if (log) log->add(name + " = " + t);
    }
    std::string caption() const override { return text; }
};

struct FakeColour : TextColour {
    Rgb colour{255, 0, 0};
    Log* log = nullptr;
    void setTextColour(Rgb c) override {
        colour = c;
        if (log) log->add("label5 colour");
    }
};

struct FakeText : TextSource {
    std::string value, name;
    Log* log = nullptr;
    std::string text() const override {
        if (log) log->add("read " + name);
        return value;
    }
};

struct FakeFocus : Focusable {
    std::string name;
    std::string* owner = nullptr;
    Log* log = nullptr;
    void setFocus() override {
        *owner = name;
        if (log) log->add("focus " + name);
    }
};

// Reads numbers the way the C locale writes them; the whole text must be the number.
struct FakeNumbers : NumberReader {
    std::optional<double> numberFromText(const std::string& text) const override {
        if (text.empty()) return std::nullopt;
        char* end = nullptr;
        const double v = std::strtod(text.c_str(), &end);
        if (*end != '\0') return std::nullopt;
        return v;
    }
};

struct FakeBeeper : Beeper {
    Log* log = nullptr;
    void beep() override { log->add("beep"); }
};

struct FakeMessenger : Messenger {
    std::vector<std::string> messages;
    void showMessage(const std::string& t) override { messages.push_back(t); }
};

// Closing runs the unload handler, as the window system does.
struct FakeWindow : WindowLifetime {
    Log* log = nullptr;
    std::function<void()> onClose;
    void show() override { log->add("show"); }
    void close() override {
        log->add("close");
        if (onClose) onClose();
    }
    void destroySecondaryWindows() override { log->add("destroy secondary"); }
};

// Draws the given numbers in order, then repeats the last one.
struct ScriptedRandom : RandomSource {
    std::deque<float> values;
    int draws = 0;
    float next() override {
        ++draws;
        float v = values.front();
        if (values.size() > 1) values.pop_front();
        return v;
    }
};

struct FakeTrace : DrillTrace {
    std::vector<std::pair<int, int>> stops, keeps;
    void stopped(std::int16_t c, std::int32_t ms) override { stops.emplace_back(c, ms); }
    void kept(std::int16_t c, std::int32_t ms) override { keeps.emplace_back(c, ms); }
};

// The whole main window made of stand-ins, with a Trainer bound to it.
struct Rig {
    Log log;
    FakeTicks ticks;
    FakePump pump;
    FakeBeeper beeper;
    FakeNumbers numbers;
    FakeMessenger messenger;
    FakeWindow window;
    ScriptedRandom random;
    FakeTrace trace;
    std::set<std::string> missing;
    std::string focus;

    FakeBox alg;
    FakeCaption label1, label5, command1;
    FakeColour label5Colour;
    FakeFocus command1Focus, command2Focus;
    FakeText waitTime, showWhen;
    std::array<FakeBox, kCaseCount> pll, avg;
    std::array<FakeCaption, kCaseCount> avglabel, numlabel, stdlabel;
    std::unique_ptr<Trainer> trainer;

    Rig() {
        ticks.log = nullptr;
        pump.ticks = &ticks;
        pump.log = &log;
        beeper.log = &log;
        window.log = &log;
        random.values = {0.5f};
        alg = makeBox("alg", 2655, 2535, 2625, 2505);
        label1 = makeCaption("label1", "0.00");
        label5 = makeCaption("label5", "");
        command1 = makeCaption("command1", "START");
        label5Colour.log = &log;
        command1Focus = FakeFocus{};
        command1Focus.name = "command1";
        command1Focus.owner = &focus;
        command1Focus.log = &log;
        command2Focus.name = "command2";
        command2Focus.owner = &focus;
        command2Focus.log = &log;
        waitTime.value = "2";
        waitTime.name = "waitTime";
        waitTime.log = &log;
        showWhen.value = "1";
        showWhen.name = "showWhen";
        showWhen.log = &log;
        MainWindowControls c;
        c.alg = &alg;
        c.label1 = &label1;
        c.label5 = &label5;
        c.label5Colour = &label5Colour;
        c.command1 = &command1;
        c.command1Focus = &command1Focus;
        c.command2Focus = &command2Focus;
        c.waitTime = &waitTime;
        c.showWhen = &showWhen;
        for (int i = 0; i < kCaseCount; ++i) {
            pll[i] = makeBox("pll" + std::to_string(i), 1215, 1215, 1185, 1185);
            pll[i].missingFiles = &missing;
            avg[i] = makeBox("avg" + std::to_string(i), 1215, 495, 1185, 465);
            avglabel[i] = makeCaption("avglabel" + std::to_string(i), "Avg:");
            numlabel[i] = makeCaption("numlabel" + std::to_string(i), "Num:");
            stdlabel[i] = makeCaption("stdlabel" + std::to_string(i), "Std:");
            c.pll[i] = &pll[i];
            c.avg[i] = &avg[i];
            c.avglabel[i] = &avglabel[i];
            c.numlabel[i] = &numlabel[i];
            c.stdlabel[i] = &stdlabel[i];
        }
        Platform p;
        p.ticks = &ticks;
        p.pump = &pump;
        p.beeper = &beeper;
        p.numbers = &numbers;
        p.messenger = &messenger;
        p.window = &window;
        p.random = &random;
        p.trace = &trace;
        trainer = std::make_unique<Trainer>(c, p);
        window.onClose = [this] {
            int cancel = 0;
            trainer->Form_Unload(cancel);
        };
    }

    FakeBox makeBox(const std::string& n, double ow, double oh, double iw, double ih) {
        FakeBox b;
        b.name = n;
        b.log = &log;
        b.ow = ow;
        b.oh = oh;
        b.iw = iw;
        b.ih = ih;
        return b;
    }
    FakeCaption makeCaption(const std::string& n, const std::string& t) {
        FakeCaption f;
        f.name = n;
        f.text = t;
        f.log = &log;
        return f;
    }
    // Loaded and idle, with the log emptied.
    void load() {
        trainer->Form_Load();
        log.lines.clear();
    }
    const TrainerState& state() const { return trainer->state(); }
    TrainerState& state() { return trainer->state(); }
};

}  // namespace kestive::test
