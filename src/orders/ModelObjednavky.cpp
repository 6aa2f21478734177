#include "orders/ModelObjednavky.h"

#include "engine/Artikly.h"
#include "net/clsHTTP.h"
#include "platform/Clock.h"
#include "platform/Numbers.h"
#include "platform/Regional.h"
#include "platform/Services.h"

#include <cmath>
#include <limits>

namespace {

const QString kTab = QStringLiteral("\t");

struct Sloupec {
    const char* hlavicka;
    double podil;
    FlexGrid::Zarovnani zarovnani;
};
constexpr Sloupec kSloupce[] = {
    {"Název dílu", 0.388, FlexGrid::VlevoStred},     {"Objednací znak", 0.15, FlexGrid::StredStred},
    {"Počet ks", 0.09, FlexGrid::StredStred},        {"Cena/ks", 0.173, FlexGrid::VpravoStred},
    {"Cena celkem", 0.173, FlexGrid::VpravoStred},
};

}  // namespace

qint32 pocetKusu(QStringView text) {
    const double v = Round(std::fabs(Val(text)));
    return v >= std::numeric_limits<qint32>::max() ? std::numeric_limits<qint32>::max() : static_cast<qint32>(v);
}

bool ctePocty(PrikazObjednavky p) {
    switch (p) {
    case PrikazObjednavky::mnuObjednavkaNaSklad:
    case PrikazObjednavky::mnuKonec:
    case PrikazObjednavky::mnuNastaveni:
    case PrikazObjednavky::mnuNapoveda: return false;
    default: return true;
    }
}

ModelObjednavky::ModelObjednavky(const TabulkaArtiklu& cenik, Currency DPH) : m_cenik(cenik), m_DPH(DPH) {
    for (int c = 0; c < kSloupcu; ++c) {
        Tabulka.setTextMatrix(0, c, QString::fromUtf8(kSloupce[c].hlavicka));
        Tabulka.setColWidth(c, static_cast<int>(std::lround(kSirkaMrizky * kSloupce[c].podil)));
        Tabulka.setColAlignment(c, kSloupce[c].zarovnani);
    }
    // Two lines, so that "Objednací znak" and "Počet ks" can wrap in their narrow columns.
    Tabulka.setRowHeight(0, 2 * Tabulka.vychoziVyskaRadku());
    lblCena = QStringLiteral("s ") + Regional::current().Str(DPH) + QStringLiteral("% DPH:");
    txtID = Objednavka.ID();
    txtMail = Objednavka.Email();
    const QDate dnes = platform::clock().today();
    txtDatumExpediceRok = QString::number(dnes.year());
    txtDatumExpediceMesic = QString::number(dnes.month());
}

QString ModelObjednavky::chybaCteni(const clsHTTP& HTTP) const {
    return chybyCteni(Objednavka.chybaCteni(), HTTP.chybaCteni());
}

clsPodobjednavka* ModelObjednavky::vybrana() {
    return m_index >= 0 && m_index < Objednavka.Count() ? &Objednavka.Item(m_index + 1) : nullptr;
}

void ModelObjednavky::oznam() {
    if (zmeneno) zmeneno();
}

void ModelObjednavky::PridatObjednavku(const PolozkaObjednavky& p) {
    lstObjednavky << p.Nazev;
    Objednavka.Add(p.Nazev, p.ObjZnaky, p.Kusy, p.Poznamka, p.Cena);
    m_odebratObjednavku = true;
}

void ModelObjednavky::objednavkaNaSklad() {
    if (!m_odesilani) PridatObjednavku({kObjednavkaNaSklad, {}, {}, {}, {}});
}

void ModelObjednavky::vyber(int index) {
    if (index < 0 || index >= lstObjednavky.size()) return;
    m_index = index;
    m_komponenty = m_komponentyOdebrat = true;
    m_radekEditoru = 0;
    Zobraz_objednavku();
}

void ModelObjednavky::aktivovano() {
    if (!lstObjednavky.isEmpty() && !m_odesilani) vyber(static_cast<int>(lstObjednavky.size()) - 1);
}

CenaPodobjednavky ocen(const clsPodobjednavka& s, const TabulkaArtiklu& cenik) {
    const Regional& reg = Regional::current();
    const QString nula = reg.Format(0.0);
    const bool bezCen = s.Nazev.startsWith(QLatin1String("_T-"));
    const QStringList kody = polozkySeznamu(s.ObjZnak);
    const QStringList kusy = polozkySeznamu(s.Ks);
    CenaPodobjednavky c;
    c.radky.reserve(kody.size());
    for (qsizetype j = 0; j < kody.size(); ++j) {
        RadekObjednavky& r = c.radky.emplaceBack();
        r.kod = kody[j];
        // Fewer counts than codes: the missing ones are 0, which the send refuses.
        r.ks = j < kusy.size() ? pocetKusu(kusy[j]) : 0;
        r.cenaKs = nula;
        // No fall-back to the plain code, unlike the offer, which only needs a list price that
        // the plain article has too: a T-REMOL sub-order is ordered as the manufacturer's "-s"
        // articles, and a code without one shows as not found, for the user to see before the
        // send, rather than under a plain article's name as if it were one of them.
        QString hledany = bezCen ? r.kod + kPriponaBezCeny : r.kod;
        const int a = cenik.NajdiArtikl(hledany);
        if (a < 1) {
            r.nazev = NazevNenalezene(r.kod);
            continue;
        }
        r.nazev = cenik.text(a, TabulkaArtiklu::Nazev);
        if (bezCen) continue;
        r.cenaKs = cenik.text(a, TabulkaArtiklu::ProdejniCena);
        r.celkem = zobrazenaHodnota(cenik.prodejniCena(a) * r.ks);
        c.cena += r.celkem;
    }
    return c;
}

void ModelObjednavky::Zobraz_objednavku() {
    FlexGridDavka davka(Tabulka);
    Tabulka.setRows(1);
    m_radky.clear();
    if (lstObjednavky.isEmpty()) return;
    clsPodobjednavka* s = vybrana();
    if (!s) return;
    CenaPodobjednavky c = ocen(*s, m_cenik);
    const Regional& reg = Regional::current();
    for (const RadekObjednavky& r : c.radky)
        Tabulka.AddItem(r.nazev + kTab + r.kod + kTab + QString::number(r.ks) + kTab + r.cenaKs + kTab + reg.Format(r.celkem));
    m_radky = std::move(c.radky);
    m_poznamka = s->Poznamka;
    Spocitej();
}

QString cenaSDph(Currency cena, Currency DPH) {
    return Regional::current().Format(Round(cena.toDouble() * (1 + DPH.toDouble() / 100) + 0.049, 1));
}

void ModelObjednavky::Spocitej() {
    const Regional& reg = Regional::current();
    Currency soucet;
    for (int i = 1; i <= Objednavka.Count(); ++i) {
        clsPodobjednavka& s = Objednavka.Item(i);
        s.Cena = ocen(s, m_cenik).cena;
        soucet += s.Cena;
    }
    if (const clsPodobjednavka* s = vybrana()) {
        lblCenaVybraneObjednavky[0] = reg.Format(s->Cena);
        lblCenaVybraneObjednavky[1] = cenaSDph(s->Cena, m_DPH);
    } else {
        lblCenaVybraneObjednavky[0].clear();
        lblCenaVybraneObjednavky[1].clear();
    }
    const bool prazdny = lstObjednavky.isEmpty();
    lblCenaCelkem[0] = prazdny ? QString() : reg.Format(soucet);
    lblCenaCelkem[1] = prazdny ? QString() : cenaSDph(soucet, m_DPH);
}

void ModelObjednavky::txtPoznamka_Change(const QString& text) {
    if (m_odesilani) return;
    m_poznamka = text;
    if (clsPodobjednavka* s = vybrana()) s->Poznamka = text;
}

void ModelObjednavky::cmdOdebratObjednavku_Click() {
    if (m_odesilani) return;
    if (m_index >= 0 && m_index < lstObjednavky.size()) {
        Objednavka.Remove(m_index + 1);
        lstObjednavky.removeAt(m_index);
        m_index = -1;
        if (!lstObjednavky.isEmpty()) {
            vyber(0);
        } else {
            Zobraz_objednavku();
            m_poznamka.clear();
            m_komponenty = m_komponentyOdebrat = false;
        }
        if (lstObjednavky.isEmpty()) m_odebratObjednavku = false;
    }
    Spocitej();
}

void ModelObjednavky::prestavSeznamy(clsPodobjednavka& s) const {
    s.ObjZnak.clear();
    s.Ks.clear();
    for (const RadekObjednavky& r : m_radky) {
        s.ObjZnak += r.kod + QLatin1Char('|');
        s.Ks += QString::number(r.ks) + QLatin1Char('|');
    }
}

void ModelObjednavky::cmdKomponentyOdebrat_Click() {
    clsPodobjednavka* s = vybrana();
    if (!s || m_odesilani) return;
    m_radekEditoru = 0;
    if (Tabulka.Rows() < 3) {
        m_komponentyOdebrat = false;
        Tabulka.setRows(1);
        m_radky.clear();
    } else if (Tabulka.Row() >= 1) {
        m_radky.removeAt(Tabulka.Row() - 1);
        Tabulka.RemoveItem(Tabulka.Row());
    }
    prestavSeznamy(*s);
    Spocitej();
}

bool ModelObjednavky::Tabulka_KeyPress(QChar znak) {
    if (!jeCislice(znak) || m_odesilani) return false;
    const int r = Tabulka.Row();
    if (r < 1 || r >= Tabulka.Rows() || !vybrana()) return false;
    m_radekEditoru = r;
    vyberRadek(r);
    return true;
}

void ModelObjednavky::vyberRadek(int radek) {
    Tabulka.setRow(radek);
    Tabulka.setCol(0);
    Tabulka.setColSel(kSloupcu - 1);
}

void ModelObjednavky::txtBox_Enter(const QString& text) {
    clsPodobjednavka* s = vybrana();
    const int r = std::exchange(m_radekEditoru, 0);
    if (!s || r < 1 || r >= Tabulka.Rows() || m_odesilani) return;
    m_radky[r - 1].ks = pocetKusu(text);
    prestavSeznamy(*s);
    Zobraz_objednavku();
    vyberRadek(r < Tabulka.Rows() - 1 ? r + 1 : r);
}

bool ModelObjednavky::maVybranouPodobjednavku() const {
    return m_index >= 0 && m_index < lstObjednavky.size() && !m_odesilani;
}

void ModelObjednavky::pridejPolozku(const QString&, const QString& objZnak, const QString& ks) {
    clsPodobjednavka* s = vybrana();
    if (!s || m_odesilani) return;
    s->ObjZnak += objZnak + QLatin1Char('|');
    s->Ks += ks + QLatin1Char('|');
    m_komponentyOdebrat = true;
}

void ModelObjednavky::vyprazdni() {
    lstObjednavky.clear();
    Objednavka.Clear();
    m_index = -1;
    m_poznamka.clear();
    m_komponenty = m_komponentyOdebrat = false;
    m_radekEditoru = 0;
    Zobraz_objednavku();
    Spocitej();
}

ModelObjednavky::Odesilani::Odesilani(ModelObjednavky& m) : m_m(m) {
    m_m.m_odesilani = true;
    m_m.m_posta = m_m.cmbZavod == kObchodnik;
    m_m.m_radekEditoru = 0;
    m_m.oznam();
}

ModelObjednavky::Odesilani::~Odesilani() {
    m_m.m_odesilani = false;
    m_m.oznam();
}
