#pragma once
// Small widgets and helpers that several windows share.
#include <QColor>
#include <QLabel>
#include <QLineEdit>

class QPaintDevice;

// The wait cursor for as long as it lives, taken down however the scope is left.
class KurzorCekani {
public:
    KurzorCekani();
    ~KurzorCekani();
    KurzorCekani(const KurzorCekani&) = delete;
    KurzorCekani& operator=(const KurzorCekani&) = delete;
};

// A plain label that reports the mouse: links, switches and the sheet's clickable captions.
// One given a focus policy is also pressed with Enter or Space, as a left click.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void stisknuto(Qt::MouseButton tlacitko);
    void dvojklik();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

inline const QColor kBarvaOdkazu(0, 0, 192);

// Twips (1440 an inch, the unit of every size in the grids and layouts) to pixels of a screen or
// widget at its vertical resolution, rounded (15 twips a pixel at 96 dpi); and back.
int naPixely(const QPaintDevice& zarizeni, int twipy);
int naTwipy(const QPaintDevice& zarizeni, int pixely);

// A window a command brings to the user: out of the minimised state (shown again, it would stay
// an icon and the keys typed for it go to the window under it), on top and with the focus.
void ukazOkno(QWidget* okno);
// Only out of the minimised state: a dialog about to be shown modal by its exec().
void obnovOkno(QWidget* okno);

// `chyba`, when there is one, in a box once the window first appears and is active: what keeps
// it from its usual work, named over it rather than from within its show, which would hold up
// the command that shows it.
void ohlasPoOtevreni(QWidget* okno, const QString& chyba);

// The text colour of a label or any widget that draws with WindowText.
void nastavBarvu(QWidget* w, const QColor& barva);

// An editor laid over a grid cell. Every key pressed in it is its own: modifiers alone (the
// Czech layout types its top-row digits with Shift), arrows, Page keys and the rest never reach
// the grid underneath, which would close the editor and drop the text. The window ends it on
// Enter, Escape and Tab through an event filter.
// Over a number (a count, a price, a coefficient) a key with Ctrl or Alt is the window's
// shortcut first, so Ctrl+X, Ctrl+Z or Ctrl+E run their command rather than cut, undo or move;
// the editor gets such a key only where no shortcut claims it. Over a text it keeps the line
// edit's own (cut, copy, paste, undo), as every text box does.
class BunkovyEditor : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
    void setTextovy(bool textovy) { m_textovy = textovy; }

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    bool m_textovy = false;
};
