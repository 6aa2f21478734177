// The costing sheet's editing in place, the middle set and the view options (ModelListu).
#include "costing/ModelListu.h"

#include "costing/PrikazyListu.h"
#include "engine/Systemy.h"
#include "platform/Numbers.h"
#include "platform/Regional.h"
#include "platform/UserDialogs.h"

#include <cmath>
#include <optional>

namespace {

constexpr int kVyskaRadku = 270;

// The free-row text cells: name, code and old code, in the item matrix and in the costing.
constexpr QString Polozka::*kPolePolozky[3] = {&Polozka::Nazev, &Polozka::ObjZnak, &Polozka::ObjZnakPuvodni};
constexpr QString RadekKalkulace::*kPoleRadku[3] = {&RadekKalkulace::Nazev, &RadekKalkulace::ObjZnak,
                                                    &RadekKalkulace::ObjZnakPuvodni};

// A quantity that the recalculation can take: whole and within the 16-bit range.
std::optional<Integer> celeKusy(double q) {
    if (!(q >= -32768 && q <= 32767)) return std::nullopt;
    return Integer(static_cast<long long>(q));
}

// An item row's quantity: the floor of the regional number with its sign then dropped, so
// "-2,5" gives 3 and "7,9" gives 7.
std::optional<Integer> kusyPolozky(const QString& text) {
    const std::optional<double> v = naDouble(text);
    if (!v) return std::nullopt;
    return celeKusy(std::fabs(Int(*v)));
}

// A free row's unit price: the typed Single as its cell shows it, "##,##0.00".
std::optional<Currency> cenaVolnehoRadku(const QString& text) {
    const std::optional<float> v = naSingle(text);
    if (!v) return std::nullopt;
    try {
        return zobrazenaHodnota(hodnotaSingle(*v));
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

}  // namespace

Polozka& ModelListu::polozka(int radek) {
    return m_g.dataSystemu.Polozky(m_g.sorvenikaParametry.IdPrurez, radek);
}

void ModelListu::setPoznamka(const QString& poznamka) {
    m_g.sorvenikaParametry.Poznamka = poznamka;
    m_kalkulace.parametry.Poznamka = poznamka;
}

void ModelListu::zmenAPrepocitej(const std::function<void()>& zmena) {
    const MaticePolozek polozky = m_g.dataSystemu.Polozky;
    const SorvenikaParametry parametry = m_g.sorvenikaParametry;
    const QString orlex = m_g.PopisSadyOrlex;
    const float koeficient = m_g.Koeficient;
    const Integer aktRadek = m_g.AktRadek;
    const Kalkulace kalkulace = m_kalkulace;
    try {
        zmena();
        prepocitejCeny();
    } catch (...) {
        m_g.dataSystemu.Polozky = polozky;
        m_g.sorvenikaParametry = parametry;
        m_g.PopisSadyOrlex = orlex;
        m_g.Koeficient = koeficient;
        m_g.AktRadek = aktRadek;
        m_kalkulace = kalkulace;
        throw;
    }
}

void ModelListu::zobrazTxtBox(bool b) {
    m_txtBox.viditelny = b;
    emit txtBoxZmenen();
}

void ModelListu::chybaTxtBox() {
    MsgBox(kZadejteCiselnouHodnotu, Tlacitka::Ok, Ikona::Vykricnik, kTitulekUpozorneni);
    m_txtBox.text.clear();
    zobrazTxtBox(true);
    emit zamerTxtBox();
}

void ModelListu::kurzorPodRadek(int radek) {
    Nastav_kurzor_v_tabulce(radek < Tabulka.Rows() - 1 ? radek + 1 : radek);
}

void ModelListu::Tabulka_Click() {
    zobrazTxtBox(false);
    Zjisti_mod();
    Nastav_mod();
}

void ModelListu::Tabulka_KeyDown(int klavesa) {
    Tabulka_Click();
    if (klavesa != Qt::Key_Delete) return;
    zobrazTxtBox(false);
    Zapis_polohu_kurzoru();
    const int r = m_g.AktRadek, c = m_g.AktSloupec;
    if (m_rezim == 3) {
        if (c <= 2) {
            zapisTextVolnehoRadku(r, c, {});
        } else if (c == 3) {
            zmenAPrepocitej([&] {
                Polozka& p = polozka(r);
                p.Ks = p.KsZaklad = 0;
            });
        } else if (c == 4) {
            zmenAPrepocitej([&] { polozka(r).Cena = Currency(); });
        }
    }
    Tabulka.setRow(r);
    Tabulka.setCol(c);
    emit zamerTabulku();
}

void ModelListu::Tabulka_KeyPress(QChar znak) {
    const int r = Tabulka.Row();
    if (r < Tabulka.FixedRows()) return;
    if (m_rezim == 1) {
        if (!jeCislice(znak)) return;
        Tabulka.setCol(3);
        m_txtBox.sloupec = 3;
        Nastav_kurzor_v_tabulce(r);
    } else if (m_rezim == 3) {
        if (!znak.isPrint()) return;
        m_txtBox.sloupec = Tabulka.Col();
    } else {
        return;
    }
    m_txtBox.radek = r;
    m_txtBox.textovy = m_rezim == 3 && m_txtBox.sloupec <= 2;
    m_txtBox.text = znak;
    zobrazTxtBox(true);
    emit zamerTxtBox();
}

void ModelListu::txtBox_KeyDown(int klavesa) {
    if (klavesa != Qt::Key_Escape) return;
    m_txtBox.text.clear();
    zobrazTxtBox(false);
    emit zamerTabulku();
    m_rezim = 0;
}

void ModelListu::txtBox_KeyPress(QChar znak) {
    if (znak != u'\r') return;
    if (m_rezim == 1) potvrdPolozku();
    else if (m_rezim == 3) potvrdVolnyRadek();
}

void ModelListu::potvrdPolozku() {
    Zapis_polohu_kurzoru();
    const std::optional<Integer> q = kusyPolozky(m_txtBox.text);
    if (!q) return chybaTxtBox();
    zobrazTxtBox(false);
    const int radek = m_g.AktRadek;
    zmenAPrepocitej([&] {
        if (!stav(Prikaz::mnuVolbyPrepocitavat).zaskrtnuty) {
            Polozka& p = polozka(radek);
            p.Ks = p.KsZaklad = *q;
        } else if (Kalkulacka* k = m_kalkulacky.najdi(m_g.sorvenikaParametry.System)) {
            k->Prepocitej(radek, *q);
        }
    });
    kurzorPodRadek(m_g.AktRadek);
}

// A typed free-row quantity is also its base quantity, so the next recalculation, which starts
// from the base quantities, keeps it; hence it must fit the recalculation's 16-bit range too.
void ModelListu::potvrdVolnyRadek() {
    Zapis_polohu_kurzoru();
    const int r = m_g.AktRadek, c = m_g.AktSloupec;
    const QString text = m_txtBox.text;
    if (c <= 2) {
        zobrazTxtBox(false);
        zapisTextVolnehoRadku(r, c, orizniMezery(text));
    } else if (c == 3) {
        const std::optional<Integer> ks = celeKusy(Int(Val(text)));
        if (!ks) return chybaTxtBox();
        zobrazTxtBox(false);
        zmenAPrepocitej([&] {
            Polozka& p = polozka(r);
            p.Ks = p.KsZaklad = *ks;
        });
    } else if (c == 4) {
        const std::optional<Currency> cena = cenaVolnehoRadku(text);
        if (!cena) return chybaTxtBox();
        zobrazTxtBox(false);
        zmenAPrepocitej([&] { polozka(r).Cena = *cena; });
    } else {
        zobrazTxtBox(false);
    }
    Tabulka.setRow(r);
    Tabulka.setCol(c);
    emit zamerTabulku();
}

void ModelListu::zapisTextVolnehoRadku(int radek, int sloupec, const QString& text) {
    polozka(radek).*kPolePolozky[sloupec] = text;
    if (radek >= 1 && radek <= static_cast<int>(m_kalkulace.radky.size()))
        m_kalkulace.radky[static_cast<size_t>(radek - 1)].*kPoleRadku[sloupec] = text;
    Tabulka.setTextMatrix(radek, sloupec, text);
}

void ModelListu::TabSuma_Click() {
    RadekSumy = Integer(TabSuma.Row() <= kKusy ? kKoeficient : kCenaBezDph);
    TabSuma.setCol(1);
    TabSuma.setRow(RadekSumy);
}

void ModelListu::TabSuma_KeyPress(QChar znak) {
    const bool povoleno =
        m_g.nastaveni.TypUzivatele != 0 || (RadekSumy == kKoeficient && !jeTRemol(m_g.sorvenikaParametry.System));
    if (!povoleno || TabSuma.RowHeight(RadekSumy) < 1 || !jeCislice(znak)) return;
    // The totals' Enter refills the bill: a count still open there is committed first, or, refused,
    // keeps its editor and no second one opens.
    if (m_txtBox.viditelny) txtBox_KeyPress(u'\r');
    if (m_txtBox.viditelny) return;
    TabSuma.setRow(RadekSumy);
    TabSuma.setCol(1);
    m_txtKoef = {true, znak, FlexGrid::VpravoStred, 0, RadekSumy, 1, false};
    emit txtKoefZmenen();
    emit zamerTxtKoef();
}

void ModelListu::txtKoef_KeyPress(QChar znak) {
    if (znak != u'\r') return;
    const Regional& reg = Regional::current();
    const std::optional<float> v = naSingle(m_txtKoef.text);
    // The price without VAT as its cell shows it, and the price with VAT from that.
    std::optional<std::pair<Currency, Currency>> ceny;
    if (v && RadekSumy != kKoeficient) {
        try {
            const Currency bezDph = zobrazenaHodnota(hodnotaSingle(*v));
            const double sDph = Round((m_g.nastaveni.DPH.toDouble() / 100 + 1) * bezDph.toDouble() + 0.049, 1);
            ceny = {bezDph, Currency::fromDouble(sDph)};
        } catch (const RuntimeError&) {
        }
    }
    if (!v || (RadekSumy == kKoeficient && !(*v > 0)) || (RadekSumy != kKoeficient && !ceny)) {
        MsgBox(kSpatnaHodnotaSouctu, Tlacitka::Ok, Ikona::Vykricnik, kTitulekUpozorneni);
        m_txtKoef.text.clear();
        emit txtKoefZmenen();
        emit zamerTxtKoef();
        return;
    }
    m_txtKoef.viditelny = false;
    emit txtKoefZmenen();
    if (RadekSumy == kKoeficient) {
        const QString procenta = reg.Str(hodnotaSingle(*v));
        zmenAPrepocitej([&] {
            m_g.Koeficient = *v / 100.0f;
            m_kalkulace.soucty[kKoeficient] = procenta;
        });
        TabSuma.setTextMatrix(kKoeficient, 1, procenta);
        return;
    }
    // Only the two prices change: neither the items nor the coefficient nor the other totals.
    const auto [bezDph, sDph] = *ceny;
    m_kalkulace.cenaBezDph = bezDph;
    m_kalkulace.cenaSDph = sDph;
    m_kalkulace.soucty[kCenaBezDph] = reg.Format(bezDph);
    m_kalkulace.soucty[kCenaSDph] = reg.Format(sDph);
    for (int r : {kCenaBezDph, kCenaSDph}) TabSuma.setTextMatrix(r, 1, m_kalkulace.soucty[static_cast<size_t>(r)]);
}

void ModelListu::txtKoef_LostFocus() {
    if (!m_txtKoef.viditelny) return;
    m_txtKoef.viditelny = false;
    m_txtKoef.text.clear();
    emit txtKoefZmenen();
}

bool ModelListu::potvrdEditor() {
    if (m_txtBox.viditelny) txtBox_KeyPress(u'\r');
    if (m_txtBox.viditelny) return false;
    if (m_txtKoef.viditelny) txtKoef_KeyPress(u'\r');
    return !m_txtKoef.viditelny;
}

void ModelListu::ukazCeny(bool b) {
    const std::array<int, 6> sirky = sirkySloupcu(kSirkaTabulky);
    for (int c : {4, 5}) Tabulka.setColWidth(c, b ? sirky[static_cast<size_t>(c)] : 0);
}

void ModelListu::prepniVolbu(Prikaz p) {
    Nastaveni& n = m_g.nastaveni;
    bool* volba = nullptr;
    switch (p) {
    case Prikaz::mnuVolbyZobrazitCeny: volba = &n.ZobrazitCeny; break;
    case Prikaz::mnuVolbyZobrazitCenuObchodnika: volba = &n.ZobrazitCenuObchodnika; break;
    case Prikaz::mnuVolbyPrepocitavat: volba = &n.Prepocitavat; break;
    case Prikaz::mnuVolbyTisknoutCeny: volba = &n.TisknoutCeny; break;
    case Prikaz::mnuVolbyZobrazitNuloveKusy: break;
    default: return;
    }
    const bool b = !stav(p).zaskrtnuty;
    setZaskrtnuty(p, b);
    if (volba) *volba = b;
    if (p == Prikaz::mnuVolbyZobrazitCeny) ukazCeny(b);
    if (p != Prikaz::mnuVolbyZobrazitNuloveKusy) return;
    FlexGridDavka davka(Tabulka);
    const int radku = std::min(Tabulka.Rows() - 1, static_cast<int>(m_kalkulace.radky.size()));
    for (int r = 1; r <= radku; ++r)
        Tabulka.setRowHeight(r, b || m_kalkulace.radky[static_cast<size_t>(r - 1)].Ks != 0 ? kVyskaRadku : 0);
}

void ModelListu::mnuSadaStred_Click() {
    const bool zaskrtnuto = !stav(Prikaz::mnuSadaStred).zaskrtnuty;
    Zapis_polohu_kurzoru();
    zobrazTxtBox(false);
    const int radek = m_g.sorvenikaParametry.Sachta ? 6 : 5;
    zmenAPrepocitej([&] {
        if (Kalkulacka* k = m_kalkulacky.najdi(QStringLiteral("MIV"))) k->Prepocitej(radek, Integer(zaskrtnuto ? 1 : 0));
    });
    setZaskrtnuty(Prikaz::mnuSadaStred, zaskrtnuto);
    kurzorPodRadek(m_g.AktRadek);
}

void ModelListu::mnu_Nova_sorvenika_Click(IModalniOkno& pruvodce) {
    const std::array<QString, 3> zakaznik = m_zakaznik;
    const QString poznamka = m_kalkulace.parametry.Poznamka;
    const int kalkulaci = m_kalkulaci;
    for (int i = 0; i < 3; ++i) setZakaznik(i, {});
    setPoznamka({});
    pruvodce.ZobrazModalne();
    if (m_kalkulaci == kalkulaci) {
        // Closed with its close box: the costing on the sheet stays as it was.
        for (int i = 0; i < 3; ++i) setZakaznik(i, zakaznik[static_cast<size_t>(i)]);
        setPoznamka(poznamka);
        return;
    }
    m_g.Koeficient = 1.0f;
}
