#pragma once
// A box whose text takes effect only when it is confirmed. Enter confirms it; so does each leave
// of it (Tab, a click elsewhere, another window) while its text differs from the one in use, with
// the same parse and the same warnings, and so does a command that uses the value, through
// potvrdZmenu() before it runs. What the program uses is then what the box shows, or the user
// has been told why not.
#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;

class QtPotvrzovanePole : public QObject {
    Q_OBJECT
public:
    // `potvrd` takes the text as Enter does, warnings included, and returns false when it refused
    // it; the box then keeps the focus. `poEnteru` is what Enter does besides once the text was
    // taken (the focus moving on). The text the box holds now counts as taken.
    // The window owns it as a member, so that it goes before the window's own data: a box that
    // has the focus is left while the widgets are torn down, and nothing is to be taken then.
    QtPotvrzovanePole(QLineEdit* box, std::function<bool(const QString&)> potvrd, std::function<void()> poEnteru = {});

    // Takes the text unless it is the one last taken; false when it was refused.
    bool potvrdZmenu();
    // The program itself put the value in use into the box, or used the box's text.
    void prevzato();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    bool potvrdText();

    QLineEdit* m_box;
    std::function<bool(const QString&)> m_potvrd;
    std::function<void()> m_poEnteru;
    QString m_prevzato;
    bool m_potvrzuje = false;
};
