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
#include "platform/Numbers.h"

#include <numeric>

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
    // A part added at an earlier opening: its list price as far as its total at the coefficient
    // tells it. The costing's own T-REMOL lines are 0.
    const double koeficient = 1 - n.ProjektovaSleva / 100;
    for (int r = Tabulka.FixedRows(); r < Tabulka.Rows(); ++r)
        m_cenikove << (koeficient > 0 ? Round(naDouble(Tabulka.TextMatrix(r, 5)).value_or(0) / koeficient, 2) : 0);
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
            m_cenikove.clear();
            m_odebrat = false;
        } else if (Tabulka.Row() >= Tabulka.FixedRows()) {
            m_cenikove.removeAt(Tabulka.Row() - Tabulka.FixedRows());
            Tabulka.RemoveItem(Tabulka.Row());
        }
    });
}

void ModelNabidky::pridejPolozku(const QString& radek) {
    Tabulka.AddItem(RadekNaKoeficient(radek, nabidka().ProjektovaSleva));
    m_cenikove << CenikovaCena(radek);
    m_odebrat = true;
}

void ModelNabidky::zmenaPolozek(const std::function<void()>& zmena) {
    const int r = Tabulka.Row();
    const RozpisMrizky pred = RozpisZMrizky(Tabulka);
    const double cenikPred = std::accumulate(m_cenikove.begin(), m_cenikove.end(), 0.0);
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
    const std::optional<double> tRemolCenik =
        jeTRemol(s.System) ? std::optional(std::accumulate(m_cenikove.begin(), m_cenikove.end(), 0.0) - cenikPred)
                           : std::nullopt;
    const CenyNabidky c = CenyPoZmene({n.CenaBezDPH, n.CenaPoSleveBezDPH, n.CenaPoSleveSDPH, n.ProjektovaSleva},
                                      pred.soucet, po.soucet, m_g.nastaveni.DPH.toDouble(), tRemolCenik);
    n.CenaBezDPH = c.CenaBezDPH;
    n.CenaPoSleveBezDPH = c.CenaPoSleveBezDPH;
    n.CenaPoSleveSDPH = c.CenaPoSleveSDPH;
    n.ProjektovaSleva = c.ProjektovaSleva;
}

Hlaseni<PovinnePole> ModelNabidky::Uloz(const UdajeNabidky& u) {
    if (std::optional<Odmitnuti<PovinnePole>> chybi = ZkontrolujUdaje(u)) return std::move(*chybi);
    clsNabidka n = nabidka();
    static_cast<ProjektNabidky&>(n) = u;
    n.Stav = 0;
    n.DatumNabidky = DatumNabidky(u.DatumNabidky);
    n.Poznamka = radky::naCrLf(u.Poznamka);
    // The next number reaches the disk before the offer: a save cut between the two writes skips
    // a number, never gives one twice (the server's copy of one offer would replace the other's).
    const qint32 dalsi = n.ExtID + 1;
    Vysledek<> cislo;
    const Vysledek<QString> v = n.UlozNabidkuKOdeslani([&] {
        cislo = ini::zapis(dataFile(kSouborNastaveni), QStringLiteral("UZIVATEL"), QStringLiteral("ExtID"), QString::number(dalsi));
    });
    if (!v) return Chyba{v.chyba()};
    QStringList oznameni;
    if (!v->isEmpty()) oznameni << *v;
    if (!cislo) oznameni << cislo.chyba() + QStringLiteral(". Číslo další nabídky se uloží při ukončení programu.");
    *m_pamet.Nabidka = std::move(n);
    m_g.nastaveni.ExtID = dalsi;
    m_pamet.PosledniNabidka = m_pamet.Nabidka;
    Hlaseni<PovinnePole> h;
    if (!oznameni.isEmpty()) h.oznameni << oznameni.join(QStringLiteral("\n\n"));
    return h;
}

void ModelNabidky::Storno() {
    m_pamet.Nabidka.reset();
    if (m_sluzby.storno) m_sluzby.storno();
}

