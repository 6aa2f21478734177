#pragma once
// The grids of the windows: a text matrix whose row 0 is the fixed header row (when FixedRows
// is 1), so that every row number the program uses carries over unchanged; columns count
// from 0. Sizes are in twips.
//
// It is also a table model for a view in the gui library: model rows are grid rows
// FixedRows..Rows-1, and the fixed row is the horizontal header. Colours are 0xBBGGRR numbers
// and fonts plain values, because the core never sees Gui types; the view converts them.
// A height or width of 0 means the row or column is hidden (the view maps it to
// setRowHidden / setColumnHidden); it reads them through headerData with VyskaRole and
// SirkaRole and re-reads on headerDataChanged.
#include <QAbstractTableModel>
#include <QString>

#include <functional>
#include <vector>

class FlexGrid : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Zarovnani {
        VlevoStred = 1,
        StredStred = 4,
        VpravoStred = 7,
        Obecne = 9,  // numbers to the right, other text to the left
    };
    enum Role {
        BarvaRole = Qt::UserRole + 1,  // int 0xBBGGRR: the cell's text colour
        TucneRole,                     // bool: the cell's text is bold
        VyskaRole,                     // headerData: row height (vertical; horizontal = the fixed row)
        SirkaRole,                     // headerData, horizontal: column width
    };

    explicit FlexGrid(int rows = 1, int cols = 1, QObject* parent = nullptr);

    // --- the grid's own operations ---------------------------------------------------------
    int Rows() const { return static_cast<int>(m_radky.size()); }
    void setRows(int n);  // growing adds empty rows, shrinking drops the last ones
    int Cols() const { return m_sloupcu; }
    void setCols(int n);
    int FixedRows() const { return m_pevnych; }
    void setFixedRows(int n);  // 0 or 1

    // A row from TAB-separated text: fields beyond the columns are dropped, missing ones stay
    // empty. Appends, or inserts before row `index` (FixedRows..Rows).
    void AddItem(const QString& text, int index = -1);
    // Rows of a long list whose texts another object keeps: the source gives the TAB-separated
    // text of key `klic`, asked for when a cell of its row is first read, so that a fill of many
    // rows costs nothing per cell. The source must give the same text for a key while rows of it
    // are in the grid, and outlive them.
    using ZdrojRadku = std::function<QString(int klic)>;
    void setZdrojRadku(ZdrojRadku zdroj) { m_zdroj = std::move(zdroj); }
    // Appends one row per key, as AddItem would append the source's text for it.
    void AddItems(const std::vector<int>& klice);
    void RemoveItem(int row);  // a row below the fixed one
    void Clear();              // every cell's text and format; sizes stay

    QString TextMatrix(int r, int c) const;
    QStringView TextView(int r, int c) const;  // valid until the grid next changes
    void setTextMatrix(int r, int c, const QString& text);
    QString Text() const { return TextMatrix(m_row, m_col); }
    void setText(const QString& text) { setTextMatrix(m_row, m_col, text); }

    // The current cell and the far end of the selection. Setting Row or Col moves the cell
    // and collapses the selection onto it; RowSel/ColSel then stretch it.
    int Row() const { return m_row; }
    void setRow(int r);
    int Col() const { return m_col; }
    void setCol(int c);
    int RowSel() const { return m_rowSel; }
    void setRowSel(int r);
    int ColSel() const { return m_colSel; }
    void setColSel(int c);
    int TopRow() const { return m_topRow; }
    void setTopRow(int r);

    int ColWidth(int c) const;
    void setColWidth(int c, int twips);  // 0 hides, -1 returns to the default width
    Zarovnani ColAlignment(int c) const;
    void setColAlignment(int c, Zarovnani z);
    int RowHeight(int r) const;
    void setRowHeight(int r, int twips);  // 0 hides, -1 returns to the default height
    int vychoziVyskaRadku() const { return m_vychoziVyska; }
    // False while no row was ever given a height of its own: every row has the default one.
    bool maVlastniVysky() const { return m_vlastniVysky; }
    void setVychoziVyskaRadku(int twips);
    void setVychoziSirkaSloupce(int twips);

    void setCellForeColor(int bgr) { setCellForeColorAt(m_row, m_col, bgr); }
    int CellForeColorAt(int r, int c) const;
    void setCellForeColorAt(int r, int c, int bgr);
    void setCellFontBold(bool b) { setCellFontBoldAt(m_row, m_col, b); }
    bool CellFontBoldAt(int r, int c) const;
    void setCellFontBoldAt(int r, int c, bool b);
    bool FontBold() const { return m_fontBold; }
    void setFontBold(bool b);
    double FontSize() const { return m_fontSize; }
    void setFontSize(double points);

    // Sorts rows Row..RowSel (fixed rows left out) on column Col, ascending and case-sensitive
    // by the characters' code values; rows with equal keys keep their order. Whole rows move:
    // texts, colours, bold and heights.
    void Sort();

    // Off: the views are told nothing until it is switched on again, and then re-read the
    // whole grid once. Bulk fills use it (see FlexGridDavka).
    bool Redraw() const { return m_redraw; }
    void setRedraw(bool on);

    // --- the model ----------------------------------------------------------------------------
    int radekModelu(int gridRow) const { return gridRow - m_pevnych; }
    int radekMrizky(int modelRow) const { return modelRow + m_pevnych; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;

signals:
    void vyberZmenen();                    // Row, Col, RowSel or ColSel
    void topRowZmenen(int row);
    void pismoZmeneno();                   // FontBold or FontSize

private:
    struct Format {
        int barva = 0;
        bool tucne = false;
    };
    // A row keeps the text AddItem got, shared with the caller and cut into cells on reading,
    // so a bulk fill costs no allocation per cell; the first write into a row splits it. A row
    // added by key gets its text from the source when first read.
    struct Radek {
        mutable QString spojeny;
        QList<QString> bunky;
        bool rozlozeny = false;
        mutable int klic = -1;        // >= 0: spojeny is still the source's to give
        std::vector<Format> formaty;  // empty: every cell black and not bold
        int vyska = -1;               // -1: the default height
    };

    void kontrolaRadku(int r) const;
    void kontrolaSloupce(int c) const;
    void rozloz(Radek& r) const;
    const QString& spojeny(const Radek& r) const;
    Format format(int r, int c) const;
    QVariant bunka(int r, int c, int role) const;
    Format& formatProZapis(int r, int c);
    void bunkaZmenena(int r, int c, const QList<int>& roles);
    void radkyZmeneny(int r1, int r2);  // every cell of rows r1..r2 changed
    void vyskaZmenena(int r1, int r2);
    void sirkaZmenena(int c1, int c2);
    void upravKurzor();
    bool omezTopRow();                    // true when TopRow had to move
    void oznamKurzor();

    std::vector<Radek> m_radky;
    int m_sloupcu = 0;
    int m_pevnych = 1;
    std::vector<int> m_sirky;  // -1: the default width
    std::vector<Zarovnani> m_zarovnani;
    int m_row = 0, m_col = 0, m_rowSel = 0, m_colSel = 0, m_topRow = 0;
    int m_vychoziVyska = 270;
    int m_vychoziSirka = 1200;
    bool m_fontBold = false;
    double m_fontSize = 8.25;
    bool m_redraw = true;
    bool m_vlastniVysky = false;
    ZdrojRadku m_zdroj;
};

// Switches a grid's redraw off for a scope (a bulk fill) and back to what it was, also when the
// fill throws.
class FlexGridDavka {
public:
    explicit FlexGridDavka(FlexGrid& g) : m_g(g), m_puvodne(g.Redraw()) { g.setRedraw(false); }
    ~FlexGridDavka() { m_g.setRedraw(m_puvodne); }
    FlexGridDavka(const FlexGridDavka&) = delete;
    FlexGridDavka& operator=(const FlexGridDavka&) = delete;

private:
    FlexGrid& m_g;
    bool m_puvodne;
};
