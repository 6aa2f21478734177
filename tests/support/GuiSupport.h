#pragma once
// Helpers of the widget tests: modal windows reached from inside their loops, the close box, the
// main loop after the session ended, the smallest screen.
#include "platform/Cekani.h"
#include "support/Dockej.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QTimer>
#include <QWidget>
#include <QtTest/qtestspontaneevent.h>
#include <QtWidgets/qtestsupport_widgets.h>
#include <exception>
#include <functional>
#include <gtest/gtest.h>

// Runs `krok` once `najdi` finds its window, from inside whatever modal loop is running then.
inline void az(std::function<QWidget*()> najdi, std::function<void(QWidget*)> krok,
               QDeadlineTimer strop = QDeadlineTimer(kStropCekaniMs)) {
    QTimer::singleShot(10, qApp, [=] {
        if (QWidget* w = najdi()) {
            // The program's guard would take a step's exception for its own and the test go on.
            try {
                return krok(w);
            } catch (const std::exception& e) {
                ADD_FAILURE() << "the step threw: " << e.what();
            } catch (...) {
                ADD_FAILURE() << "the step threw";
            }
        } else if (!strop.hasExpired()) {
            return az(najdi, krok, strop);
        } else {
            ADD_FAILURE() << "the window did not appear";
        }
        // Unblock the modal loop that waits for it.
        if (QWidget* w = QApplication::activeModalWidget()) {
            QCloseEvent e;
            QCoreApplication::sendEvent(w, &e);
        }
    });
}

// The window is on the screen, or active, within the tests' ceiling.
[[nodiscard]] inline bool ukazano(QWidget* w) { return w && QTest::qWaitForWindowExposed(w, kStropCekaniMs); }
[[nodiscard]] inline bool aktivni(QWidget* w) { return w && QTest::qWaitForWindowActive(w, kStropCekaniMs); }

// What the main loop does before the user's next command: the events the last one left are
// handled and the windows it closed deleted, so that the next window is not made a child of one
// about to go.
inline void mezikrok() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <typename W>
W* modalni() {
    return qobject_cast<W*>(QApplication::activeModalWidget());
}

// What the window system delivers when the user clicks the close box; true when the window took
// the close. The event itself hides nothing, so a refused close shows only here.
inline bool zaviraciPolicko(QWidget* w) {
    QCloseEvent e;
    QSpontaneKeyEvent::setSpontaneous(&e);
    qApp->notify(w, &e);  // sendEvent would clear the flag
    return e.isAccepted();
}

// After the session ended (QCoreApplication::exit) every wait and modal loop returns at once
// until a new session starts and the main loop has run again.
inline void obnovSmycky() {
    cekani::obnovSezeni();
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

// A window of this size fits an 800x600 screen with the title bar and borders that common
// window managers add (the offscreen platform draws none).
inline bool vejdeSeNaMalouObrazovku(const QSize& okno) {
    constexpr int kTitulek = 32, kOkraj = 4;
    return okno.width() + 2 * kOkraj <= 800 && okno.height() + kTitulek + kOkraj <= 600;
}
