#include "offers/ModelNabidky.h"

#include "engine/Systemy.h"
#include "net/NastaveniObjednavek.h"
#include "offers/KodyNabidek.h"
#include "offers/SouboryNabidek.h"
#include "offers/clsSorvenika.h"
#include "platform/DataPaths.h"
#include "platform/IniFile.h"
#include "platform/Regional.h"
#include "platform/KonceRadku.h"

ModelNabidky::ModelNabidky(GlobalniData& g, PametNabidek& pamet, Sluzby sluzby)
    : m_g(g), m_pamet(pamet), m_sluzby(std::move(sluzby)), m_nazvy(souborNabidek(QStringLiteral("NazevAkce.txt"))),
      m_obchodnici(NactiObchodniky()) {
    seradSeznam(m_obchodnici);
    const clsNabidka& n = nabidka();
    static_cast<ProjektNabidky&>(m_udaje) = n;
    m_udaje.DatumNabidky = Regional::current().KratkeDatum(n.DatumNabidky);
    if (n.DruhStavby < 0 || n.DruhStavby >= DruhyStavby().size()) m_udaje.DruhStavby = -1;
    clsSorvenika s;
    s.Xml = n.Sorvenika;
    s.ParseXml();
    FlexGridDavka davka(Tabulka);
    for (const QStringList& bunky : clsSorvenika::BunkyRozpisu(s.Rozpis)) Tabulka.AddItem(bunky.join(QLatin1Char('\t')));
}

QString ModelNabidky::titulek() const { return QStringLiteral("Povinné údaje k nabídce č. ") + QString::number(nabidka().ExtID); }

std::array<QString, 4> ModelNabidky::ceny() const {
    const Regional& reg = Regional::current();
    const clsNabidka& n = nabidka();
    return {reg.Format(n.CenaBezDPH), reg.Format(n.ProjektovaSleva), reg.Format(n.CenaPoSleveBezDPH), reg.Format(n.CenaPoSleveSDPH)};
}

void ModelNabidky::pridatPolozky() {
    zmenaPolozek([this] {
        if (m_sluzby.pridatPolozky) m_sluzby.pridatPolozky(*this);
    });
}

void ModelNabidky::odebratPolozku() {
    zmenaPolozek([this] {
        if (Tabulka.Rows() < 3) {
            Tabulka.setRows(1);
            m_odebrat = false;
        } else if (Tabulka.Row() >= Tabulka.FixedRows()) {
            Tabulka.RemoveItem(Tabulka.Row());
        }
    });
}

void ModelNabidky::pridejPolozku(const QString& radek) {
    Tabulka.AddItem(RadekNaKoeficient(radek, nabidka().ProjektovaSleva));
    m_odebrat = true;
}

void ModelNabidky::zmenaPolozek(const std::function<void()>& zmena) {
    const int r = Tabulka.Row();
    const RozpisMrizky pred = RozpisZMrizky(Tabulka);
    zmena();
    const RozpisMrizky po = RozpisZMrizky(Tabulka);
    // The price list closed without a part, or nothing to remove: the offer stays as it was.
    if (po.rozpis == pred.rozpis) return;
    if (Tabulka.Rows() > Tabulka.FixedRows()) {
        Tabulka.setRow(std::clamp(r, Tabulka.FixedRows(), Tabulka.Rows() - 1));
        Tabulka.setCol(0);
        Tabulka.setColSel(Tabulka.Cols() - 1);
    }
    clsNabidka& n = *m_pamet.Nabidka;
    clsSorvenika s;
    s.Xml = n.Sorvenika;
    s.ParseXml();
    s.Rozpis = po.rozpis;
    s.GenerXml();
    n.Sorvenika = s.Xml;
    const CenyNabidky c = CenyPoZmene({n.CenaBezDPH, n.CenaPoSleveBezDPH, n.CenaPoSleveSDPH}, pred.soucet, po.soucet,
                                      n.ProjektovaSleva, m_g.nastaveni.DPH.toDouble(), jeTRemol(s.System));
    n.CenaBezDPH = c.CenaBezDPH;
    n.CenaPoSleveBezDPH = c.CenaPoSleveBezDPH;
    n.CenaPoSleveSDPH = c.CenaPoSleveSDPH;
}

Hlaseni<PovinnePole> ModelNabidky::Uloz(const UdajeNabidky& u) {
    if (std::optional<Odmitnuti<PovinnePole>> chybi = ZkontrolujUdaje(u)) return std::move(*chybi);
    clsNabidka n = nabidka();
    static_cast<ProjektNabidky&>(n) = u;
    n.Stav = 0;
    n.DatumNabidky = DatumNabidky(u.DatumNabidky);
    n.Poznamka = radky::naCrLf(u.Poznamka);
    const Vysledek<QString> v = n.UlozNabidkuKOdeslani();
    if (!v) return Chyba{v.chyba()};
    QStringList oznameni;
    if (!v->isEmpty()) oznameni << *v;
    *m_pamet.Nabidka = std::move(n);
    // On disk at once: a number given twice would let the server's copy of one offer replace
    // the other's.
    m_g.nastaveni.ExtID = m_pamet.Nabidka->ExtID + 1;
    const QString ini = dataFile(kSouborUzivatele);
    if (const Vysledek<> z = ini::zapis(ini, QStringLiteral("UZIVATEL"), QStringLiteral("ExtID"), QString::number(m_g.nastaveni.ExtID)); !z)
        oznameni << z.chyba() + QStringLiteral(". Číslo další nabídky se uloží při ukončení programu.");
    m_pamet.PosledniNabidka = m_pamet.Nabidka;
    Hlaseni<PovinnePole> h;
    if (!oznameni.isEmpty()) h.oznameni << oznameni.join(QStringLiteral("\n\n"));
    return h;
}

void ModelNabidky::Storno() {
    m_pamet.Nabidka.reset();
    if (m_sluzby.storno) m_sluzby.storno();
}

