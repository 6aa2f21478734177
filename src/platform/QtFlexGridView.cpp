#include "platform/QtFlexGridView.h"

#include "platform/QtWidgety.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>

// Draws a cell with the grid's colour and bold, and selected only where the grid's selection
// (not Qt's) says so.
class FlexGridDelegat : public QStyledItemDelegate {
public:
    explicit FlexGridDelegat(FlexGridView* view) : QStyledItemDelegate(view), m_view(view) {}

protected:
    void initStyleOption(QStyleOptionViewItem* o, const QModelIndex& i) const override {
        QStyledItemDelegate::initStyleOption(o, i);
        const int bgr = i.data(FlexGrid::BarvaRole).toInt();
        const QColor barva(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
        o->palette.setColor(QPalette::Active, QPalette::Text, barva);
        o->palette.setColor(QPalette::Inactive, QPalette::Text, barva);
        o->font.setBold(i.data(FlexGrid::TucneRole).toBool());
        if (m_view->jeVybrana(i.row(), i.column())) o->state |= QStyle::State_Selected;
        else o->state &= ~QStyle::State_Selected;
    }

private:
    FlexGridView* m_view;
};

// The horizontal header: the fixed row's texts, wrapped when the view asks for it.
class FlexGridHlavicka : public QHeaderView {
public:
    explicit FlexGridHlavicka(QWidget* rodic) : QHeaderView(Qt::Horizontal, rodic) {}
    bool zalamovat = false;

protected:
    void initStyleOptionForIndex(QStyleOptionHeader* o, int sloupec) const override {
        QHeaderView::initStyleOptionForIndex(o, sloupec);
        if (zalamovat) o->textAlignment = Qt::Alignment(o->textAlignment.toInt() | Qt::TextWordWrap);
    }
};

FlexGridView::FlexGridView(QWidget* rodic) : QTableView(rodic), m_hlavicka(new FlexGridHlavicka(this)) {
    setHorizontalHeader(m_hlavicka);
    setSelectionMode(NoSelection);
    setEditTriggers(NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setFocusPolicy(Qt::StrongFocus);
    setItemDelegate(new FlexGridDelegat(this));
    verticalHeader()->hide();
    for (QHeaderView* h : {horizontalHeader(), verticalHeader()}) {
        h->setMinimumSectionSize(1);
        h->setSectionResizeMode(QHeaderView::Fixed);
        h->setHighlightSections(false);
    }
    horizontalHeader()->setSectionsClickable(false);
}

void FlexGridView::setGrid(FlexGrid* grid) {
    for (const QMetaObject::Connection& c : m_spojeni) disconnect(c);
    m_spojeni.clear();
    QItemSelectionModel* stary = selectionModel();
    m_grid = grid;
    setModel(grid);
    delete stary;
    if (!grid) return;
    m_spojeni << connect(grid, &QAbstractItemModel::modelReset, this, &FlexGridView::nactiVse)
              << connect(grid, &QAbstractItemModel::rowsInserted, this,
                         [this](const QModelIndex&, int prvni, int posledni) { nactiVysky(prvni, posledni); })
              << connect(grid, &QAbstractItemModel::columnsInserted, this, &FlexGridView::nactiSirky)
              << connect(grid, &QAbstractItemModel::layoutChanged, this,
                         [this] { nactiVysky(0, m_grid->rowCount() - 1); })
              << connect(grid, &QAbstractItemModel::headerDataChanged, this,
                         [this](Qt::Orientation o, int prvni, int posledni) {
                             if (o == Qt::Vertical) {
                                 nactiVysky(prvni, posledni);
                             } else {
                                 nactiHlavicku();
                                 nactiSirky();
                             }
                         })
              << connect(grid, &FlexGrid::vyberZmenen, this, &FlexGridView::nactiVyber)
              << connect(grid, &FlexGrid::topRowZmenen, this, &FlexGridView::nactiTopRow)
              << connect(grid, &FlexGrid::pismoZmeneno, this, &FlexGridView::nactiPismo)
              << connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &FlexGridView::zapisTopRow);
    nactiVse();
}

void FlexGridView::setZvyrazneni(Zvyrazneni z) {
    if (z == m_zvyrazneni) return;
    m_zvyrazneni = z;
    viewport()->update();
}

void FlexGridView::setSirkaNavrhu(int twips) {
    m_sirkaNavrhu = twips;
    nactiSirky();
}

void FlexGridView::setZalamovaniHlavicky(bool zalamovat) {
    m_hlavicka->zalamovat = zalamovat;
    m_hlavicka->viewport()->update();
}

bool FlexGridView::zalamovaniHlavicky() const { return m_hlavicka->zalamovat; }

QRect FlexGridView::obdelnikBunky(int radek, int sloupec) const {
    if (!m_grid || radek < m_grid->FixedRows() || radek >= m_grid->Rows() || sloupec < 0 || sloupec >= m_grid->Cols())
        return {};
    const int r = m_grid->radekModelu(radek);
    if (isRowHidden(r) || isColumnHidden(sloupec)) return {};
    return visualRect(m_grid->index(r, sloupec));
}

bool FlexGridView::jeVybrana(int modelRadek, int sloupec) const {
    if (!m_grid || m_zvyrazneni == Zvyrazneni::Nikdy) return false;
    const int r = m_grid->radekMrizky(modelRadek);
    const int r1 = std::min(m_grid->Row(), m_grid->RowSel()), r2 = std::max(m_grid->Row(), m_grid->RowSel());
    const int c1 = std::min(m_grid->Col(), m_grid->ColSel()), c2 = std::max(m_grid->Col(), m_grid->ColSel());
    if (r1 == r2 && c1 == c2) return false;
    return r >= r1 && r <= r2 && sloupec >= c1 && sloupec <= c2;
}

// --- from the grid ---------------------------------------------------------------------------

void FlexGridView::nactiVse() {
    if (!m_grid) return;
    nactiPismo();
    nactiHlavicku();
    nactiSirky();
    nactiVysky(0, m_grid->rowCount() - 1);
    nactiVyber();
}

void FlexGridView::nactiVysky(int prvni, int posledni) {
    if (!m_grid) return;
    // Setting it goes through every row, even to the same size: only when it changes.
    if (const int vychozi = naPixely(*this, m_grid->vychoziVyskaRadku()); vychozi != m_vychoziVyska) {
        verticalHeader()->setDefaultSectionSize(vychozi);
        m_vychoziVyska = vychozi;
    }
    // Every row at the default height: nothing to go through (a long list refilled at each key).
    if (!m_grid->maVlastniVysky()) return;
    posledni = std::min(posledni, m_grid->rowCount() - 1);
    for (int i = std::max(prvni, 0); i <= posledni; ++i) {
        const int vyska = m_grid->RowHeight(m_grid->radekMrizky(i));
        if (vyska == 0) {
            setRowHidden(i, true);
            continue;
        }
        if (isRowHidden(i)) setRowHidden(i, false);
        const int px = naPixely(*this, vyska);
        if (rowHeight(i) != px) setRowHeight(i, px);
    }
}

void FlexGridView::nactiHlavicku() {
    if (!m_grid) return;
    const int vyska = m_grid->FixedRows() > 0 ? m_grid->RowHeight(0) : 0;
    horizontalHeader()->setVisible(vyska > 0);
    if (vyska > 0) horizontalHeader()->setFixedHeight(naPixely(*this, vyska));
}

int FlexGridView::sirkaSloupce(int twips) const {
    if (m_sirkaNavrhu <= 0) return naPixely(*this, twips);
    const int uvnitr = width() - 2 * frameWidth();
    return std::max(1, qRound(static_cast<double>(twips) * uvnitr / m_sirkaNavrhu));
}

void FlexGridView::nactiSirky() {
    if (!m_grid) return;
    for (int c = 0; c < m_grid->Cols(); ++c) {
        const int sirka = m_grid->ColWidth(c);
        if (sirka == 0) {
            setColumnHidden(c, true);
            continue;
        }
        if (isColumnHidden(c)) setColumnHidden(c, false);
        const int px = sirkaSloupce(sirka);
        if (columnWidth(c) != px) setColumnWidth(c, px);
    }
}

void FlexGridView::nactiPismo() {
    if (!m_grid) return;
    QFont f = font();
    f.setPointSizeF(m_grid->FontSize());
    f.setBold(m_grid->FontBold());
    setFont(f);
}

void FlexGridView::nactiVyber() {
    viewport()->update();
    if (!m_grid || m_synchronizuji) return;
    m_synchronizuji = true;
    const int r = m_grid->Row(), c = m_grid->Col();
    const QModelIndex i = (r >= m_grid->FixedRows() && r < m_grid->Rows() && c < m_grid->Cols())
                              ? m_grid->index(m_grid->radekModelu(r), c)
                              : QModelIndex();
    selectionModel()->setCurrentIndex(i, QItemSelectionModel::NoUpdate);
    m_synchronizuji = false;
}

void FlexGridView::nactiTopRow(int radek) {
    if (!m_grid || m_zapisujiTopRow || radek < m_grid->FixedRows() || radek >= m_grid->Rows()) return;
    scrollTo(m_grid->index(m_grid->radekModelu(radek), std::max(currentIndex().column(), 0)), PositionAtTop);
}

// --- from the user ---------------------------------------------------------------------------

// TopRow follows the user's scrolling, so a refill that shows TopRow again keeps his place.
void FlexGridView::zapisTopRow() {
    if (!m_grid || m_zapisujiTopRow || !m_grid->Redraw()) return;
    const int r = rowAt(0);
    if (r < 0) return;
    const int radek = m_grid->radekMrizky(r);
    if (radek < m_grid->FixedRows() || radek == m_grid->TopRow()) return;
    m_zapisujiTopRow = true;
    m_grid->setTopRow(radek);
    m_zapisujiTopRow = false;
}

void FlexGridView::currentChanged(const QModelIndex& novy, const QModelIndex& stary) {
    QTableView::currentChanged(novy, stary);
    if (m_synchronizuji || !m_grid || !novy.isValid()) return;
    m_synchronizuji = true;
    m_grid->setRow(m_grid->radekMrizky(novy.row()));
    m_grid->setCol(novy.column());
    m_synchronizuji = false;
}

void FlexGridView::mousePressEvent(QMouseEvent* e) {
    // Only the left button moves the cell.
    if (e->button() != Qt::LeftButton) {
        e->accept();
        return;
    }
    m_stisknuto = indexAt(e->position().toPoint());
    QTableView::mousePressEvent(e);
}

void FlexGridView::mouseReleaseEvent(QMouseEvent* e) {
    QTableView::mouseReleaseEvent(e);
    if (e->button() != Qt::LeftButton) return;
    const bool stejna = m_stisknuto.isValid() && indexAt(e->position().toPoint()) == m_stisknuto;
    m_stisknuto = QPersistentModelIndex();
    if (stejna) emit klik();
}

void FlexGridView::keyPressEvent(QKeyEvent* e) {
    const QPointer<FlexGridView> ja(this);
    emit klavesaDolu(e->key(), e->modifiers());
    if (!ja) return;
    if (!e->text().isEmpty()) {
        emit znak(e->text().at(0));
        if (!ja) return;
    }
    QTableView::keyPressEvent(e);
}

void FlexGridView::resizeEvent(QResizeEvent* e) {
    QTableView::resizeEvent(e);
    if (m_sirkaNavrhu > 0) nactiSirky();
}

void FlexGridView::focusInEvent(QFocusEvent* e) {
    QTableView::focusInEvent(e);
    viewport()->update();
}

void FlexGridView::focusOutEvent(QFocusEvent* e) {
    QTableView::focusOutEvent(e);
    viewport()->update();
}
