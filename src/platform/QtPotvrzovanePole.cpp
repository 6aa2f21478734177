#include "platform/QtPotvrzovanePole.h"

#include "platform/Guard.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScopeGuard>

QtPotvrzovanePole::QtPotvrzovanePole(QLineEdit* box, std::function<bool(const QString&)> potvrd,
                                     std::function<void()> poEnteru)
    : m_box(box), m_potvrd(std::move(potvrd)), m_poEnteru(std::move(poEnteru)), m_prevzato(box->text()) {
    box->installEventFilter(this);
    // Enter never reaches the box (below), so this is the box being left.
    pripoj(box, &QLineEdit::editingFinished, this, [this] { potvrdZmenu(); });
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
    if (o != m_box || e->type() != QEvent::KeyPress) return false;
    const int k = static_cast<QKeyEvent*>(e)->key();
    if (k != Qt::Key_Return && k != Qt::Key_Enter) return false;
    // Enter takes the text even when it is the one last taken.
    runGuarded([this] {
        if (potvrdText() && m_poEnteru) m_poEnteru();
    });
    return true;
}
