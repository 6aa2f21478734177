#include "costing/ModelListu.h"

#include "platform/DataPaths.h"
#include "platform/Mnemoniky.h"
#include "engine/Systemy.h"
#include "costing/Kalkulace.h"

#include <QSet>
#include <numeric>

namespace {

using D = DruhPolozky;
using P = Prikaz;

PolozkaMenu nabidka(P p, const char* jmeno, const QString& popisek, bool viditelna = true) {
    return {p, QString::fromLatin1(jmeno), D::Nabidka, true, popisek, {}, false, viditelna, true};
}
PolozkaMenu prikaz(P p, const char* jmeno, const QString& popisek, const char* zkratka = "") {
    return {p, QString::fromLatin1(jmeno), D::Prikaz, false, popisek, QString::fromLatin1(zkratka), false, true, true};
}
PolozkaMenu volba(P p, const char* jmeno, const QString& popisek) {
    return {p, QString::fromLatin1(jmeno), D::Prikaz, false, popisek, {}, true, true, true};
}
PolozkaMenu carka(P p, const char* jmeno, bool viditelna) {
    return {p, QString::fromLatin1(jmeno), D::Carka, false, QStringLiteral("-"), {}, false, viditelna, true};
}
PolozkaMenu vListe(P p, const char* jmeno, const QString& popisek, bool viditelna = true) {
    return {p, QString::fromLatin1(jmeno), D::Prikaz, true, popisek, {}, false, viditelna, true};
}
PolozkaMenu skryta(PolozkaMenu p) {
    p.viditelna = false;
    return p;
}
PolozkaMenu zakazana(PolozkaMenu p) {
    p.povolena = false;
    return p;
}

std::array<PolozkaMenu, kPocetPrikazu> sMnemonikami(std::array<PolozkaMenu, kPocetPrikazu> polozky) {
    QSet<QChar> lista, nabidka;
    for (PolozkaMenu& p : polozky) {
        if (p.druh == D::Carka) continue;
        if (p.druh == D::Nabidka) nabidka.clear();
        p.sMnemonikou = sMnemonikou(p.popisek, p.vListe ? lista : nabidka);
    }
    return polozky;
}

const std::array<PolozkaMenu, kPocetPrikazu>& menu() {
    static const std::array<PolozkaMenu, kPocetPrikazu> polozky = sMnemonikami({
        nabidka(P::mnuSorvenika, "mnuSorvenika", QStringLiteral("Sorvenika")),
        prikaz(P::mnu_Nova_sorvenika, "mnu_Nova_sorvenika", QStringLiteral("Nová sorvenika"), "Ctrl+N"),
        prikaz(P::mnu_Zpet_do_menu, "mnu_Zpet_do_menu", QStringLiteral("Zpět do menu"), "Ctrl+Z"),
        carka(P::mnucarka1, "mnucarka1", false),
        carka(P::mnucarka2, "mnucarka2", false),
        prikaz(P::mnu_Export_do_Excelu, "mnu_Export_do_Excelu", QStringLiteral("Export do Excelu")),
        prikaz(P::mnu_Ulozit_jako_HTML, "mnu_Ulozit_jako_HTML", QStringLiteral("Uložit jako HTML ..."), "Ctrl+H"),
        prikaz(P::mnu_Email, "mnu_Email", QStringLiteral("Poslat e-mailem"), "Ctrl+E"),
        prikaz(P::mnuPridat, "mnuPridat", QStringLiteral("Přidat do objednávky..."), "Ctrl+O"),
        prikaz(P::mnu_Tisk, "mnu_Tisk", QStringLiteral("Tisk ..."), "Ctrl+P"),
        carka(P::mnucarka3, "mnucarka3", true),
        prikaz(P::mnu_Konec, "mnu_Konec", QStringLiteral("Konec"), "Ctrl+X"),
        nabidka(P::mnuVolby, "mnuVolby", QStringLiteral("Volby")),
        zakazana(volba(P::mnuSadaStred, "mnuSadaStred", QStringLiteral("Sada střed"))),
        volba(P::mnuVolbyZobrazitCeny, "mnuVolbyZobrazitCeny", QStringLiteral("Zobrazit ceny")),
        skryta(volba(P::mnuVolbyZobrazitCenuObchodnika, "mnuVolbyZobrazitCenuObchodnika",
                     QStringLiteral("Zobrazit cenu pro obchodníka"))),
        volba(P::mnuVolbyZobrazitNuloveKusy, "mnuVolbyZobrazitNuloveKusy", QStringLiteral("Zobrazit nulové kusy")),
        volba(P::mnuVolbyPrepocitavat, "mnuVolbyPrepocitavat", QStringLiteral("Přepočítávat")),
        volba(P::mnuVolbyTisknoutCeny, "mnuVolbyTisknoutCeny", QStringLiteral("Tisknout ceny")),
        nabidka(P::mnuUpravy, "mnuUpravy", QStringLiteral("Úpravy na pozici obj.čísel"), false),
        prikaz(P::mnu_Zobrazit_databazi, "mnu_Zobrazit_databazi", QStringLiteral("Zobrazit databázi prvků ...")),
        prikaz(P::mnu_Zadat_obj_c, "mnu_Zadat_obj_c", QStringLiteral("Zadat obj.č. ...")),
        vListe(P::mnuObjednavky, "mnuObjednavky", QStringLiteral("Objednávky")),
        vListe(P::mnuNabidky, "mnuNabidky", QStringLiteral("Nabídky"), false),
        nabidka(P::mnu_nastroje, "mnu_nastroje", QStringLiteral("Nástroje")),
        prikaz(P::mnu_Import, "mnu_Import", QStringLiteral("Import databáze zákazníků ...")),
        prikaz(P::mnu_Export, "mnu_Export", QStringLiteral("Export databáze zákazníků ...")),
        vListe(P::mnu_Zakaznik, "mnu_Zakaznik", QStringLiteral("Zákazník")),
        nabidka(P::mnuProgram, "mnuProgram", QStringLiteral("Program")),
        prikaz(P::mnu_Aktualizace, "mnu_Aktualizace", QStringLiteral("Aktualizace ...")),
        vListe(P::mnuTahak, "mnuTahak", QStringLiteral("Tahák"), false),
    });
    return polozky;
}

constexpr double kPomerySloupcu[6] = {0.352, 0.11, 0.15, 0.06, 0.15, 0.15};

}  // namespace

std::span<const PolozkaMenu> polozkyMenu() { return menu(); }

bool ctePolozky(Prikaz p) {
    switch (p) {
    case Prikaz::mnu_Zpet_do_menu:
    case Prikaz::mnu_Konec:
    case Prikaz::mnuVolbyZobrazitCeny:
    case Prikaz::mnuVolbyZobrazitCenuObchodnika:
    case Prikaz::mnuVolbyPrepocitavat:
    case Prikaz::mnuVolbyTisknoutCeny:
    case Prikaz::mnuObjednavky:
    case Prikaz::mnuNabidky:
    case Prikaz::mnu_Import:
    case Prikaz::mnu_Export:
    case Prikaz::mnu_Zakaznik:
    case Prikaz::mnu_Aktualizace:
    case Prikaz::mnuTahak: return false;
    default: return true;
    }
}

ModelListu::ModelListu(GlobalniData& g, QObject* rodic) : QObject(rodic), m_g(g) {
    for (const PolozkaMenu& p : menu()) zapis(p.prikaz) = {p.viditelna, p.povolena, false};
}

void ModelListu::setSouhrn(Souhrn s) {
    if (s == m_souhrn) return;
    m_souhrn = std::move(s);
    emit souhrnZmenen();
}

void ModelListu::setViditelny(Prikaz p, bool b) {
    if (stav(p).viditelny == b) return;
    zapis(p).viditelny = b;
    emit prikazZmenen(p);
}

void ModelListu::setPovoleny(Prikaz p, bool b) {
    if (stav(p).povoleny == b) return;
    zapis(p).povoleny = b;
    emit prikazZmenen(p);
}

void ModelListu::setZaskrtnuty(Prikaz p, bool b) {
    if (stav(p).zaskrtnuty == b) return;
    zapis(p).zaskrtnuty = b;
    emit prikazZmenen(p);
}

void ModelListu::setZakaznik(int i, const QString& text) {
    QString& z = m_zakaznik.at(static_cast<size_t>(i));
    if (z == text) return;
    z = text;
    emit zakaznikZmenen(i);
}

void ModelListu::nastavKalkulaci(Kalkulace k) {
    zobrazKalkulaci(k, mrizky(), true);
    const SouhrnParametru& s = k.souhrn;
    setSouhrn({s.parametry, s.tvarnice, s.obrazekPrurezu.isEmpty() ? QString() : dataFile(s.obrazekPrurezu)});

    Nastaveni& n = m_g.nastaveni;
    n.ZobrazitCeny = n.TisknoutCeny = s.ceny;
    setPovoleny(Prikaz::mnuVolbyPrepocitavat, s.ceny);
    for (Prikaz p : {Prikaz::mnuVolbyTisknoutCeny, Prikaz::mnuVolbyZobrazitCeny}) {
        setZaskrtnuty(p, s.ceny);
        setPovoleny(p, s.ceny);
        setViditelny(p, s.ceny);
    }
    // The price columns follow the tick, whatever the user's toggle left them at.
    ukazCeny(s.ceny);

    setPovoleny(Prikaz::mnuSadaStred, s.sadaStred && JePovoleno(n, kPriznakSadaStred));
    setZaskrtnuty(Prikaz::mnuSadaStred, false);
    m_kalkulace = std::move(k);
    ++m_kalkulaci;
    Nastav_kurzor_v_tabulce(1);
}

void ModelListu::prepocitejCeny() {
    Kalkulace k = PrepocitejCeny(m_g, mrizky());
    k.soucty[kKoeficient] = m_kalkulace.soucty[kKoeficient];
    m_kalkulace = std::move(k);
}

Kalkulace ModelListu::kalkulace() const {
    Kalkulace k = m_kalkulace;
    k.zakaznik = m_zakaznik;
    k.prevezmiNastaveni(m_g.nastaveni);
    return k;
}

void ModelListu::Form_Load() {
    const Nastaveni& n = m_g.nastaveni;
    setZaskrtnuty(Prikaz::mnuVolbyPrepocitavat, n.Prepocitavat);
    setZaskrtnuty(Prikaz::mnuVolbyTisknoutCeny, n.TisknoutCeny);
    setZaskrtnuty(Prikaz::mnuVolbyZobrazitCenuObchodnika, n.ZobrazitCenuObchodnika);
    setZaskrtnuty(Prikaz::mnuVolbyZobrazitCeny, n.ZobrazitCeny);
    setZaskrtnuty(Prikaz::mnuVolbyZobrazitNuloveKusy, true);

    m_titulek = QStringLiteral("Sorvenika - Kestroma") + QString(25, QLatin1Char(' ')) +
                QStringLiteral("platnost ceníku od ") + n.PlatnostCen + QStringLiteral(" až do vydání dalšího ceníku");

    {
        FlexGridDavka davka(TabSuma);
        TabSuma.setCols(3);
        TabSuma.setFixedRows(0);
        TabSuma.setRows(0);
        TabSuma.setFontSize(9);
        TabSuma.setFontBold(true);
        for (int r = kKoeficient; r <= kVaha; ++r) {
            const auto radek = static_cast<RadekSouctu>(r);
            TabSuma.AddItem(Kalkulace::popisekSouctu(radek, n.DPH) + (r == kKoeficient ? QStringLiteral("\t100\t") : QStringLiteral("\t\t")) +
                            Kalkulace::jednotkaSouctu(radek));
        }
        TabSuma.setColWidth(0, 2100);
        TabSuma.setColWidth(1, 1400);
        TabSuma.setColWidth(2, 350);
        if (!jeTRemol(m_g.sorvenikaParametry.System)) TabSuma.setRowHeight(3, 0);
    }

    {
        FlexGridDavka davka(Tabulka);
        Tabulka.setRows(1);
        Tabulka.setCols(6);
        Tabulka.setFontSize(8);
        const QStringList nadpisy = Kalkulace::nadpisy();
        const std::array<int, 6> sirky = sirkySloupcu(kSirkaTabulky);
        for (int c = 0; c < 6; ++c) {
            Tabulka.setTextMatrix(0, c, nadpisy[c]);
            Tabulka.setColWidth(c, sirky[static_cast<size_t>(c)]);
            Tabulka.setColAlignment(c, c == 0 ? FlexGrid::VlevoStred : c <= 3 ? FlexGrid::StredStred : FlexGrid::VpravoStred);
        }
        Tabulka.setFontBold(false);
    }

    if (n.TypUzivatele == 1) {
        for (Prikaz p : {Prikaz::mnu_Export_do_Excelu, Prikaz::mnucarka2, Prikaz::mnuNabidky, Prikaz::mnuTahak})
            setViditelny(p, true);
        m_ramZakaznik = false;
        emit ramyZmeneny();
        for (Prikaz p : {Prikaz::mnu_Email, Prikaz::mnu_Tisk, Prikaz::mnu_Ulozit_jako_HTML}) setPovoleny(p, false);
        setPovoleny(Prikaz::mnuSadaStred, true);
    } else {
        setPovoleny(Prikaz::mnuSadaStred, JePovoleno(n, kPriznakSadaStred));
        setViditelny(Prikaz::mnu_Export_do_Excelu, false);
    }
}

std::array<int, 6> ModelListu::sirkySloupcu(int sirkaTabulky) {
    std::array<int, 6> s{};
    for (size_t c = 0; c < s.size(); ++c) s[c] = CLng(sirkaTabulky * kPomerySloupcu[c]);
    return s;
}

int ModelListu::sirkaTabSumy() const {
    int s = 60;
    for (int c = 0; c < TabSuma.Cols(); ++c) s += TabSuma.ColWidth(c);
    return s;
}

int ModelListu::vyskaTabSumy() const {
    int v = 60;
    for (int r = 0; r < TabSuma.Rows(); ++r) v += TabSuma.RowHeight(r);
    return v;
}

void ModelListu::nastavZvyrazneni(Zvyrazneni z) {
    if (z == m_zvyrazneni) return;
    m_zvyrazneni = z;
    emit zvyrazneniZmeneno();
}

void ModelListu::Zjisti_mod() {
    if (Tabulka.Row() >= Tabulka.Rows() - m_g.PocetVolnychRadku) {
        m_rezim = 3;
        nastavZvyrazneni(Zvyrazneni::Nikdy);
    } else {
        m_rezim = 1;
        Nastav_kurzor_v_tabulce(Tabulka.Row());
    }
}

void ModelListu::Nastav_mod() {
    m_txtBox.viditelny = false;
    m_txtBox.text.clear();
    switch (m_rezim) {
    case 1:
        m_txtBox.zarovnani = FlexGrid::StredStred;
        m_txtBox.maxDelka = 6;
        nastavZvyrazneni(Zvyrazneni::Vzdy);
        break;
    case 3: {
        m_txtBox.maxDelka = 0;
        nastavZvyrazneni(Zvyrazneni::Nikdy);
        Tabulka.setCol(Tabulka.Col());
        const int c = Tabulka.Col();
        m_txtBox.zarovnani = c == 0 ? FlexGrid::VlevoStred : c <= 3 ? FlexGrid::StredStred : FlexGrid::VpravoStred;
        break;
    }
    default: break;
    }
    emit txtBoxZmenen();
}

void ModelListu::Nastav_kurzor_v_tabulce(int radek) {
    nastavZvyrazneni(Zvyrazneni::Vzdy);
    Tabulka.setCol(0);
    Tabulka.setRow(radek);
    Tabulka.setColSel(Tabulka.Cols() - 1);
    emit zamerTabulku();
}

void ModelListu::Zapis_polohu_kurzoru() {
    m_g.AktRadek = Integer(Tabulka.Row());
    m_g.AktSloupec = Integer(Tabulka.Col());
}

void ModelListu::ZakazPrikazySorveniky() {
    // A finished costing, with the user's edits, stays reachable: its wizard was only looked at.
    if (m_kalkulaci > 0) return;
    m_ram = false;
    emit ramyZmeneny();
    for (Prikaz p : {Prikaz::mnu_Nova_sorvenika, Prikaz::mnu_Email, Prikaz::mnu_Ulozit_jako_HTML, Prikaz::mnu_Tisk,
                     Prikaz::mnu_Zadat_obj_c, Prikaz::mnuPridat})
        setPovoleny(p, false);
    // With no costing behind it the middle-set toggle would recompute rows of a bill that is not
    // on the sheet, for whatever system was chosen.
    setPovoleny(Prikaz::mnuSadaStred, false);
}
