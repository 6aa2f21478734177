#include "platform/QtApplication.h"

#include "platform/Guard.h"
#include "platform/UserDialogs.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Enter on a focused push or tool button presses it, as on the desktop the users come from;
// Qt leaves it to Space. Check boxes and options pass Enter on to their window.
bool stiskniTlacitko(QObject* cil, QEvent* udalost) {
    if (udalost->type() != QEvent::KeyPress) return false;
    const auto* k = static_cast<QKeyEvent*>(udalost);
    if ((k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter) || (k->modifiers() & ~Qt::KeypadModifier)) return false;
    auto* b = qobject_cast<QAbstractButton*>(cil);
    if (!b || b->isCheckable() || !b->isEnabled() || !b->hasFocus()) return false;
    if (!k->isAutoRepeat()) b->click();
    return true;
}

}  // namespace

QtApplication::QtApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(kTitulekAplikace);
    // Qt's own dialogs (files, printing, standard buttons) speak Czech like the rest of the
    // program, whatever the machine's language; without the translations they stay English.
    auto* preklad = new QTranslator(this);
    if (preklad->load(QStringLiteral("qtbase_cs"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) installTranslator(preklad);
    else delete preklad;
}

bool QtApplication::notify(QObject* cil, QEvent* udalost) {
    bool vysledek = false;
    runGuarded([&] { vysledek = stiskniTlacitko(cil, udalost) || QApplication::notify(cil, udalost); });
    return vysledek;
}
