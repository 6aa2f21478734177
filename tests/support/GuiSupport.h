#pragma once
// Helpers of the widget tests.
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

// After QCoreApplication::exit every modal loop returns at once until the main loop has run again.
inline void obnovSmycky() {
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}
