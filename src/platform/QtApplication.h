#pragma once
#include <QApplication>

// The application object. Every event is one user action: a run-time error of the core that
// escapes a handler is shown and the program goes on. Enter on a focused button presses it.
class QtApplication : public QApplication {
public:
    QtApplication(int& argc, char** argv);
    bool notify(QObject* cil, QEvent* udalost) override;
};
