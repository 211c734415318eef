// Thousands of seeded user actions on all fifteen windows: clicks on buttons,
// check boxes, radio groups, group boxes and menu items (hidden ones too, as
// far as the widget layer lets them be clicked), texts typed into every edit
// (empty, "-", huge numbers, letters), up-down presses, mouse presses and
// moves on the pictures, sheet changes, repaints and timer ticks. Message
// boxes, file dialogs and modal windows are answered through the widget
// layer's hooks. The sanitizers stop the test at the first fault; a single
// action that takes too long fails it too.
//
// Every action is printed before it runs, and the seed with it. Replay a run
// with WORKBENCH_RANDOM_SEED=<seed> and WORKBENCH_RANDOM_ACTIONS=<count>.
#include "../base/TempWorkDir.h"
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "base/ProgramDir.h"
#include "base/Random.h"
#include "widgets/Dialogs.h"
#include "widgets/Form.h"
#include "widgets/Handlers.h"
#include "widgets/HelpPage.h"
#include "widgets/MouseHooks.h"
#include "widgets/RadioGroup.h"
#include "widgets/StringGrid.h"
#include "widgets/Timer.h"
#include "widgets/UpDown.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

namespace {

// One action may take this long under the sanitizers before the window counts as frozen.
constexpr qint64 kFrozenMs = 20000;

uint64_t EnvNumber(const char* name, uint64_t fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

// What a user may type into a number edit.
const char* const kTexts[] = {
    "",   "-",  "0",   "1",    "2",    "3",     "5",      "6",          "7",           "9",
    "12", "27", "28",  "100",  "131",  "499",   "1000",   "-1",         "-27",         "65535",
    "x",  "abc", "12abc", " 7", "+5",  "2147483647", "2147483648", "-2147483648", "-2147483649",
    "99999999999999999999"};

std::string Name(const QObject* o)
{
    std::string name;
    for (; o; o = o->parent()) {
        if (o->objectName().isEmpty() || o->objectName().startsWith("qt_"))
            continue;
        name = o->objectName().toStdString() + (name.empty() ? "" : "." + name);
        if (o->isWidgetType() && static_cast<const QWidget*>(o)->isWindow())
            break;
    }
    return name;
}

// A named control of our layouts, not a part of one of Qt's composite widgets.
bool IsNamedControl(const QWidget* w)
{
    return !w->objectName().isEmpty() && !w->objectName().startsWith("qt_");
}

class Monkey {
public:
    Monkey(uint64_t seed, std::filesystem::path dir) : rng_(seed), dir_(std::move(dir))
    {
        Collect();
        // A modal window is closed at once, with OK or with Cancel.
        Form::modalHook = [this](Form& form) { form.setModalResult(Chance(0.5) ? 1 : 2); };
    }
    ~Monkey() { Form::modalHook = nullptr; }

    void Run(int actions)
    {
        for (int i = 0; i < actions && !::testing::Test::HasFatalFailure(); ++i) {
            PrepareAnswers();
            std::function<void()> act;
            std::string what;
            for (int tries = 0; tries < 20 && !act; ++tries)   // a window may lack the kind of control drawn
                what = Pick(act);
            if (!act)
                continue;
            std::printf("%5d %s\n", i, what.c_str());
            std::fflush(stdout);
            QElapsedTimer clock;
            clock.start();
            act();
            ASSERT_LT(clock.elapsed(), kFrozenMs) << "action " << i << " froze the window: " << what;
            if (messages_.size() > 1000)
                messages_.clear();
        }
    }

    std::vector<MessageRecord> messages_;
    std::deque<QString> answers_;

private:
    struct Window {
        Form* form;
        std::vector<QPointer<QAbstractButton>> buttons;   // push buttons and check boxes
        std::vector<QPointer<QLineEdit>> edits;
        std::vector<QPointer<RadioGroup>> groups;
        std::vector<QPointer<UpDown>> updowns;
        std::vector<QPointer<QGroupBox>> boxes;           // group boxes with a click handler
        std::vector<QPointer<QWidget>> pictures;          // the client and the images: mouse hooks
        std::vector<QPointer<StringGrid>> grids;
        std::vector<QPointer<QTabWidget>> tabs;
        std::vector<QAction*> items;                      // menu items, hidden menus included
        std::vector<Timer*> timers;
    };

    void Collect()
    {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* form = qobject_cast<Form*>(top);
            if (!form)
                continue;
            Window w{form};
            for (QWidget* c : form->findChildren<QWidget*>()) {
                if (auto* mouse = dynamic_cast<MouseHooks*>(c))
                    if (mouse->onMouseDown || mouse->onMouseMove || mouse->onMouseUp)
                        w.pictures.push_back(c);
                if (!IsNamedControl(c))
                    continue;
                if (auto* b = qobject_cast<QPushButton*>(c))
                    w.buttons.push_back(b);
                else if (auto* b = qobject_cast<QCheckBox*>(c))
                    w.buttons.push_back(b);
                else if (auto* e = qobject_cast<QLineEdit*>(c))
                    w.edits.push_back(e);
                else if (auto* g = qobject_cast<RadioGroup*>(c))
                    w.groups.push_back(g);
                else if (auto* u = qobject_cast<UpDown*>(c))
                    w.updowns.push_back(u);
                else if (auto* g = qobject_cast<StringGrid*>(c))
                    w.grids.push_back(g);
                else if (auto* t = qobject_cast<QTabWidget*>(c))
                    w.tabs.push_back(t);
                if (auto* box = qobject_cast<QGroupBox*>(c); box && HasClickHandler(box))
                    w.boxes.push_back(box);
            }
            for (QMenuBar* bar : form->findChildren<QMenuBar*>())
                CollectItems(bar->actions(), w.items);
            for (Timer* t : form->findChildren<Timer*>())
                w.timers.push_back(t);
            windows_.push_back(std::move(w));
        }
        // The main window first; the rest in a fixed order, so that a seed replays.
        std::sort(windows_.begin(), windows_.end(), [](const Window& a, const Window& b) {
            return (a.form == Form1) != (b.form == Form1) ? a.form == Form1
                                                          : a.form->client()->objectName() < b.form->client()->objectName();
        });
        for (const Window& w : windows_)
            timers_.insert(timers_.end(), w.timers.begin(), w.timers.end());
    }

    static void CollectItems(const QList<QAction*>& actions, std::vector<QAction*>& out)
    {
        for (QAction* a : actions) {
            if (a->isSeparator())
                continue;
            if (a->menu())
                CollectItems(a->menu()->actions(), out);
            else
                out.push_back(a);
        }
    }

    size_t Below(size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<size_t>(0, n - 1)(rng_); }
    int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }

    template <class T>
    T* Any(const std::vector<QPointer<T>>& list)
    {
        if (list.empty())
            return nullptr;
        return list[Below(list.size())].data();
    }

    // The next few file dialogs get one of these: cancel, a missing file, a file
    // of garbage, a short one, or a file the program wrote itself.
    void PrepareAnswers()
    {
        answers_.clear();
        std::vector<QString> files;
        for (const char* folder : {"RT", "RT2", "CA", "data"}) {
            std::error_code ec;
            for (const auto& e : std::filesystem::directory_iterator(dir_ / folder, ec))
                if (e.is_regular_file())
                    files.push_back(QString::fromStdString(e.path().string()));
        }
        for (int k = 0; k < 3; ++k) {
            switch (Between(0, 5)) {
            case 0: answers_.push_back(""); break;
            case 1: answers_.push_back(QString::fromStdString((dir_ / "RT" / "R5_0709.dat").string())); break;
            case 2: answers_.push_back(QString::fromStdString((dir_ / "RT" / "R6_0503.dat").string())); break;
            case 3: answers_.push_back(QString::fromStdString((dir_ / "RT" / "R4_0301.dat").string())); break;
            default:
                answers_.push_back(files.empty() ? QString() : files[Below(files.size())]);
                break;
            }
        }
    }

    std::string Pick(std::function<void()>& act)
    {
        // Half the actions go to the main window, the rest to any window alike.
        Window& w = Chance(0.5) ? windows_.front() : windows_[Below(windows_.size())];
        const std::string at = Name(w.form->client()) + ":";
        const int kind = Between(0, 99);
        if (kind < 30) {
            QAbstractButton* b = Any(w.buttons);
            if (!b || !b->isEnabled())
                return Skip(act);
            act = [b] { b->click(); };
            return "click " + Name(b) + " \"" + b->text().toStdString() + "\"";
        }
        if (kind < 45) {
            QLineEdit* e = Any(w.edits);
            if (!e || !e->isEnabled() || e->isReadOnly())
                return Skip(act);
            const QString text =
                Chance(0.6) ? QString(kTexts[Below(std::size(kTexts))]) : QString::number(Between(-40, 600));
            if (Chance(0.3)) {   // typed key by key: the handler runs for every prefix
                act = [e, text] {
                    for (qsizetype n = 0; n <= text.size() && e; ++n)
                        e->setText(text.left(n));
                };
                return "type " + Name(e) + " \"" + text.toStdString() + "\" key by key";
            }
            act = [e, text] { e->setText(text); };
            return "type " + Name(e) + " \"" + text.toStdString() + "\"";
        }
        if (kind < 52) {
            RadioGroup* g = Any(w.groups);
            if (!g || !g->isEnabled() || g->count() == 0)
                return Skip(act);
            const int item = int(Below(size_t(g->count())));
            act = [g, item] { g->setItemIndex(item); };
            return "choose " + Name(g) + " item " + std::to_string(item);
        }
        if (kind < 57) {
            UpDown* u = Any(w.updowns);
            if (!u || !u->isEnabled())
                return Skip(act);
            const bool up = Chance(0.5);
            const int times = Between(1, 3);
            act = [u, up, times] {
                for (int k = 0; k < times && u; ++k)
                    u->press(up);
            };
            return "press " + Name(u) + (up ? " up x" : " down x") + std::to_string(times);
        }
        if (kind < 69) {
            if (w.items.empty())
                return Skip(act);
            QAction* item = w.items[Below(w.items.size())];
            if (!item->isEnabled())
                return Skip(act);
            act = [item] { item->trigger(); };
            return "menu " + at + Name(item) + " \"" + item->text().toStdString() + "\"";
        }
        if (kind < 72) {
            QGroupBox* box = Any(w.boxes);
            if (!box)
                return Skip(act);
            act = [box] { ClickFreeArea(box); };
            return "click group " + Name(box);
        }
        if (kind < 78) {
            QWidget* picture = Any(w.pictures);
            if (!picture)
                return Skip(act);
            return Mouse(picture, act);
        }
        if (kind < 80) {
            QTabWidget* t = Any(w.tabs);
            if (!t || t->count() == 0)
                return Skip(act);
            const int index = int(Below(size_t(t->count())));
            act = [t, index] { t->setCurrentIndex(index); };
            return "sheet " + Name(t) + " " + t->tabText(index).toStdString();
        }
        if (kind < 94)
            return Ticks(act);
        if (kind < 97)
            return Paint(w, act);
        return ShowOrHide(w, act);
    }

    static std::string Skip(std::function<void()>& act)
    {
        act = nullptr;
        return {};
    }

    static void ClickFreeArea(QGroupBox* box)
    {
        for (int y = box->height() - 3; y > 0; y -= 4)
            for (int x = box->width() - 3; x > 0; x -= 4)
                if (!box->childAt(x, y)) {
                    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                        QMouseEvent e(type, QPointF(x, y), QPointF(box->mapToGlobal(QPoint(x, y))), Qt::LeftButton,
                                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                      Qt::NoModifier);
                        QApplication::sendEvent(box, &e);
                    }
                    return;
                }
    }

    std::string Mouse(QWidget* picture, std::function<void()>& act)
    {
        auto* hooks = dynamic_cast<MouseHooks*>(picture);
        int x = Between(-5, picture->width() + 5), y = Between(-5, picture->height() + 5);
        if (Chance(0.1)) {
            x = Chance(0.5) ? -2147483647 - 1 : 2147483647;
            y = Chance(0.5) ? -2147483647 - 1 : 2147483647;
        }
        const int what = Between(0, 2);
        const Qt::MouseButton button = Chance(0.8) ? Qt::LeftButton : Qt::RightButton;
        const Qt::KeyboardModifiers mods = Chance(0.2) ? Qt::ShiftModifier : Qt::NoModifier;
        QPointer<QWidget> guard(picture);
        act = [hooks, guard, what, button, mods, x, y] {
            if (!guard)
                return;
            if (what == 0 && hooks->onMouseDown)
                RunGuarded([&] { hooks->onMouseDown(button, mods, x, y); });
            else if (what == 1 && hooks->onMouseMove)
                RunGuarded([&] { hooks->onMouseMove(mods, x, y); });
            else if (what == 2 && hooks->onMouseUp)
                RunGuarded([&] { hooks->onMouseUp(button, mods, x, y); });
        };
        static const char* kWhat[] = {"down", "move", "up"};
        return std::string("mouse ") + kWhat[what] + " " + Name(picture) + " at " + std::to_string(x) + ","
            + std::to_string(y);
    }

    // A few ticks of a running timer, as the event loop would give them.
    std::string Ticks(std::function<void()>& act)
    {
        std::vector<Timer*> running;
        for (Timer* t : timers_)
            if (t->enabled() && t->interval() > 0 && t->onTimer)
                running.push_back(t);
        if (running.empty())
            return Skip(act);
        Timer* t = running[Below(running.size())];
        const int times = Between(1, 12);
        act = [t, times] {
            for (int k = 0; k < times; ++k)
                Timer::fireForTest(*t);
        };
        return "tick " + Name(t) + " x" + std::to_string(times);
    }

    // Paints a window or a grid as the screen would, running the paint and
    // draw-cell handlers.
    std::string Paint(Window& w, std::function<void()>& act)
    {
        if (Chance(0.5) || w.grids.empty()) {
            QPointer<QWidget> client = w.form->client();
            act = [client] {
                if (client)
                    client->grab();
            };
            return "paint " + Name(w.form->client());
        }
        StringGrid* g = Any(w.grids);
        const int col = Between(-1, g->colCount()), row = Between(-1, g->rowCount());
        act = [g, col, row] {
            g->select(col, row);
            emit g->cellClicked(col, row);
            g->grab();
        };
        return "paint " + Name(g) + " after a click on " + std::to_string(col) + "," + std::to_string(row);
    }

    std::string ShowOrHide(Window& w, std::function<void()>& act)
    {
        Form* form = w.form;
        if (form == Form1)
            return Skip(act);
        switch (Between(0, 2)) {
        case 0: act = [form] { form->show_(); }; return "show " + Name(form->client());
        case 1: act = [form] { form->hide_(); }; return "hide " + Name(form->client());
        default: act = [form] { form->showModal(); }; return "show modally " + Name(form->client());
        }
    }

    std::mt19937_64 rng_;
    std::filesystem::path dir_;
    std::vector<Window> windows_;
    std::vector<Timer*> timers_;
};

uint32_t FixedClock() { return 20130806u; }

class RandomActions : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        SetMessageRecorder(&monkeyMessages_);
        SetFileDialogAnswers(&answers_);
        SetPageOpenRecorder(&pages_);
        Form::modalHook = [](Form&) {};
        randomizeSeedSource = FixedClock;
        SeedRandom(1);
        // A garbage table file and a short one where the program looks for tables.
        for (const char* folder : {"RT", "RT2", "CA", "data"})
            std::filesystem::create_directories(dir_.path() / folder);
        std::ofstream(dir_.path() / "RT" / "R6_0503.dat", std::ios::binary) << "garbage, not a table file at all";
        std::ofstream(dir_.path() / "RT" / "R4_0301.dat", std::ios::binary) << "ab";
        CreateWindows();
        Form1->show_();
        // The program's own files go to this test's folder, not beside the test program.
        programDir = dir_.path().string() + "/";
    }
    void TearDown() override
    {
        SetMessageRecorder(nullptr);
        SetFileDialogAnswers(nullptr);
        SetPageOpenRecorder(nullptr);
        Form::modalHook = nullptr;
        randomizeSeedSource = nullptr;
    }

    TempWorkDir dir_;
    std::vector<MessageRecord> monkeyMessages_;
    std::deque<QString> answers_;
    QStringList pages_;
};

} // namespace

TEST_P(RandomActions, DriveEveryWindow)
{
    const uint64_t seed = EnvNumber("WORKBENCH_RANDOM_SEED", 1000 + uint64_t(GetParam()));
    const int actions = int(EnvNumber("WORKBENCH_RANDOM_ACTIONS", 1000));
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::printf("seed %llu, %d actions; replay with WORKBENCH_RANDOM_SEED=%llu WORKBENCH_RANDOM_ACTIONS=%d "
                "form_tests --gtest_filter='*RandomActions.%s'\n",
                static_cast<unsigned long long>(seed), actions, static_cast<unsigned long long>(seed), actions,
                test.c_str());
    RecordProperty("seed", std::to_string(seed));
    Monkey monkey(seed, dir_.path());
    SetMessageRecorder(&monkey.messages_);
    SetFileDialogAnswers(&monkey.answers_);
    monkey.Run(actions);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomActions, ::testing::Range(0, 5));
