#include "platform/QtWidgety.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>

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

void nastavBarvu(QWidget* w, const QColor& barva) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, barva);
    w->setPalette(p);
}
