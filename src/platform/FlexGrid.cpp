#include "platform/FlexGrid.h"

#include "platform/Errors.h"
#include "platform/Regional.h"

#include <algorithm>

namespace {

RuntimeError chybaIndexu() { return RuntimeError(381, QStringLiteral("Neplatný index řádku nebo sloupce")); }
RuntimeError chybaHodnoty() { return RuntimeError(380, QStringLiteral("Neplatná hodnota vlastnosti")); }

Qt::Alignment zarovnaniQt(FlexGrid::Zarovnani z, QStringView text) {
    switch (z) {
    case FlexGrid::VlevoStred: return Qt::AlignLeft | Qt::AlignVCenter;
    case FlexGrid::StredStred: return Qt::AlignHCenter | Qt::AlignVCenter;
    case FlexGrid::VpravoStred: return Qt::AlignRight | Qt::AlignVCenter;
    case FlexGrid::Obecne: break;
    }
    return (Regional::current().IsNumeric(text.toString()) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

// Cell c of a row's TAB-joined text; past the last field it is empty.
QStringView pole(QStringView s, int c) {
    qsizetype od = 0;
    for (int i = 0; i < c; ++i) {
        const qsizetype tab = s.indexOf(u'\t', od);
        if (tab < 0) return {};
        od = tab + 1;
    }
    const qsizetype tab = s.indexOf(u'\t', od);
    return s.mid(od, (tab < 0 ? s.size() : tab) - od);
}

// The text of the first n fields (fields beyond a grid's columns are not kept). One pass: most
// rows have no more fields than columns and are kept whole.
QString prvniPole(const QString& s, int n) {
    if (n <= 0) return s.left(0);
    const QChar* z = s.constData();
    for (qsizetype i = 0, tabu = 0; i < s.size(); ++i)
        if (z[i] == u'\t' && ++tabu == n) return s.left(i);
    return s;
}

}  // namespace

FlexGrid::FlexGrid(int rows, int cols, QObject* parent) : QAbstractTableModel(parent) {
    if (rows < m_pevnych || cols < 0) throw chybaHodnoty();
    m_sloupcu = cols;
    m_sirky.assign(cols, -1);
    m_zarovnani.assign(cols, Obecne);
    m_radky.resize(rows);
    m_row = m_rowSel = std::min(m_pevnych, std::max(rows - 1, 0));
    m_topRow = m_pevnych;
}

void FlexGrid::rozloz(Radek& r) const {
    if (r.rozlozeny) return;
    const QString& s = spojeny(r);
    r.bunky.resize(m_sloupcu);
    for (int c = 0; c < m_sloupcu; ++c) r.bunky[c] = pole(s, c).toString();
    r.spojeny.clear();
    r.rozlozeny = true;
}

const QString& FlexGrid::spojeny(const Radek& r) const {
    if (r.klic >= 0) {
        r.spojeny = prvniPole(m_zdroj(r.klic), m_sloupcu);
        r.klic = -1;
    }
    return r.spojeny;
}

FlexGrid::Format FlexGrid::format(int r, int c) const {
    kontrolaRadku(r);
    kontrolaSloupce(c);
    const auto& f = m_radky[r].formaty;
    return f.empty() ? Format{} : f[c];
}

FlexGrid::Format& FlexGrid::formatProZapis(int r, int c) {
    kontrolaRadku(r);
    kontrolaSloupce(c);
    auto& f = m_radky[r].formaty;
    if (f.empty()) f.resize(m_sloupcu);
    return f[c];
}

void FlexGrid::kontrolaRadku(int r) const {
    if (r < 0 || r >= Rows()) throw chybaIndexu();
}

void FlexGrid::kontrolaSloupce(int c) const {
    if (c < 0 || c >= m_sloupcu) throw chybaIndexu();
}

// --- notification ------------------------------------------------------------------------------

void FlexGrid::bunkaZmenena(int r, int c, const QList<int>& roles) {
    if (!m_redraw) return;
    if (r < m_pevnych) {
        emit headerDataChanged(Qt::Horizontal, c, c);
    } else {
        const QModelIndex i = index(radekModelu(r), c);
        emit dataChanged(i, i, roles);
    }
}

void FlexGrid::radkyZmeneny(int r1, int r2) {
    if (!m_redraw || m_sloupcu == 0) return;
    if (r1 < m_pevnych) {
        emit headerDataChanged(Qt::Horizontal, 0, m_sloupcu - 1);
        r1 = m_pevnych;
    }
    if (r1 <= r2) emit dataChanged(index(radekModelu(r1), 0), index(radekModelu(r2), m_sloupcu - 1));
}

void FlexGrid::vyskaZmenena(int r1, int r2) {
    if (!m_redraw) return;
    if (r1 < m_pevnych) {
        if (m_sloupcu > 0) emit headerDataChanged(Qt::Horizontal, 0, m_sloupcu - 1);
        r1 = m_pevnych;
    }
    if (r1 <= r2) emit headerDataChanged(Qt::Vertical, radekModelu(r1), radekModelu(r2));
}

void FlexGrid::sirkaZmenena(int c1, int c2) {
    if (m_redraw && c1 <= c2) emit headerDataChanged(Qt::Horizontal, c1, c2);
}

void FlexGrid::upravKurzor() {
    const int posledniRadek = std::max(Rows() - 1, 0);
    const int posledniSloupec = std::max(m_sloupcu - 1, 0);
    m_row = std::min(m_row, posledniRadek);
    m_rowSel = std::min(m_rowSel, posledniRadek);
    m_col = std::min(m_col, posledniSloupec);
    m_colSel = std::min(m_colSel, posledniSloupec);
    oznamKurzor();
    // While the grid is refilled without redrawing, its rows come and go; TopRow is fitted to
    // them once it is drawn again, so a refill keeps the user's place.
    if (m_redraw && omezTopRow()) emit topRowZmenen(m_topRow);
}

bool FlexGrid::omezTopRow() {
    const int top = std::clamp(m_topRow, m_pevnych, std::max(m_pevnych, Rows() - 1));
    if (top == m_topRow) return false;
    m_topRow = top;
    return true;
}

void FlexGrid::oznamKurzor() {
    if (m_redraw) emit vyberZmenen();
}

void FlexGrid::setRedraw(bool on) {
    if (on == m_redraw) return;
    if (!on) {
        beginResetModel();
        m_redraw = false;
        return;
    }
    m_redraw = true;
    omezTopRow();
    endResetModel();
    emit vyberZmenen();
    emit topRowZmenen(m_topRow);
    emit pismoZmeneno();
}

// --- shape ---------------------------------------------------------------------------------------

void FlexGrid::setRows(int n) {
    if (n < m_pevnych) throw chybaHodnoty();
    const int stare = Rows();
    if (n > stare) {
        if (m_redraw) beginInsertRows({}, radekModelu(stare), radekModelu(n - 1));
        m_radky.resize(n);
        if (m_redraw) endInsertRows();
    } else if (n < stare) {
        if (m_redraw) beginRemoveRows({}, radekModelu(n), radekModelu(stare - 1));
        m_radky.resize(n);
        if (m_redraw) endRemoveRows();
        upravKurzor();
    }
}

void FlexGrid::setCols(int n) {
    if (n < 0) throw chybaHodnoty();
    const int stare = m_sloupcu;
    if (n == stare) return;
    if (m_redraw) {
        if (n > stare) beginInsertColumns({}, stare, n - 1);
        else beginRemoveColumns({}, n, stare - 1);
    }
    m_sloupcu = n;
    for (Radek& r : m_radky) {
        if (r.rozlozeny) r.bunky.resize(n);
        else if (n < stare) r.spojeny = prvniPole(spojeny(r), n);
        if (!r.formaty.empty()) r.formaty.resize(n);
    }
    m_sirky.resize(n, -1);
    m_zarovnani.resize(n, Obecne);
    if (m_redraw) {
        if (n > stare) endInsertColumns();
        else endRemoveColumns();
    }
    if (n < stare) upravKurzor();
}

void FlexGrid::setFixedRows(int n) {
    if (n < 0 || n > 1 || n > Rows()) throw chybaHodnoty();
    if (n == m_pevnych) return;
    if (m_redraw) beginResetModel();
    m_pevnych = n;
    if (m_redraw) endResetModel();
    upravKurzor();
}

void FlexGrid::AddItem(const QString& text, int index) {
    if (index == -1) index = Rows();
    if (index < m_pevnych || index > Rows()) throw chybaIndexu();
    Radek radek;
    radek.spojeny = prvniPole(text, m_sloupcu);
    if (m_redraw) beginInsertRows({}, radekModelu(index), radekModelu(index));
    m_radky.insert(m_radky.begin() + index, std::move(radek));
    if (m_redraw) endInsertRows();
}

void FlexGrid::AddItems(const std::vector<int>& klice) {
    if (klice.empty()) return;
    if (!m_zdroj) throw chybaHodnoty();
    const int od = Rows();
    if (m_redraw) beginInsertRows({}, radekModelu(od), radekModelu(od + static_cast<int>(klice.size()) - 1));
    m_radky.reserve(m_radky.size() + klice.size());
    for (int k : klice) m_radky.emplace_back().klic = k;
    if (m_redraw) endInsertRows();
}

void FlexGrid::RemoveItem(int row) {
    if (row < m_pevnych || row >= Rows()) throw chybaIndexu();
    if (m_redraw) beginRemoveRows({}, radekModelu(row), radekModelu(row));
    m_radky.erase(m_radky.begin() + row);
    if (m_redraw) endRemoveRows();
    upravKurzor();
}

void FlexGrid::Clear() {
    for (Radek& r : m_radky) r = Radek{{}, {}, false, -1, {}, r.vyska};
    radkyZmeneny(0, Rows() - 1);
}

// --- cells ---------------------------------------------------------------------------------------

QStringView FlexGrid::TextView(int r, int c) const {
    kontrolaRadku(r);
    kontrolaSloupce(c);
    const Radek& radek = m_radky[r];
    return radek.rozlozeny ? QStringView(radek.bunky[c]) : pole(spojeny(radek), c);
}

QString FlexGrid::TextMatrix(int r, int c) const {
    const QStringView v = TextView(r, c);
    const Radek& radek = m_radky[r];
    if (radek.rozlozeny) return radek.bunky[c];
    return v.size() == radek.spojeny.size() ? radek.spojeny : v.toString();
}

void FlexGrid::setTextMatrix(int r, int c, const QString& text) {
    kontrolaRadku(r);
    kontrolaSloupce(c);
    rozloz(m_radky[r]);
    m_radky[r].bunky[c] = text;
    bunkaZmenena(r, c, {Qt::DisplayRole, Qt::EditRole, Qt::TextAlignmentRole});
}

int FlexGrid::CellForeColorAt(int r, int c) const { return format(r, c).barva; }

void FlexGrid::setCellForeColorAt(int r, int c, int bgr) {
    kontrolaRadku(r);
    kontrolaSloupce(c);
    if (bgr < 0 || bgr > 0xFFFFFF) throw chybaHodnoty();
    formatProZapis(r, c).barva = bgr;
    bunkaZmenena(r, c, {BarvaRole});
}

bool FlexGrid::CellFontBoldAt(int r, int c) const { return format(r, c).tucne; }

void FlexGrid::setCellFontBoldAt(int r, int c, bool b) {
    formatProZapis(r, c).tucne = b;
    bunkaZmenena(r, c, {TucneRole});
}

void FlexGrid::setFontBold(bool b) {
    if (b == m_fontBold) return;
    m_fontBold = b;
    radkyZmeneny(0, Rows() - 1);
    if (m_redraw) emit pismoZmeneno();
}

void FlexGrid::setFontSize(double points) {
    if (!(points > 0)) throw chybaHodnoty();
    m_fontSize = points;
    if (m_redraw) emit pismoZmeneno();
}

// --- cursor --------------------------------------------------------------------------------------

void FlexGrid::setRow(int r) {
    kontrolaRadku(r);
    m_row = m_rowSel = r;
    m_colSel = m_col;
    oznamKurzor();
}

void FlexGrid::setCol(int c) {
    kontrolaSloupce(c);
    m_col = m_colSel = c;
    m_rowSel = m_row;
    oznamKurzor();
}

void FlexGrid::setRowSel(int r) {
    kontrolaRadku(r);
    m_rowSel = r;
    oznamKurzor();
}

void FlexGrid::setColSel(int c) {
    kontrolaSloupce(c);
    m_colSel = c;
    oznamKurzor();
}

void FlexGrid::setTopRow(int r) {
    if (r < m_pevnych || r >= Rows()) throw chybaIndexu();
    m_topRow = r;
    if (m_redraw) emit topRowZmenen(r);
}

// --- sizes and alignment -------------------------------------------------------------------------

int FlexGrid::ColWidth(int c) const {
    kontrolaSloupce(c);
    return m_sirky[c] < 0 ? m_vychoziSirka : m_sirky[c];
}

void FlexGrid::setColWidth(int c, int twips) {
    kontrolaSloupce(c);
    if (twips < -1) throw chybaHodnoty();
    m_sirky[c] = twips;
    sirkaZmenena(c, c);
}

FlexGrid::Zarovnani FlexGrid::ColAlignment(int c) const {
    kontrolaSloupce(c);
    return m_zarovnani[c];
}

void FlexGrid::setColAlignment(int c, Zarovnani z) {
    kontrolaSloupce(c);
    switch (z) {
    case VlevoStred: case StredStred: case VpravoStred: case Obecne: break;
    default: throw chybaHodnoty();
    }
    m_zarovnani[c] = z;
    sirkaZmenena(c, c);
    if (m_redraw && Rows() > m_pevnych)
        emit dataChanged(index(0, c), index(rowCount() - 1, c), {Qt::TextAlignmentRole});
}

int FlexGrid::RowHeight(int r) const {
    kontrolaRadku(r);
    return m_radky[r].vyska < 0 ? m_vychoziVyska : m_radky[r].vyska;
}

void FlexGrid::setRowHeight(int r, int twips) {
    kontrolaRadku(r);
    if (twips < -1) throw chybaHodnoty();
    m_radky[r].vyska = twips;
    if (twips != -1) m_vlastniVysky = true;
    vyskaZmenena(r, r);
}

void FlexGrid::setVychoziVyskaRadku(int twips) {
    if (twips <= 0) throw chybaHodnoty();
    m_vychoziVyska = twips;
    vyskaZmenena(0, Rows() - 1);
}

void FlexGrid::setVychoziSirkaSloupce(int twips) {
    if (twips <= 0) throw chybaHodnoty();
    m_vychoziSirka = twips;
    sirkaZmenena(0, m_sloupcu - 1);
}

// --- sort ----------------------------------------------------------------------------------------

void FlexGrid::Sort() {
    const int prvni = std::max(std::min(m_row, m_rowSel), m_pevnych);
    const int posledni = std::min(std::max(m_row, m_rowSel), Rows() - 1);
    if (posledni - prvni < 1) return;
    kontrolaSloupce(m_col);
    const int c = m_col;

    // poradi[i].second = the old row that becomes row prvni + i
    std::vector<std::pair<QStringView, int>> poradi;
    poradi.reserve(posledni - prvni + 1);
    for (int r = prvni; r <= posledni; ++r) poradi.emplace_back(TextView(r, c), r);
    std::stable_sort(poradi.begin(), poradi.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });

    if (m_redraw) emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<Radek> serazene;
    serazene.reserve(poradi.size());
    for (const auto& p : poradi) serazene.push_back(std::move(m_radky[p.second]));
    std::move(serazene.begin(), serazene.end(), m_radky.begin() + prvni);
    if (m_redraw) {
        std::vector<int> novyRadek(poradi.size());
        for (size_t i = 0; i < poradi.size(); ++i) novyRadek[poradi[i].second - prvni] = prvni + static_cast<int>(i);
        const QModelIndexList stare = persistentIndexList();
        QModelIndexList nove;
        nove.reserve(stare.size());
        for (const QModelIndex& i : stare) {
            const int r = radekMrizky(i.row());
            nove.append(r >= prvni && r <= posledni ? index(radekModelu(novyRadek[r - prvni]), i.column()) : i);
        }
        changePersistentIndexList(stare, nove);
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }
}

// --- model ---------------------------------------------------------------------------------------

int FlexGrid::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Rows() - m_pevnych;
}

int FlexGrid::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_sloupcu;
}

QVariant FlexGrid::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    return bunka(radekMrizky(index.row()), index.column(), role);
}

QVariant FlexGrid::bunka(int r, int c, int role) const {
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return TextMatrix(r, c);
    case Qt::TextAlignmentRole: return static_cast<int>(zarovnaniQt(m_zarovnani[c], TextView(r, c)));
    case BarvaRole: return format(r, c).barva;
    case TucneRole: return m_fontBold || format(r, c).tucne;
    default: return {};
    }
}

QVariant FlexGrid::headerData(int section, Qt::Orientation o, int role) const {
    if (o == Qt::Vertical) {
        if (role == VyskaRole && section >= 0 && section < rowCount()) return RowHeight(radekMrizky(section));
        return {};
    }
    if (section < 0 || section >= m_sloupcu) return {};
    if (role == SirkaRole) return ColWidth(section);
    if (role == VyskaRole) return m_pevnych > 0 ? RowHeight(0) : 0;
    if (m_pevnych == 0) return {};
    return bunka(0, section, role);
}
