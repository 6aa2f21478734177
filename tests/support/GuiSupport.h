#pragma once
// Helpers of the widget tests.
#include "platform/Cekani.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <QtTest/qtestspontaneevent.h>

// What the window system delivers when the user clicks the close box (sendEvent would clear the flag).
inline void zaviraciPolicko(QWidget* w) {
    QCloseEvent e;
    QSpontaneKeyEvent::setSpontaneous(&e);
    qApp->notify(w, &e);
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
