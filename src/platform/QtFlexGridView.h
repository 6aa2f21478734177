#pragma once
// The Qt view of a FlexGrid: row 0 (the fixed row) is the header, heights and widths come from
// the grid in twips (0 hides a row or column), texts carry the grid's alignment, per-cell colour
// and bold, and the grid-wide font. The current cell and the selection are the grid's Row, Col,
// RowSel and ColSel in both directions: a click or an arrow key moves the grid's cell and
// collapses its selection, and whatever the program sets is shown. The view reports clicks and
// keys the way the grid control did.
#include "platform/FlexGrid.h"
#include "platform/Zvyrazneni.h"

#include <QPointer>
#include <QTableView>

class FlexGridHlavicka;

class FlexGridView : public QTableView {
    Q_OBJECT
public:
    explicit FlexGridView(QWidget* rodic = nullptr);

    void setGrid(FlexGrid* grid);
    FlexGrid* grid() const { return m_grid; }

    // HighLight. A selection of a single cell is never drawn highlighted; the current cell shows
    // the focus frame.
    Zvyrazneni zvyrazneni() const { return m_zvyrazneni; }
    void setZvyrazneni(Zvyrazneni z);

    // Column widths: with a design width (twips) the columns are scaled so that this width fills
    // the view's inside, keeping their ratios when the window is resized; with 0 the widths are
    // taken as they are. Heights always convert at the screen's resolution.
    void setSirkaNavrhu(int twips);

    // Header texts wrap at their spaces within the fixed row's height instead of being cut off
    // (a fixed row two lines high shows a two-word header whole in a narrow column); off at first.
    void setZalamovaniHlavicky(bool zalamovat);
    bool zalamovaniHlavicky() const;

    // The rectangle of a grid cell in the viewport's coordinates (CellLeft, CellTop, CellWidth,
    // CellHeight), for an editor placed over it; empty for the fixed row and for a hidden cell.
    // An editor made a child of the viewport scrolls with its cell and is clipped with it.
    QRect obdelnikBunky(int radek, int sloupec) const;

signals:
    // Click: the mouse button went up over the cell it went down on, which is now current.
    void klik();
    // KeyDown: any key, before the grid moves its cell.
    void klavesaDolu(int klavesa, Qt::KeyboardModifiers shift);
    // KeyPress: a typed character, Enter ("\r"), Escape and Backspace included.
    void znak(QChar znak);

protected:
    void currentChanged(const QModelIndex& novy, const QModelIndex& stary) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyboardSearch(const QString&) override {}
    void resizeEvent(QResizeEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    friend class FlexGridDelegat;
    bool jeVybrana(int modelRadek, int sloupec) const;

    void nactiVse();
    void nactiVysky(int prvni, int posledni);  // model rows
    void nactiHlavicku();
    void nactiSirky();
    void nactiPismo();
    void nactiVyber();
    void nactiTopRow(int radek);
    void zapisTopRow();
    int sirkaSloupce(int twips) const;

    QPointer<FlexGrid> m_grid;
    FlexGridHlavicka* m_hlavicka;
    Zvyrazneni m_zvyrazneni = Zvyrazneni::Vzdy;
    int m_sirkaNavrhu = 0;
    bool m_synchronizuji = false;
    bool m_zapisujiTopRow = false;
    QPersistentModelIndex m_stisknuto;
    QList<QMetaObject::Connection> m_spojeni;
    int m_vychoziVyska = -1;  // the rows' default height last given to the header, pixels
};
