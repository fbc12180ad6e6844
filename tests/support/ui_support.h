// Helpers for the window tests: answering modal windows, typing, a fresh program for each test, and
// the base every window test is built on.
#pragma once

#include "app/ui/calculator_window.h"
#include "app/ui/entry_box.h"
#include "app/ui/main_menu.h"
#include "app/ui/main_window.h"
#include "app/ui/program_state.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace brisk::testing {

// Each test's answers to modal windows belong to it: a fresh program drops those still waiting.
inline int& modalGeneration() {
    static int generation = 0;
    return generation;
}

// Runs `act` on the next modal window once it is shown (exec() blocks the test until it closes).
// It waits half a minute however loaded the machine is, unless `waiting` is cleared first.
inline void whenModal(std::function<void(QWidget*)> act, std::shared_ptr<bool> waiting = nullptr,
                      int triesLeft = 3000, int generation = -1) {
    if (generation < 0) generation = modalGeneration();
    if (!waiting) waiting = std::make_shared<bool>(true);
    QTimer::singleShot(10, [act, waiting, triesLeft, generation] {
        if (generation != modalGeneration() || !*waiting) return;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible())
            act(modal);
        else if (triesLeft > 0)
            whenModal(act, waiting, triesLeft - 1, generation);
    });
}

// Runs `act` on the modal window named `name` once it is shown; a window still closing before it is
// passed over.
inline void whenModalNamed(const QString& name, std::function<void(QWidget*)> act, int triesLeft = 3000,
                           int generation = -1) {
    if (generation < 0) generation = modalGeneration();
    QTimer::singleShot(10, [name, act, triesLeft, generation] {
        if (generation != modalGeneration()) return;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && modal->objectName() == name)
            act(modal);
        else if (triesLeft > 0)
            whenModalNamed(name, act, triesLeft - 1, generation);
    });
}

// Runs `act` on the next modal window of type T once it is shown; another modal window (a file
// dialog still closing, say) is passed over. When none has come after half a minute the test fails,
// and the modal window in the way is closed so that the test can end.
template <typename T>
void whenModalOf(std::function<void(T*)> act, int triesLeft = 3000, int generation = -1) {
    if (generation < 0) generation = modalGeneration();
    QTimer::singleShot(10, [act, triesLeft, generation] {
        if (generation != modalGeneration()) return;
        QWidget* modal = QApplication::activeModalWidget();
        if (T* expected = qobject_cast<T*>(modal); expected && expected->isVisible()) {
            act(expected);
        } else if (triesLeft > 0) {
            whenModalOf<T>(act, triesLeft - 1, generation);
        } else {
            QTest::qFail(QByteArray("no modal ") + T::staticMetaObject.className() + " came; " +
                             (modal ? modal->metaObject()->className() : "no modal window") + " was shown",
                         __FILE__, __LINE__);
            if (modal) modal->close();
        }
    });
}

// Focus goes only to an active window: makes `window` (a modal dialog, say) the active window first.
// (A dialog's own active flag may be set while its parent is still the active window.)
inline bool activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

// Types text key by key, characters beyond ASCII included (QTest::keyClicks takes ASCII only).
inline void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClicks(widget, QString(c));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// The document of the open window of type W (the window the test opened).
template <typename W> auto& documentOf() {
    W* window = program().frame ? program().frame->findChild<W*>() : nullptr;
    if (!window) qFatal("no %s is open", W::staticMetaObject.className());
    return window->document();
}
// The chart the open calculator `window` would show.
inline const ChartHandover& chartOf(QWidget* window) {
    return qobject_cast<CalculatorWindow*>(window)->calculatorDocument().chart;
}

// Leaving a box, as the Tab key does. Sent to the box itself: the offscreen platform does not always
// make a modal dialog the active window, and focus events go only to the active one.
inline void leaveBox(QWidget* box) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &out);
}

// Types into an entry box as a user does (entering it by Tab), then leaves it.
inline QString typeAndLeave(EntryBox* box, const QString& keys) {
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(box, &in);
    QTest::keyClicks(box, keys);
    leaveBox(box);
    return box->text();
}
// Types into the box `box` of `window` and leaves it; the box's text after.
inline QString typeInto(QWidget* window, const char* box, const QString& keys) {
    return typeAndLeave(window->findChild<EntryBox*>(box), keys);
}

// The text of the message box that `act` shows (closed again); empty when it shows none.
inline QString messageShownBy(const std::function<void()>& act) {
    QString shown;
    const auto waiting = std::make_shared<bool>(true);
    whenModal(
        [&shown](QWidget* box) {
            if (auto* text = box->findChild<QPlainTextEdit*>("TextMsg")) shown = text->toPlainText();
            box->close();
        },
        waiting);
    act();
    *waiting = false; // a window shown later is not this one's
    return shown;
}

// Whether a box shows the start of its text, from the symbol on: where the text begins follows from
// the cursor the box reports and the width of the text before it (the cursor's rectangle begins two
// pixels left of its line). The box scrolls as it paints.
inline bool showsItsStart(QLineEdit* box) {
    box->grab();
    const int cursorX = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().x() + 2;
    const QString text = box->text();
    const int firstCharacter = text.size() - QString(text).remove(QRegularExpression("^ +")).size();
    const int startX = cursorX - box->fontMetrics().horizontalAdvance(text.left(box->cursorPosition())) +
                       box->fontMetrics().horizontalAdvance(text.left(firstCharacter));
    return startX >= box->contentsRect().left();
}

// A program state as at a first start, with an empty data folder of the tests' own.
inline void freshProgram() {
    ++modalGeneration();
    QStandardPaths::setTestModeEnabled(true);
    program() = ProgramState{};
    initProgram();
    QDir(program().dataFolder).removeRecursively();
    QDir().mkpath(program().dataFolder);
    program().shell.DateForm = shortDateFormFromPattern("M/d/yyyy");
}

// What every window test starts from: before each test a program as at a first start, and after it
// the frame closed with every window in it. A test class that needs more in its init() calls this one's.
class WindowTest : public QObject {
    Q_OBJECT
  protected slots:
    void init() { freshProgram(); }
    void cleanup() { m_frame.reset(); }

  protected:
    // The frame, shown and active (made on first use): focus, and so typing, needs an active window.
    MainFrame* frame() {
        if (!m_frame) {
            m_frame = std::make_unique<MainFrame>(program());
            m_frame->show();
            activate(m_frame.get());
        }
        return m_frame.get();
    }
    // The task window of a main-menu button, opened as the user opens it; nothing when another came.
    template <typename W> W* openFromMenu(const char* button) {
        frame()->menu()->button(button)->click();
        return qobject_cast<W*>(m_frame->currentTask());
    }
    // A window made with `document` of its own, opened as the frame's task.
    template <typename W, typename D> W* open(D* document) {
        auto* window = new W(program(), document);
        frame()->openTask(window);
        return window;
    }
    // Types into the box `box` of `window` as a user does, and leaves it; the box's text after.
    static QString typeInto(QWidget* window, const char* box, const QString& keys) {
        return testing::typeInto(window, box, keys);
    }
    // The text of the message box that `act` shows (closed again); empty when it shows none.
    static QString nextMessage(const std::function<void()>& act) { return messageShownBy(act); }

    std::unique_ptr<MainFrame> m_frame;
};

} // namespace brisk::testing
