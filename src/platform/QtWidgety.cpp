#include "platform/QtWidgety.h"

#include "platform/Guard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintDevice>
#include <QPalette>
#include <QTimer>

int naPixely(const QPaintDevice& zarizeni, int twipy) { return qRound(twipy * zarizeni.logicalDpiY() / 1440.0); }

int naTwipy(const QPaintDevice& zarizeni, int pixely) { return qRound(pixely * 1440.0 / zarizeni.logicalDpiY()); }

KurzorCekani::KurzorCekani() { QApplication::setOverrideCursor(Qt::WaitCursor); }

KurzorCekani::~KurzorCekani() { QApplication::restoreOverrideCursor(); }

void ClickableLabel::mousePressEvent(QMouseEvent* e) {
    emit stisknuto(e->button());
    QLabel::mousePressEvent(e);
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) emit dvojklik();
    QLabel::mouseDoubleClickEvent(e);
}

void ClickableLabel::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space) {
        emit stisknuto(Qt::LeftButton);
        return;
    }
    QLabel::keyPressEvent(e);
}

namespace {

// Waits for its window to become active the first time, then goes: a box shown only when the
// window has been shown would belong to the window active before it, which gets the activation
// back when the box goes, over the window that was opened.
class PoOtevreni : public QObject {
public:
    PoOtevreni(QWidget* okno, QString chyba) : QObject(okno), m_chyba(std::move(chyba)) { okno->installEventFilter(this); }

    bool eventFilter(QObject* o, QEvent* e) override {
        if (o != parent() || e->type() != QEvent::WindowActivate) return false;
        o->removeEventFilter(this);
        QTimer::singleShot(0, o, [chyba = m_chyba] { ukazChybu(chyba); });
        deleteLater();
        return false;
    }

private:
    QString m_chyba;
};

}  // namespace

void ohlasPoOtevreni(QWidget* okno, const QString& chyba) {
    if (!chyba.isEmpty()) new PoOtevreni(okno, chyba);
}

void obnovOkno(QWidget* okno) { okno->setWindowState(okno->windowState() & ~Qt::WindowMinimized); }

void ukazOkno(QWidget* okno) {
    obnovOkno(okno);
    okno->show();
    okno->raise();
    okno->activateWindow();
}

void nastavBarvu(QWidget* w, const QColor& barva) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, barva);
    w->setPalette(p);
}

// Alt alone would otherwise take the keyboard to the menu bar.
bool BunkovyEditor::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride) {
        const auto* k = static_cast<QKeyEvent*>(e);
        switch (k->key()) {
        case Qt::Key_Alt: case Qt::Key_AltGr: case Qt::Key_Meta: case Qt::Key_Control: case Qt::Key_Shift:
            e->accept();
            return true;
        default: break;
        }
        if (!m_textovy && (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            e->ignore();
            return true;
        }
    }
    return QLineEdit::event(e);
}

void BunkovyEditor::keyPressEvent(QKeyEvent* e) {
    QLineEdit::keyPressEvent(e);
    e->accept();
}

void BunkovyEditor::keyReleaseEvent(QKeyEvent* e) {
    QLineEdit::keyReleaseEvent(e);
    e->accept();
}
