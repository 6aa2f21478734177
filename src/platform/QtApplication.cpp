#include "platform/QtApplication.h"

#include "platform/Guard.h"
#include "platform/UserDialogs.h"

QtApplication::QtApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(kTitulekAplikace);
}

bool QtApplication::notify(QObject* cil, QEvent* udalost) {
    bool vysledek = false;
    runGuarded([&] { vysledek = QApplication::notify(cil, udalost); });
    return vysledek;
}
