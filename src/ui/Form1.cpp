// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>
#include <algorithm>

#include "cases/CasePanelLayout.h"
#include "cases/OllCases.h"
#include "ui/ButtonPressWatch.h"
#include "ui/DesignPalette.h"
#include "ui/Fonts.h"
#include "ui/LargeCaptionCache.h"
#include "ui/Twips.h"
#include "ui/WidgetColour.h"

namespace kestive::ui {

// Showing and closing the main window, and the secondary windows that go with it.
class Form1::WindowPort final : public WindowLifetime {
public:
    explicit WindowPort(Form1& form) : form_(form) {}
    void show() override { form_.show(); }
    void close() override { form_.close(); }
    void destroySecondaryWindows() override {
        for (auto& w : form_.secondaryWindows_) {
            if (!w) continue;
            w->hide();
            delete w.data();
        }
        form_.secondaryWindows_.clear();
    }

private:
    Form1& form_;
};

// A message in a window of its own that does not hold up the program.
class Form1::MessagePort final : public Messenger {
public:
    explicit MessagePort(Form1& form) : form_(form) {}
    void showMessage(const std::string& text) override {
        auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Kestive"),
                                    QString::fromStdString(text), QMessageBox::Ok, &form_);
        box->setObjectName(QStringLiteral("message"));
        box->setModal(false);
        box->setAttribute(Qt::WA_DeleteOnClose);
        form_.adoptSecondaryWindow(box);
        box->show();
    }
    QuitChoice askBeforeQuit(std::size_t count) override { return form_.secondary().askBeforeQuit(count); }
    bool saveSessionNow() override { return form_.secondary().saveBeforeQuit(); }

private:
    Form1& form_;
};

namespace {
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

}  // namespace

DesignScale Form1::scaleToFit(QSize available, int menuBarHeight) {
    const QSize space = available - kFrameAllowance;
    return DesignScale::fitting(QSizeF(space),
                                QSizeF(21480.0 / kTwipsPerPixel, 12285.0 / kTwipsPerPixel + menuBarHeight));
}

Form1::Form1(RandomSource& random, WorkPlace place, UnsavedTimes* unsaved, DrillTrace* trace,
             std::optional<double> scale, QWidget* parent)
    : QMainWindow(parent), place_(std::move(place)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kestive"));
    const QFont windowFont = sansSerifFont(8.25);
    setFont(windowFont);
    buildMenu();
    // The menu bar at the design's font is the tallest it gets: a smaller font only makes it lower.
    scale_ = scale ? DesignScale(*scale)
                   : scaleToFit(screen()->availableGeometry().size(), menuBar()->sizeHint().height());
    setFont(scale_.font(windowFont));
    mnuFile->setFont(font());  // a drop-down is a window of its own and does not take the font by itself
    // The design's light colours, the desktop's palette notwithstanding, on a white background.
    setPalette(designPalette());
    setWidgetColour(this, QPalette::Window, kWhite);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setAutoFillBackground(true);
    setCentralWidget(client_);

    const QPalette standard = designPalette();
    const QColor buttonFace = standard.color(QPalette::Button);
    const QColor buttonText = standard.color(QPalette::ButtonText);

    alg = new QtPictureBox(kWhite, true, client_);
    alg->setObjectName(QStringLiteral("alg"));
    alg->place(1560, 240, 2655, 2535, scale_);
    alg->setAccessibleName(QStringLiteral("Drilled case"));

    Label1 = makeLabel("Label1", 960, 3000, 4815, 1815, QStringLiteral("0.00"), sansSerifFont(96),
                       QColor(0, 0, 255), kWhite);
    Label1->setAccessibleName(QStringLiteral("Time"));
    Command1 = makeButton("Command1", 120, 4920, 1815, 495, QStringLiteral("START"));
    Command1->setAccessibleName(QStringLiteral("START or STOP"));
    Command2 = makeButton("Command2", 2040, 4920, 1815, 495, QStringLiteral("Accept"));
    Command3 = makeButton("Command3", 3960, 4920, 1815, 495, QStringLiteral("Discard"));
    Label2 = makeLabel("Label2", 360, 5520, 1335, 255, QStringLiteral("Wait Time (sec):"), windowFont, kBlack,
                       kWhite);
    WaitTime = makeTextBox("WaitTime", 1560, 5520, 375, 285, QStringLiteral("2"));
    WaitTime->setAccessibleName(QStringLiteral("Wait Time (sec)"));
    Command4 = makeButton("Command4", 3960, 5640, 1815, 495, QStringLiteral("Exit"));
    Label4 = makeLabel("Label4", 360, 5880, 2535, 255, QStringLiteral("Show PLL if time left is under (sec)"),
                       windowFont, buttonText, kWhite);
    showWhen = makeTextBox("showWhen", 2880, 5880, 375, 285, QStringLiteral("1"));
    showWhen->setAccessibleName(QStringLiteral("Show PLL if time left is under (sec)"));
    Label5 = makeLabel("Label5", 120, 7080, 5775, 615, QString(), arialFont(9.75, true), QColor(255, 0, 0),
                       kWhite);
    Label5->setAccessibleName(QStringLiteral("Feedback"));
    Command5 = makeButton("Command5", 120, 8040, 1935, 615, QStringLiteral("Create report"));
    Label6 = makeLabel("Label6", 4320, 8160, 1575, 1095,
                       QStringLiteral("Click on a PLL to DISABLE/ENABLE that PLL from being generated.   "
                                      "----------------------->"),
                       sansSerifFont(8.25, true), buttonText, buttonFace);
    Label3 =
        makeLabel("Label3", 120, 8640, 1935, 615,
                  QStringLiteral("makes a report of your PLL skills so that you can share your times with "
                                 "your friends."),
                  windowFont, buttonText, buttonFace);

    buildCasePanel();
    putLabelsBeneath();

    setTabOrder({{6, alg},
                 {3, Command1},
                 {4, Command2},
                 {5, Command3},
                 {8, WaitTime},
                 {9, Command4},
                 {13, Command5},
                 {16, showWhen}});

    // The window opens with its client area at the design size, or at the scale that fits; it stays sizable.
    resize(scale_.px(21480), scale_.px(12285) + menuBar()->sizeHint().height());

    bindTrainer(random, unsaved, trace);
    secondary_ = std::make_unique<SecondaryWindowHandlers>(*this, dialogs_);

    Timer1 = &display_.timer();  // the trainer starts it when timing begins and stops it when it ends
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, [this] { trainer_->Timer1_Timer(); });
}

Form1::~Form1() {
    Timer1->stop();
    for (auto& w : secondaryWindows_) delete w.data();
}

QLabel* Form1::makeLabel(const char* name, int left, int top, int width, int height, const QString& caption,
                         const QFont& designFont, const QColor& text, const QColor& back) {
    auto* l = new QLabel(caption, client_);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(scale_.rect(left, top, width, height));
    l->setFont(scale_.font(designFont));
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);  // wraps at spaces; what does not fit below is cut off
    l->setMargin(0);
    l->setIndent(0);
    l->setAutoFillBackground(true);
    setWidgetColour(l, QPalette::WindowText, text);
    setWidgetColour(l, QPalette::Window, back);
    l->setFocusPolicy(Qt::NoFocus);
    l->setAccessibleName(caption);
    return l;
}

QPushButton* Form1::makeButton(const char* name, int left, int top, int width, int height,
                               const QString& caption) {
    auto* b = new QPushButton(caption, client_);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(scale_.rect(left, top, width, height));
    b->setAutoDefault(false);
    b->setDefault(false);
    b->setFocusPolicy(Qt::StrongFocus);
    b->setAccessibleName(caption);
    return b;
}

QLineEdit* Form1::makeTextBox(const char* name, int left, int top, int width, int height,
                              const QString& text) {
    auto* e = new QLineEdit(text, client_);
    e->setObjectName(QString::fromLatin1(name));
    e->setGeometry(scale_.rect(left, top, width, height));
    e->setTextMargins(0, 0, 0, 0);
    e->setFocusPolicy(Qt::StrongFocus);
    return e;
}

void Form1::buildCasePanel() {
    const QColor buttonText = designPalette().color(QPalette::ButtonText);
    const QFont boldFont = sansSerifFont(8.25, true);
    const QFont windowFont = sansSerifFont(8.25);
    for (int i = 0; i < kCaseCount; ++i) {
        const CasePlace at = casePlace(i);
        const int barX = at.left + kBarLeft;
        const QString n = QString::number(i);
        const QString who = QStringLiteral("Case %1 ").arg(i + 1);

        auto* picture = new QtPictureBox(kWhite, false, client_);
        picture->setObjectName(QStringLiteral("pll(%1)").arg(n));
        picture->place(at.left, at.top, kCasePictureSize, kCasePictureSize, scale_);
        const QString title = QString::fromStdString(ollCaseTitle(i));
        picture->setToolTip(title);
        picture->setAccessibleName(who + QStringLiteral("picture"));
        picture->setAccessibleDescription(title);
        connect(picture, &QtPictureBox::clicked, this, [this, i] { trainer_->pll_Click(i); });
        pll[i] = picture;

        auto* bar = new QtPictureBox(QColor(128, 64, 64), true, client_);
        bar->setObjectName(QStringLiteral("avg(%1)").arg(n));
        bar->place(barX, at.top, kBarWidth, kBarHeight, scale_);
        bar->setAccessibleName(who + QStringLiteral("bar"));
        avg[i] = bar;

        avglabel[i] = makeLabel("", barX, at.top + kAvgLabelTop, kBarWidth, kLabelHeight,
                                QStringLiteral("Avg:"), boldFont, buttonText, QColor(192, 192, 255));
        avglabel[i]->setObjectName(QStringLiteral("avglabel(%1)").arg(n));
        avglabel[i]->setAccessibleName(who + QStringLiteral("average"));
        numlabel[i] = makeLabel("", barX, at.top + kNumLabelTop, kBarWidth, kLabelHeight,
                                QStringLiteral("Num:"), windowFont, buttonText, QColor(192, 255, 192));
        numlabel[i]->setObjectName(QStringLiteral("numlabel(%1)").arg(n));
        numlabel[i]->setAccessibleName(who + QStringLiteral("number of times"));
        stdlabel[i] = makeLabel("", barX, at.top + kStdLabelTop, kBarWidth, kLabelHeight,
                                QStringLiteral("Std:"), windowFont, buttonText, QColor(255, 192, 192));
        stdlabel[i]->setObjectName(QStringLiteral("stdlabel(%1)").arg(n));
        stdlabel[i]->setAccessibleName(who + QStringLiteral("deviation"));
    }
    // The bars start one pixel left of the pictures' right edge: keep the bars on top.
    for (auto* bar : avg) bar->raise();
}

void Form1::buildMenu() {
    mnuFile = menuBar()->addMenu(QStringLiteral("File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuLoad = mnuFile->addAction(QStringLiteral("Load Session"));
    mnuLoad->setObjectName(QStringLiteral("mnuLoad"));
    mnuSave = mnuFile->addAction(QStringLiteral("Save Session"));
    mnuSave->setObjectName(QStringLiteral("mnuSave"));
    mnuQuit = mnuFile->addAction(QStringLiteral("Quit"));
    mnuQuit->setObjectName(QStringLiteral("mnuQuit"));
    mnuAbout = menuBar()->addAction(QStringLiteral("About"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));

    // The keys desktop users expect, in every window of the program. They are not the menu items'
    // own shortcuts, which the drop-down would show beside them: the design's menu shows none.
    const auto key = [this](QKeySequence::StandardKey keys, QAction* item) {
        new QShortcut(QKeySequence(keys), this, item, &QAction::trigger, Qt::ApplicationShortcut);
    };
    key(QKeySequence::Open, mnuLoad);
    key(QKeySequence::Save, mnuSave);
    key(QKeySequence::Quit, mnuQuit);
    // F10 opens the first menu of the menu bar, from where the arrows go on.
    new QShortcut(QKeySequence(Qt::Key_F10), this, this,
                  [this] { menuBar()->setActiveAction(mnuFile->menuAction()); });
}

void Form1::putLabelsBeneath() {
    // Lowered one by one in reverse, the labels keep their order among themselves.
    const QList<QLabel*> labels = client_->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    for (auto it = labels.rbegin(); it != labels.rend(); ++it) (*it)->lower();
    // Except under the case pictures: a picture's last pixel column, its white margin, overlaps the
    // first of its labels, and where a pixel is 1.5 screen pixels it would cut into their first letter.
    for (auto it = pll.rbegin(); it != pll.rend(); ++it) (*it)->lower();
}

void Form1::setTabOrder(std::vector<std::pair<int, QWidget*>> stops) {
    stops.emplace_back(0, pll[0]);
    stops.emplace_back(1, avg[0]);
    for (int i = 1; i <= 55; ++i) {
        stops.emplace_back(15 + 5 * i, avg[i]);
        stops.emplace_back(16 + 5 * i, pll[i]);
    }
    stops.emplace_back(295, pll[56]);
    stops.emplace_back(296, avg[56]);
    std::sort(stops.begin(), stops.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t k = 1; k < stops.size(); ++k) QWidget::setTabOrder(stops[k - 1].second, stops[k].second);
}

void Form1::bindTrainer(RandomSource& random, UnsavedTimes* unsaved, DrillTrace* trace) {
    windowPort_ = std::make_unique<WindowPort>(*this);
    messagePort_ = std::make_unique<MessagePort>(*this);
    auto label = [this](QLabel* l) {
        labelPorts_.push_back(std::make_unique<LabelPort>(l));
        return labelPorts_.back().get();
    };
    command1Port_ = std::make_unique<ButtonPort>(Command1);
    command2Port_ = std::make_unique<ButtonPort>(Command2);
    waitTimePort_ = std::make_unique<TextBoxPort>(WaitTime);
    showWhenPort_ = std::make_unique<TextBoxPort>(showWhen);
    algTipPort_ = std::make_unique<ToolTipPort>(alg);

    MainWindowControls c;
    c.alg = alg;
    c.label1 = new LargeCaptionCache(*Label1);  // the running time, repainted once per frame
    LabelPort* feedback = label(Label5);
    c.label5 = feedback;
    c.label5Colour = feedback;
    c.command1 = command1Port_.get();
    c.command1Focus = command1Port_.get();
    c.command2Focus = command2Port_.get();
    c.waitTime = waitTimePort_.get();
    c.showWhen = showWhenPort_.get();
    c.algTip = algTipPort_.get();
    for (int i = 0; i < kCaseCount; ++i) {
        c.pll[i] = pll[i];
        c.avg[i] = avg[i];
        c.avglabel[i] = label(avglabel[i]);
        c.numlabel[i] = label(numlabel[i]);
        c.stdlabel[i] = label(stdlabel[i]);
    }

    Platform p;
    p.display = &display_;
    p.ticks = &ticks_;
    p.pump = &pump_;
    p.beeper = &beeper_;
    p.numbers = &numbers_;
    p.format = userNumberFormat();
    p.messenger = messagePort_.get();
    p.window = windowPort_.get();
    p.random = &random;
    p.trace = trace;
    p.place = place_;
    p.unsaved = unsaved;
    trainer_ = std::make_unique<Trainer>(c, p);

    connect(Command1, &QPushButton::clicked, this, [this] { trainer_->Command1_Click(); });
    // The press, not the click, is when STOP was given: the button is let go a moment later.
    new ButtonPressWatch(
        *Command1, ticks_, [this](std::int32_t tick) { trainer_->Command1_Press(tick); },
        [this] { trainer_->Command1_PressLost(); });
    connect(Command2, &QPushButton::clicked, this, [this] { trainer_->Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { trainer_->Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { trainer_->Command4_Click(); });
    connect(mnuQuit, &QAction::triggered, this, [this] { trainer_->mnuQuit_Click(); });
}

void Form1::load() {
    trainer_->Form_Load();
}

void Form1::adoptSecondaryWindow(QWidget* window) {
    secondaryWindows_.emplace_back(window);
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!trainer_->unloaded()) {
        int cancel = 0;
        trainer_->Form_Unload(cancel);
        if (cancel != 0) return event->ignore();  // the user chose to stay
    }
    event->accept();
    // Ends the program once the handler that is running (a countdown, say) has returned.
    QCoreApplication::quit();
}

}  // namespace kestive::ui
