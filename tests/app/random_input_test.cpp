// Seeded random input on the real window: clicks on every kind of control, keys, drags on
// the board, menu commands, the clipboard empty or holding text or a picture, the timers'
// ticks, and the exit with a restart, 20,000 events per seed. Every dialog is scripted, so
// nothing waits for a person. A failure (a broken check, a crash, a sanitizer report or a
// hang) prints the seed and the last events; the same seed gives the same events again.
#include "TestWindow.h"

#include "board/DrawingDocument.h"
#include "calc/Calculator.h"
#include "drawing/DrawingFile.h"
#include "platform/NumberText.h"
#include "print/CalcPrinter.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <thread>

#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#define PELCOR_HAVE_SANITIZER_CALLBACK 1
#endif

using namespace pelcor;
using pelcor::testing::TestWindow;

namespace {

// Events per seed; PELCOR_RANDOM_EVENTS may ask for another number (to replay a failure up to
// where it happened).
int EventsPerSeed() {
    bool given = false;
    const int asked = qEnvironmentVariableIntValue("PELCOR_RANDOM_EVENTS", &given);
    // The suite runs 20,000 per seed, some 10 to 30 seconds a seed; fewer replay a failure
    // quickly up to where it happened.
    return given && asked > 0 ? asked : 20'000;
}

// --- the last events, kept where a crash handler can still print them ------------------------

constexpr int kKept = 40;
constexpr int kLineLength = 200;
struct EventLog {
    char lines[kKept][kLineLength] = {};
    std::atomic<long> count{0};
    unsigned seed = 0;
    // Events that returned to the top of the event loop, watched for a hang: an event that
    // waits in a question is finished only when the question is answered, so events sent
    // meanwhile do not count.
    std::atomic<long> progress{0};
    bool atTop = false;           // the event being noted starts from the top of the loop
    char outer[kLineLength] = {}; // the last such event: the one still under way in a hang
};
EventLog gLog;

void Note(const std::string& text) {
    const long n = gLog.count.load();
    std::snprintf(gLog.lines[n % kKept], kLineLength, "#%ld %s", n, text.c_str());
    if (gLog.atTop) std::memcpy(gLog.outer, gLog.lines[n % kKept], kLineLength);
    gLog.count.store(n + 1);
}

// Written with write(2) only, so a signal handler may call it.
void WriteOut(const char* text) {
    ssize_t ignored = ::write(2, text, std::strlen(text));
    (void)ignored;
}

void PrintLastEvents() {
    char head[160];
    std::snprintf(head, sizeof head,
                  "\n*** random input: seed %u, %ld events sent; the last ones, oldest first "
                  "(replay: the same test, or PELCOR_RANDOM_SEED=%u):\n",
                  gLog.seed, gLog.count.load(), gLog.seed);
    WriteOut(head);
    const long n = gLog.count.load();
    for (long i = std::max(0L, n - kKept); i < n; ++i) {
        WriteOut("  ");
        WriteOut(gLog.lines[i % kKept]);
        WriteOut("\n");
    }
}

extern "C" void OnFatalSignal(int signal) {
    PrintLastEvents();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

#ifdef PELCOR_HAVE_SANITIZER_CALLBACK
extern "C" void OnSanitizerDeath() {
    PrintLastEvents();
}
#endif

// Prints the last events and stops the run when no event has returned to the top for `limit`.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit)
        : thread_([this, limit] {
              long seen = -1;
              auto since = std::chrono::steady_clock::now();
              while (!stop_) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(200));
                  const long now = gLog.progress.load();
                  if (now != seen) {
                      seen = now;
                      since = std::chrono::steady_clock::now();
                  } else if (std::chrono::steady_clock::now() - since > limit) {
                      WriteOut("\n*** random input: no event returned to the top for too long "
                               "(a hang, maybe a question nobody can answer); still under "
                               "way: ");
                      WriteOut(gLog.outer);
                      PrintLastEvents();
                      std::abort();
                  }
              }
          }) {}
    ~Watchdog() {
        stop_ = true;
        thread_.join();
    }

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// --- the driver -------------------------------------------------------------------------------

QString Describe(const QWidget* w) {
    if (!w) return "(none)";
    QString name = w->objectName();
    if (name.isEmpty()) {
        // An unnamed part of a control: named by its owner.
        for (const QWidget* p = w->parentWidget(); p && name.isEmpty(); p = p->parentWidget())
            if (!p->objectName().isEmpty()) name = p->objectName() + "/";
        name += "<unnamed>";
    }
    return QString(w->metaObject()->className()) + " " + name;
}

// What the user can aim at, sorted into the kinds of control.
enum class Kind { Button, Check, LineEdit, Memo, Combo, Tabs, Slider, List, Picture, Other };

Kind KindOf(QWidget* w) {
    if (qobject_cast<QTabBar*>(w)) return Kind::Tabs;
    if (qobject_cast<QComboBox*>(w)) return Kind::Combo;
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->isCheckable() ? Kind::Check : Kind::Button;
    if (qobject_cast<QLineEdit*>(w)) return Kind::LineEdit;
    if (qobject_cast<QAbstractItemView*>(w)) return Kind::List;
    if (qobject_cast<QAbstractScrollArea*>(w)) return Kind::Memo;
    if (qobject_cast<QAbstractSlider*>(w)) return Kind::Slider;
    if (w->inherits("pelcor::PictureBox")) return Kind::Picture;
    return Kind::Other;
}

constexpr Kind kKinds[] = {Kind::Button, Kind::Check,  Kind::LineEdit, Kind::Memo,    Kind::Combo,
                           Kind::Tabs,   Kind::Slider, Kind::List,     Kind::Picture, Kind::Other};

class RandomInput {
public:
    RandomInput(unsigned seed, const std::string& programDir)
        : seed_(seed), rng_(seed), programDir_(programDir) {
        start();
    }

    // Runs `events` events, each from its own turn of the event loop, so that an event that
    // waits for an answer (an exit question, the converter's question) is answered by the
    // events after it, as a person would.
    void Run(int events) {
        events_ = events;
        QEventLoop done;
        finished_ = [&done] { done.quit(); };
        QTimer::singleShot(0, [this] { Step(); });
        done.exec();
    }

    TestWindow& window() { return *t_; }
    int restarts() const { return restarts_; }
    std::vector<std::string> failures;

private:
    unsigned seed_;
    std::mt19937 rng_;
    std::string programDir_;
    std::unique_ptr<TestWindow> t_;
    int events_ = 0;
    int sent_ = 0;
    int depth_ = 0; // events under way: above 1, an event is waiting in a question
    int restarts_ = 0;
    int clipboardTurn_ = 0;
    int answerTurn_ = 0;
    int idleTurns_ = 0; // turns without a question to answer while the window is closed
    std::function<void()> finished_;

    int In(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool Chance(int percent) { return In(1, 100) <= percent; }
    template <class T> T& Pick(std::vector<T>& v) {
        return v[static_cast<std::size_t>(In(0, static_cast<int>(v.size()) - 1))];
    }

    void start() {
        t_ = std::make_unique<TestWindow>(programDir_);
        // The timers tick only when an event says so: the same seed, the same run.
        for (QTimer* timer : t_->window().findChildren<QTimer*>())
            if (!timer->objectName().isEmpty()) timer->setInterval(24 * 3600 * 1000);
    }

    void fail(const std::string& what) {
        if (failures.size() < 5)
            failures.push_back("after event #" + std::to_string(gLog.count.load() - 1) + ": " +
                               what);
    }

    void Step() {
        if (sent_ >= events_ && depth_ == 0) {
            finished_();
            return;
        }
        // The next event is due even when this one waits for an answer.
        QTimer::singleShot(0, [this] { Step(); });
        ++depth_;
        if (sent_ < events_ || depth_ == 1) {
            ++sent_;
            gLog.atTop = depth_ == 1;
            OneEvent();
            gLog.atTop = false;
        } else {
            AnswerAQuestion(); // all sent: only the questions still waiting are answered
        }
        --depth_;
        if (depth_ == 0) {
            gLog.progress.fetch_add(1);
            if (sent_ % 250 == 0) Check();
            if (WindowClosed()) Restart();
        }
    }

    // --- the kinds of event

    bool WindowClosed() {
        return !t_->window().isVisible() && !t_->window().printWindow().isVisible();
    }

    void OneEvent() {
        // A closed window takes no input: only the questions still waiting (an exit from
        // within another question) are answered until the events return to the top.
        if (WindowClosed()) {
            AnswerAQuestion();
            return;
        }
        if (sent_ % 1000 == 1) ChangeClipboard();
        PrepareDialogs();
        const int roll = In(1, 100);
        if (QApplication::activePopupWidget() && roll <= 50) {
            PopupEvent();
        } else if (roll <= 40) {
            Click();
        } else if (roll <= 70) {
            Key();
        } else if (roll <= 80) {
            DragOnABoard();
        } else if (roll <= 86) {
            MenuCommand();
        } else if (roll <= 90) {
            OpenAMenu();
        } else if (roll <= 95) {
            Tick();
        } else {
            Wheel();
        }
    }

    std::vector<QWidget*> Targets() {
        std::vector<QWidget*> out;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible() || qobject_cast<QMenu*>(top)) continue;
            for (QWidget* w : top->findChildren<QWidget*>()) {
                if (!w->isVisible() || !w->isEnabled() || w->width() < 1 || w->height() < 1)
                    continue;
                if (qobject_cast<QMenuBar*>(w) || qobject_cast<QMenu*>(w)) continue;
                out.push_back(w);
            }
        }
        return out;
    }

    QWidget* PickTarget() {
        std::vector<QWidget*> all = Targets();
        if (all.empty()) return nullptr;
        // First a kind, then a control of that kind, so rare kinds get their turn.
        std::vector<QWidget*> ofKind;
        for (int attempt = 0; attempt < 4 && ofKind.empty(); ++attempt) {
            const Kind kind = kKinds[In(0, static_cast<int>(std::size(kKinds)) - 1)];
            for (QWidget* w : all)
                if (KindOf(w) == kind) ofKind.push_back(w);
        }
        return ofKind.empty() ? Pick(all) : Pick(ofKind);
    }

    static void SendMouse(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButton button,
                          Qt::MouseButtons held, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QMouseEvent e(type, QPointF(p), w->mapToGlobal(QPointF(p)), button, held, mods);
        QApplication::sendEvent(w, &e);
    }

    QPoint Inside(const QWidget* w) { return {In(0, w->width() - 1), In(0, w->height() - 1)}; }

    void Click() {
        QPointer<QWidget> w = PickTarget();
        if (!w) return;
        const QPoint p = Inside(w);
        const Qt::MouseButton button = Chance(90) ? Qt::LeftButton : Qt::RightButton;
        const bool twice = Chance(8);
        Note(QString("%1 %2 at (%3, %4) %5")
                 .arg(twice                      ? "double-click"
                      : button == Qt::LeftButton ? "click"
                                                 : "right click",
                      Describe(w))
                 .arg(p.x())
                 .arg(p.y())
                 .arg(w->isWindow() ? "" : "in " + Describe(w->window()))
                 .toStdString());
        SendMouse(w, QEvent::MouseButtonPress, p, button, button);
        if (w) SendMouse(w, QEvent::MouseButtonRelease, p, button, Qt::NoButton);
        if (twice && w) {
            SendMouse(w, QEvent::MouseButtonDblClick, p, button, button);
            if (w) SendMouse(w, QEvent::MouseButtonRelease, p, button, Qt::NoButton);
        }
    }

    void DragOnABoard() {
        std::vector<QWidget*> boards;
        for (QWidget* w : Targets())
            if (KindOf(w) == Kind::Picture) boards.push_back(w);
        if (boards.empty()) return Click();
        // Mostly the drawing board when it shows.
        QPointer<QWidget> w = Pick(boards);
        for (QWidget* b : boards)
            if (b->objectName() == "Picture11" && Chance(80)) w = b;
        const QPoint from =
            Chance(10) ? QPoint(In(-50, w->width() + 50), In(-50, w->height() + 50)) : Inside(w);
        const int moves = In(1, 6);
        std::string text = "drag on " + Describe(w).toStdString() + " from (" +
                           std::to_string(from.x()) + ", " + std::to_string(from.y()) + ")";
        const Qt::KeyboardModifiers mods = Chance(10) ? Qt::ShiftModifier : Qt::NoModifier;
        SendMouse(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, mods);
        QPoint at = from;
        for (int m = 0; m < moves && w; ++m) {
            at += QPoint(In(-60, 60), In(-60, 60));
            SendMouse(w, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton, mods);
        }
        text += " to (" + std::to_string(at.x()) + ", " + std::to_string(at.y()) + ") in " +
                std::to_string(moves) + " moves";
        Note(text);
        if (w) SendMouse(w, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, mods);
        // Sometimes the pointer moves on without a button, as over the board's coordinates.
        if (w && Chance(30)) SendMouse(w, QEvent::MouseMove, Inside(w), Qt::NoButton, Qt::NoButton);
    }

    struct KeyChoice {
        int key;
        Qt::KeyboardModifiers mods;
        QString text;
        const char* name;
    };

    KeyChoice RandomKey() {
        const int roll = In(1, 100);
        if (roll <= 30) {
            const int d = In(0, 9);
            return {Qt::Key_0 + d, Qt::NoModifier, QString::number(d), nullptr};
        }
        if (roll <= 45) {
            static const char ops[] = "+-*/=.^()%E";
            const char c = ops[In(0, static_cast<int>(sizeof ops) - 2)];
            const int key = c == 'E' ? Qt::Key_E : static_cast<int>(c);
            return {key, Qt::NoModifier, QString(QChar(c)), nullptr};
        }
        if (roll <= 58) {
            const char c = static_cast<char>('a' + In(0, 25));
            const bool upper = Chance(30);
            return {Qt::Key_A + (c - 'a'), upper ? Qt::ShiftModifier : Qt::NoModifier,
                    QString(QChar(upper ? c - 'a' + 'A' : c)), nullptr};
        }
        if (roll <= 64) return {Qt::Key_Return, Qt::NoModifier, "\r", "Enter"};
        if (roll <= 68) return {Qt::Key_Escape, Qt::NoModifier, QString(QChar(27)), "Escape"};
        if (roll <= 72) return {Qt::Key_Backspace, Qt::NoModifier, QString(QChar(8)), "Backspace"};
        if (roll <= 84) {
            static const int ctrl[] = {Qt::Key_C, Qt::Key_V, Qt::Key_Z, Qt::Key_X, Qt::Key_A};
            static const char* names[] = {"Ctrl+C", "Ctrl+V", "Ctrl+Z", "Ctrl+X", "Ctrl+A"};
            const int i = In(0, 4);
            return {ctrl[i], Qt::ControlModifier, {}, names[i]};
        }
        if (roll <= 92) {
            // The menu headings' letters, and a few others.
            static const char letters[] = "FETSCHOXAV";
            const char c = letters[In(0, static_cast<int>(sizeof letters) - 2)];
            return {Qt::Key_A + (c - 'A'), Qt::AltModifier, {}, nullptr};
        }
        static const int moves[] = {Qt::Key_Left,   Qt::Key_Right, Qt::Key_Up,   Qt::Key_Down,
                                    Qt::Key_Tab,    Qt::Key_Space, Qt::Key_Home, Qt::Key_End,
                                    Qt::Key_Delete, Qt::Key_F1};
        static const char* names[] = {"Left",  "Right", "Up",  "Down",   "Tab",
                                      "Space", "Home",  "End", "Delete", "F1"};
        const int i = In(0, 9);
        return {moves[i], Qt::NoModifier, moves[i] == Qt::Key_Space ? " " : QString(), names[i]};
    }

    void Key() {
        QPointer<QWidget> target = QApplication::activePopupWidget();
        if (!target) target = QApplication::focusWidget();
        if (!target) target = QApplication::activeWindow();
        if (!target) target = &t_->window();
        const KeyChoice k = RandomKey();
        QString name = k.name ? QString(k.name) : k.text;
        if (k.mods & Qt::AltModifier) name = QString("Alt+") + QChar(k.key);
        Note(("key " + name + " to " + Describe(target)).toStdString());
        // As the keyboard gives it: shortcuts first, then the key to the focused control.
        if (k.text.size() == 1 && k.text[0].unicode() >= 32 && k.text[0].unicode() < 127 &&
            k.mods == Qt::NoModifier) {
            const char c = static_cast<char>(k.text[0].unicode());
            QTest::keyPress(target, c);
            if (target) QTest::keyRelease(target, c);
        } else {
            const auto key = static_cast<Qt::Key>(k.key);
            QTest::keyPress(target, key, k.mods);
            if (target) QTest::keyRelease(target, key, k.mods);
        }
    }

    // A menu heading opened as by its letter or a click on the bar; its items are chosen by
    // the events after it.
    void OpenAMenu() {
        auto* bar = t_->window().findChild<QMenuBar*>();
        std::vector<QAction*> headings;
        if (bar && bar->isVisible())
            for (QAction* a : bar->actions())
                if (a->isEnabled() && a->menu()) headings.push_back(a);
        if (headings.empty()) return Key();
        QAction* heading = Pick(headings);
        Note(("open the menu " + heading->objectName()).toStdString());
        bar->setActiveAction(heading);
    }

    void PopupEvent() {
        QPointer<QWidget> popup = QApplication::activePopupWidget();
        if (auto* menu = qobject_cast<QMenu*>(popup.data()); menu && Chance(60)) {
            std::vector<QAction*> items;
            for (QAction* a : menu->actions())
                if (a->isVisible() && !a->isSeparator()) items.push_back(a);
            if (!items.empty()) {
                QAction* a = Pick(items);
                const QRect r = menu->actionGeometry(a);
                const QPoint p = r.center();
                Note(("click the item \"" + a->text() + "\" of " + Describe(menu)).toStdString());
                SendMouse(menu, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
                if (menu)
                    SendMouse(menu, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
                return;
            }
        }
        Key();
    }

    void MenuCommand() {
        std::vector<QAction*> items;
        for (QAction* a : t_->window().findChildren<QAction*>())
            if (!a->menu() && !a->isSeparator() && !a->objectName().isEmpty() && a->isEnabled())
                items.push_back(a);
        if (items.empty()) return;
        QAction* a = Pick(items);
        Note(("menu command " + a->objectName()).toStdString());
        a->trigger();
    }

    void Tick() {
        std::vector<QTimer*> running;
        for (QTimer* timer : t_->window().findChildren<QTimer*>())
            if (timer->isActive() && !timer->objectName().isEmpty()) running.push_back(timer);
        if (running.empty()) return Key();
        QPointer<QTimer> timer = Pick(running);
        const int ticks = In(1, 30);
        Note(("tick " + timer->objectName() + " " + QString::number(ticks) + " times")
                 .toStdString());
        for (int i = 0; i < ticks && timer && timer->isActive(); ++i) {
            QTimerEvent tick(timer->timerId());
            QApplication::sendEvent(timer, &tick);
        }
    }

    void Wheel() {
        QPointer<QWidget> w = PickTarget();
        if (!w) return;
        const QPoint p = Inside(w);
        const int delta = Chance(50) ? 120 : -120;
        Note(("wheel " + std::to_string(delta) + " on " + Describe(w).toStdString()));
        QWheelEvent e(QPointF(p), w->mapToGlobal(QPointF(p)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
    }

    // Clicks a button of a question that waits (the exit panels, the converter's question),
    // or sends some other event when none shows. Questions may wait one inside another (the
    // converter's question asked from within the exit panel, or the other way round), and
    // only the innermost can return first: the buttons showing are answered in turn, so an
    // outer question's button does not take every turn while the inner one waits.
    void AnswerAQuestion() {
        std::vector<QAbstractButton*> showing;
        for (const char* name :
             {"NoExitButt", "AbortExitButt", "YesExitButt", "ImageExitButt", "YesButt", "NoButt"})
            for (QWidget* top : QApplication::topLevelWidgets()) {
                auto* b = top->findChild<QAbstractButton*>(name);
                if (b && b->isVisible() && b->isEnabled()) {
                    showing.push_back(b);
                    break;
                }
            }
        if (showing.empty()) {
            // "Print" hides the main window, a question and all, until the print window is
            // left: its Exit brings the question back.
            if (auto* printExit =
                    t_->window().printWindow().findChild<QAbstractButton*>("PExitButt");
                printExit && printExit->isVisible() && printExit->isEnabled() &&
                !t_->window().isVisible()) {
                Note("leave the print window to answer the question behind it");
                printExit->click();
                return;
            }
            // While the window is closed, something else may wait (a menu, a dialog of its
            // own): keys are sent only after the questions have had their turns.
            if (!WindowClosed() || ++idleTurns_ % 20 == 0) Key();
            return;
        }
        idleTurns_ = 0;
        QAbstractButton* b = showing[static_cast<std::size_t>(answerTurn_++) % showing.size()];
        Note("answer with " + b->objectName().toStdString());
        b->click();
    }

    // The clipboard in turn: empty, a number, some text, a picture, a long text.
    void ChangeClipboard() {
        QClipboard* clipboard = QApplication::clipboard();
        switch (clipboardTurn_++ % 5) {
        case 0:
            clipboard->clear();
            Note("clipboard emptied");
            break;
        case 1:
            clipboard->setText("12.5E3");
            Note("clipboard: the text 12.5E3");
            break;
        case 2:
            clipboard->setText("[LINE] 2 + 3 = 5\r\nsecond line \xC3\xA9");
            Note("clipboard: two lines of text");
            break;
        case 3: {
            QImage picture(48, 32, QImage::Format_RGB32);
            picture.fill(QColor(In(0, 255), In(0, 255), In(0, 255)));
            clipboard->setImage(picture);
            Note("clipboard: a 48 x 32 picture");
            break;
        }
        default:
            clipboard->setText(QString(40'000, QChar('7')));
            Note("clipboard: 40,000 digits");
            break;
        }
    }

    // The next file, colour and font dialogs: mostly cancelled, sometimes a file of the
    // program's folder (there or not), a colour or a font.
    void PrepareDialogs() {
        auto& d = t_->dialogs;
        d.fileNames.clear();
        if (Chance(30)) {
            static const char* names[] = {"random.pcz",  "random.txt", "random.jpg",  "random.bmp",
                                          "missing.pcz", "Pelcor.jpg", "TotalStr.dat"};
            d.fileNames << QString::fromStdString(programDir_ + "/" + names[In(0, 6)]);
        }
        d.colors.clear();
        if (Chance(50)) d.colors.push_back(In(0, 0xFFFFFF));
        d.fonts.clear();
        if (Chance(50)) d.fonts.push_back(QFont("DejaVu Sans", In(6, 40)));
    }

    // --- checks

    void Check() {
        TMainCalc1& w = t_->window();
        // The drawing on the board always saves to a file that reads back the same.
        const DrawingList& list = w.document().list();
        DrawingFile::Contents back;
        const std::string bytes = DrawingFile::FileBytes(list);
        const std::string problem = DrawingFile::Parse(bytes, back);
        if (!problem.empty())
            fail("the drawing's file does not read back: " + problem);
        else if (back.list.Text() != list.Text())
            fail("the drawing's file reads back as another drawing");
        // The tape memo shows the calculator's tape.
        QString tape = QString::fromStdString(w.calculator().tape());
        tape.replace("\r\n", "\n");
        if (t_->tape() != tape) fail("the tape memo does not show the calculator's tape");
    }

    // The window was closed by its exit: what it saved is read by the next start.
    void Restart() {
        // The tape comes back with an unfinished last line finished, as the tape file reads.
        std::string tape = t_->window().calculator().tape();
        if (!tape.empty() && tape.back() != '\n') tape += "\r\n";
        // The exit turns a hexadecimal or binary readout back into decimal: a readout left in
        // another base comes back as its value in decimal.
        // A readout that does not read as a number comes back as "0".
        const Calculator& calc = t_->window().calculator();
        QString readout = calc.calcBase() == NumberBase::Decimal
                              ? t_->readout()->text()
                              : QString::fromStdString(calc.ReadoutInDecimal());
        if (!ParseNumber(readout.toStdString())) readout = "0";
        Note("the window closed: start again");
        t_.reset();
        start();
        ++restarts_;
        if (const std::string& back = t_->window().calculator().tape(); back != tape) {
            const auto differ = std::mismatch(tape.begin(), tape.end(), back.begin(), back.end());
            const auto at = static_cast<std::size_t>(differ.first - tape.begin());
            const std::size_t from = at < 40 ? 0 : at - 40;
            fail("the tape did not come back after a restart: it differs at byte " +
                 std::to_string(at) + " of " + std::to_string(tape.size()) + " (now " +
                 std::to_string(back.size()) + "): \"" + tape.substr(from, 80) +
                 "\" came back as \"" + back.substr(std::min(from, back.size()), 80) + "\"");
        }
        if (t_->readout()->text() != readout)
            fail("the readout came back as \"" + t_->readout()->text().toStdString() +
                 "\" after a restart, not \"" + readout.toStdString() + "\"");
    }
};

void RunSeed(unsigned seed) {
    if (const QByteArray asked = qgetenv("PELCOR_RANDOM_SEED"); !asked.isEmpty())
        seed = asked.toUInt();
    gLog.seed = seed;
    gLog.count = 0;
    std::signal(SIGSEGV, OnFatalSignal);
    std::signal(SIGABRT, OnFatalSignal);
    std::signal(SIGFPE, OnFatalSignal);
    std::signal(SIGBUS, OnFatalSignal);
#ifdef PELCOR_HAVE_SANITIZER_CALLBACK
    __sanitizer_set_death_callback(OnSanitizerDeath);
#endif
    Watchdog watchdog(std::chrono::seconds(60));
    auto folder = pelcor::testing::CopyOfProgramFolder();
    RandomInput input(seed, folder->path().toStdString());
    input.Run(EventsPerSeed());
    if (!input.failures.empty()) PrintLastEvents();
    for (const std::string& failure : input.failures)
        ADD_FAILURE() << "seed " << seed << ", " << failure;
    // The run ends as a person ends it: the window closes and what it saved reads back.
    input.window().window().hide();
    std::signal(SIGSEGV, SIG_DFL);
    std::signal(SIGABRT, SIG_DFL);
    std::signal(SIGFPE, SIG_DFL);
    std::signal(SIGBUS, SIG_DFL);
}

} // namespace

TEST(RandomInput, Seed1) {
    RunSeed(1);
}

TEST(RandomInput, Seed2) {
    RunSeed(20261208);
}

TEST(RandomInput, Seed3) {
    RunSeed(424242);
}
