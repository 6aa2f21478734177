#include "pricelist/ModelArt.h"

#include "platform/Numbers.h"
#include "platform/Regional.h"

#include <QSet>
#include <algorithm>
#include <cmath>

namespace {

constexpr std::array<double, ModelArt::kSloupcu> kPodilySirky{0.18, 0.103, 0.337, 0.038, 0.113, 0.08, 0.03, 0.084};

// Empty or "(vše)" (led by a no-break space) lets every row through.
bool filtruje(const QString& text) { return !text.isEmpty() && text[0] != kVse[0]; }

// The first four UTF-16 units of a text, case-folded as a case-insensitive comparison folds
// them, unit 0 lowest; zeros past the text's end. A surrogate among them gives kNejisty.
constexpr quint64 kNejisty = ~quint64(0);
constexpr qsizetype kJednotekKlice = 4;

quint64 klicTextu(QStringView t) {
    quint64 k = 0;
    for (qsizetype i = 0; i < std::min(kJednotekKlice, t.size()); ++i) {
        const char16_t u = t[i].unicode();
        if (QChar::isSurrogate(u)) return kNejisty;
        k |= static_cast<quint64>(QChar::toCaseFolded(char32_t{u})) << (16 * i);
    }
    return k;
}

// A filter box's text as a case-insensitive prefix. Up to four units (none a surrogate or a
// zero) the keys decide alone; a longer text is compared whole where its first four agree.
class Predpona {
public:
    explicit Predpona(const QString& text)
        : m_text(text), m_klic(klicTextu(text)),
          m_maska(text.size() >= kJednotekKlice ? kNejisty : (quint64{1} << (16 * text.size())) - 1),
          m_jenKlic(text.size() <= kJednotekKlice && !text.contains(QChar(0))) {}

    template <typename Text>
    bool prochazi(quint64 klic, Text text) const {
        const bool klicPlati = klic != kNejisty && m_klic != kNejisty;
        if (klicPlati && (klic & m_maska) != m_klic) return false;
        if (klicPlati && m_jenKlic) return true;
        return text().startsWith(m_text, Qt::CaseInsensitive);
    }

private:
    QString m_text;
    quint64 m_klic, m_maska;
    bool m_jenKlic;
};

}  // namespace

Vysledek<int> mnozstviZTextu(const QString& text) {
    try {
        return static_cast<int>(CInt(std::fabs(Val(text))));
    } catch (const RuntimeError&) {
        return Chyba{kZadejteHodnotu};
    }
}

ModelArt::ModelArt(TabulkaArtiklu& cenik) : m_cenik(cenik), m_grid(1, kSloupcu) {
    // A row's text is made when the list shows it: a refill costs nothing per listed row.
    m_grid.setZdrojRadku([this](int r) { return textRadku(r); });
    for (int c = 0; c < kSloupcu; ++c) {
        m_grid.setTextMatrix(0, c, TabulkaArtiklu::hlavicka(kZTabulky[c]));
        m_grid.setColWidth(c, qRound(kPodilySirky[c] * kSirkaMrizky));
        m_grid.setColAlignment(c, c >= 3 && c <= 5 ? FlexGrid::VpravoStred : FlexGrid::VlevoStred);
    }
    ZobrazPolozky();
}

void ModelArt::otevri(CilVlozeni cil, bool ponechat) {
    m_cenik.Filtr(true);
    m_cenik.Sort(1);
    m_cil = cil;
    // Afresh at each showing, not at each activation: quantities typed before a switch to the
    // order sheet and back stay.
    if (!ponechat) m_vybrane.clear();
    ZobrazPolozky();
}

bool ModelArt::odpoj(const ICilObjednavky& cil) {
    const auto* c = std::get_if<ICilObjednavky*>(&m_cil);
    if (!c || *c != &cil) return false;
    m_cil = std::monostate{};
    return true;
}

void ModelArt::setTextFiltru(int i, const QString& text) {
    QString& f = m_filtry.at(static_cast<size_t>(i));
    if (f == text) return;
    f = text;
    ZobrazPolozky();
}

const QStringList& ModelArt::seznamFiltru(int i) {
    std::optional<QStringList>& s = m_seznamy.at(static_cast<size_t>(i));
    if (!s) s = NaplnFiltry(i);
    return *s;
}

QStringList ModelArt::NaplnFiltry(int i) {
    // In order-number order, as the lists were filled when the price list was read.
    if (m_oznacene.empty())
        for (int r = 1; r <= m_cenik.pocetArtiklu(); ++r)
            if (m_cenik.objSklad(r) != 0) m_oznacene.push_back(r);
    QStringList seznam{kVse};
    QSet<QStringView> videne;
    videne.reserve(static_cast<qsizetype>(m_oznacene.size()));
    for (int r : m_oznacene) {
        const QStringView t = m_cenik.ulozenyText(r, kFiltrovane[i]);
        const qsizetype pred = videne.size();
        videne.insert(t);
        if (videne.size() != pred) seznam << t.toString();
    }
    return seznam;
}

const ModelArt::Predvyber& ModelArt::predvyber() {
    if (m_predvyber.verze == m_cenik.verzePoradi()) return m_predvyber;
    m_predvyber = Predvyber{m_cenik.verzePoradi(), {}, {}};
    for (int r : m_cenik.poradi())
        if (m_cenik.objSklad(r) == 1) m_predvyber.radky.push_back(r);
    return m_predvyber;
}

const std::vector<quint64>& ModelArt::klice(int i) {
    const std::vector<int>& radky = predvyber().radky;
    std::vector<quint64>& k = m_predvyber.klice[static_cast<size_t>(i)];
    if (k.size() == radky.size()) return k;
    k.reserve(radky.size());
    for (int r : radky) k.push_back(klicTextu(m_cenik.ulozenyText(r, kFiltrovane[i])));
    return k;
}

void ModelArt::ZobrazPolozky() {
    struct Filtr {
        int sloupec;
        Predpona predpona;
        const std::vector<quint64>* klice;
    };
    std::vector<Filtr> filtry;
    for (int i = 0; i < kFiltru; ++i)
        if (filtruje(m_filtry[i])) filtry.push_back({kFiltrovane[i], Predpona(m_filtry[i]), &klice(i)});
    const std::vector<int>& kandidati = predvyber().radky;
    m_radky.clear();
    for (size_t j = 0; j < kandidati.size(); ++j) {
        const int r = kandidati[j];
        const bool prosel = std::all_of(filtry.begin(), filtry.end(), [&](const Filtr& f) {
            return f.predpona.prochazi((*f.klice)[j], [&] { return m_cenik.ulozenyText(r, f.sloupec); });
        });
        if (prosel) m_radky.push_back(r);
    }
    m_radekZadani = 0;  // its row may be gone
    FlexGridDavka davka(m_grid);
    m_grid.setRows(1);
    m_grid.AddItems(m_radky);
    if (m_grid.Rows() > 1) {
        m_grid.setRow(1);
        m_grid.setCol(0);
        m_grid.setColSel(kSloupcu - 1);
    }
}

QString ModelArt::textRadku(int r) const {
    // The Ks column shows what "Vložit" inserts: the quantity chosen, else the table's "0".
    QString t = m_cenik.text(r, kZTabulky[0]);
    const Vyber* v = m_vybrane.empty() ? nullptr : vybrana(m_cenik.ulozenyText(r, TabulkaArtiklu::ObjCislo));
    for (int c = 1; c < kSloupcu; ++c)
        t += QLatin1Char('\t') + (c == kSloupecKs && v ? QString::number(v->ks) : m_cenik.text(r, kZTabulky[c]));
    return t;
}

const ModelArt::Vyber* ModelArt::vybrana(QStringView kod) const {
    const auto v = std::ranges::find_if(m_vybrane, [&](const Vyber& v) { return v.kod == kod; });
    return v == m_vybrane.end() ? nullptr : &*v;
}

bool ModelArt::zacniZadani(QChar znak) {
    const int r = m_grid.Row();
    if (!jeCislice(znak) || r < 1) return false;
    m_radekZadani = r;
    m_grid.setCol(0);
    m_grid.setColSel(kSloupcu - 1);
    return true;
}

Vysledek<> ModelArt::potvrdZadani(const QString& text) {
    if (m_radekZadani < 1) return {};
    const Vysledek<int> ks = mnozstviZTextu(text);
    if (!ks) return ks.selhani();
    const QString kod = m_grid.TextMatrix(std::exchange(m_radekZadani, 0), 1);
    // One quantity per article: a later one replaces it and goes to the end.
    if (InCol(m_vybrane, kod)) std::erase_if(m_vybrane, [&](const Vyber& v) { return v.kod == kod; });
    m_vybrane.push_back({kod, *ks});
    // "Vložit" inserts it for every row listed under the code.
    for (size_t i = 0; i < m_radky.size(); ++i)
        if (m_cenik.ulozenyText(m_radky[i], TabulkaArtiklu::ObjCislo) == kod)
            m_grid.setTextMatrix(static_cast<int>(i) + 1, kSloupecKs, QString::number(*ks));
    return {};
}

bool ModelArt::InCol(const std::vector<Vyber>& kolekce, const QString& klic) {
    return std::ranges::any_of(kolekce, [&](const Vyber& v) { return v.kod == klic; });
}

Vysledek<bool> ModelArt::Vlozit() {
    if (auto* const* cil = std::get_if<ICilObjednavky*>(&m_cil); cil && !(*cil)->maVybranouPodobjednavku())
        return Chyba{kVyberteObjednavku};
    for (QString& f : m_filtry) f.clear();
    // Inserted, they are chosen no more: the list shows 0 again.
    const std::vector<Vyber> vybrane = std::exchange(m_vybrane, {});
    ZobrazPolozky();
    bool skryt = true;
    if (auto* const* cil = std::get_if<ICilObjednavky*>(&m_cil)) vlozDoObjednavky(**cil, vybrane);
    else if (auto* const* cil = std::get_if<ICilNabidky*>(&m_cil)) vlozDoNabidky(**cil, vybrane);
    else skryt = false;
    return skryt;
}

void ModelArt::vlozDoObjednavky(ICilObjednavky& cil, const std::vector<Vyber>& vybrane) {
    for (const Vyber& v : vybrane) {
        const QString ks = QString::number(v.ks);
        for (int r : m_radky) {
            if (m_cenik.ulozenyText(r, TabulkaArtiklu::ObjCislo) != v.kod) continue;
            cil.pridejPolozku(m_cenik.text(r, TabulkaArtiklu::Nazev) + QLatin1Char('\t') + v.kod + QLatin1Char('\t') +
                                  ks + QLatin1Char('\t') + m_cenik.text(r, TabulkaArtiklu::ProdejniCena),
                              v.kod, ks);
        }
    }
    m_cenik.Sort(0);
    cil.zobrazObjednavku();
}

void ModelArt::vlozDoNabidky(ICilNabidky& cil, const std::vector<Vyber>& vybrane) {
    const Regional& reg = Regional::current();
    for (const Vyber& v : vybrane) {
        for (int r : m_radky) {
            if (m_cenik.ulozenyText(r, TabulkaArtiklu::ObjCislo) != v.kod) continue;
            // The shown price; none ("-s" articles) is 0.
            const QString cena = m_cenik.text(r, TabulkaArtiklu::ProdejniCena);
            const double p = reg.IsNumeric(cena) ? reg.CDbl(cena) : 0;
            QString radek;
            for (const QString& bunka : {m_cenik.text(r, TabulkaArtiklu::Nazev), v.kod,
                                         m_cenik.text(r, TabulkaArtiklu::StaryKod), QString::number(v.ks),
                                         reg.Format(p), reg.Format(p * v.ks)})
                radek += bunka + QLatin1Char('\t');
            cil.pridejPolozku(radek);
        }
    }
    m_cenik.Sort(0);
}
