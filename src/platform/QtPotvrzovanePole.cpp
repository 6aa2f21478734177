#include "platform/QtPotvrzovanePole.h"

#include "platform/Guard.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopeGuard>

QtPotvrzovanePole::QtPotvrzovanePole(QLineEdit* box, std::function<bool(const QString&)> potvrd,
                                     std::function<void()> poEnteru)
    : m_box(box), m_potvrd(std::move(potvrd)), m_poEnteru(std::move(poEnteru)), m_prevzato(box->text()) {
    box->installEventFilter(this);
}

bool QtPotvrzovanePole::potvrdZmenu() {
    // The warning of a confirmation under way takes the focus from the box; that is no leaving.
    if (m_potvrzuje) return false;
    return m_box->text() == m_prevzato || potvrdText();
}

void QtPotvrzovanePole::prevzato() { m_prevzato = m_box->text(); }

bool QtPotvrzovanePole::potvrdText() {
    m_potvrzuje = true;
    const auto konec = qScopeGuard([this] { m_potvrzuje = false; });
    const QString text = m_box->text();
    if (!m_potvrd(text)) {
        m_box->setFocus();
        return false;
    }
    m_prevzato = text;
    return true;
}

bool QtPotvrzovanePole::eventFilter(QObject* o, QEvent* e) {
    if (o != m_box) return false;
    // Every leave, not only the first after an edit (the box's own signal comes once per edit):
    // a refused text is refused again each time the box is left. A popup, such as the box's own
    // menu, gives the focus back and is no leave.
    if (e->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason) {
        // The box ends its editing first, so that a refusal giving it the focus back finds it done.
        static_cast<QObject*>(m_box)->event(e);
        runGuarded([this] { potvrdZmenu(); });
        return true;
    }
    if (e->type() != QEvent::KeyPress) return false;
    const int k = static_cast<QKeyEvent*>(e)->key();
    if (k != Qt::Key_Return && k != Qt::Key_Enter) return false;
    // Enter takes the text even when it is the one last taken.
    runGuarded([this] {
        if (potvrdText() && m_poEnteru) m_poEnteru();
    });
    return true;
}
