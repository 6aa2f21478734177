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

namespace {

ZmenaTRemol soucetDilu(const QList<ZmenaTRemol>& dily) {
    ZmenaTRemol z;
    for (const ZmenaTRemol& d : dily) {
        z.cenik += d.cenik;
        z.poSleve += d.poSleve;
    }
    return z;
}

}  // namespace

ModelNabidky::ModelNabidky(GlobalniData& g, PametNabidek& pamet, Sluzby sluzby)
    : m_g(g), m_pamet(pamet), m_sluzby(std::move(sluzby)), m_nazvy(souborNabidek(QStringLiteral("NazevAkce.txt"))) {
    if (const QString chyba = m_nazvy.neohlasenaChyba(); !chyba.isEmpty()) m_chybyCteni << chyba;
    if (Vysledek<QStringList> o = NactiObchodniky()) m_obchodnici = std::move(*o);
    else m_chybyCteni << o.chyba();
    seradSeznam(m_obchodnici);
    const clsNabidka& n = nabidka();
    static_cast<ProjektNabidky&>(m_udaje) = n;
    m_udaje.DatumNabidky = Regional::current().KratkeDatum(n.DatumNabidky);
    if (n.DruhStavby < 0 || n.DruhStavby >= DruhyStavby().size()) m_udaje.DruhStavby = -1;
    clsSorvenika s;
    s.Xml = n.Sorvenika;
    s.ParseXml();
    FlexGridDavka davka(Tabulka);
    for (const QStringList& bunky : clsSorvenika::BunkyRozpisu(s.Rozpis)) {
        Tabulka.AddItem(bunky.join(QLatin1Char('\t')));
        m_dily << CenyDilu(m_sluzby.cenik, bunky, n.ProjektovaSleva);
    }
    m_dilyNaZacatku = soucetDilu(m_dily);
    m_cenyNaZacatku = {n.CenaBezDPH, n.CenaPoSleveBezDPH, n.CenaPoSleveSDPH, n.ProjektovaSleva};
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
            m_dily.clear();
            m_odebrat = false;
        } else if (Tabulka.Row() >= Tabulka.FixedRows()) {
            m_dily.removeAt(Tabulka.Row() - Tabulka.FixedRows());
            Tabulka.RemoveItem(Tabulka.Row());
        }
    });
}

void ModelNabidky::pridejPolozku(const QString& radek) {
    const QString r = RadekNaKoeficient(radek, nabidka().ProjektovaSleva);
    Tabulka.AddItem(r);
    m_dily << CenyDilu(m_sluzby.cenik, r.split(QLatin1Char('\t')), nabidka().ProjektovaSleva);
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
    std::optional<ZmenaTRemol> tRemol;
    if (jeTRemol(s.System)) {
        const ZmenaTRemol dily = soucetDilu(m_dily);
        tRemol = ZmenaTRemol{dily.cenik - m_dilyNaZacatku.cenik, dily.poSleve - m_dilyNaZacatku.poSleve};
    }
    const CenyNabidky ted{n.CenaBezDPH, n.CenaPoSleveBezDPH, n.CenaPoSleveSDPH, n.ProjektovaSleva};
    CenyNabidky c = CenyPoZmene(tRemol ? m_cenyNaZacatku : ted, po.soucet, m_g.nastaveni.DPH.toDouble(), tRemol);
    if (tRemol && Tabulka.Rows() == Tabulka.FixedRows()) {
        // No part left is nothing to pay, whatever the parts' roundings or a changed price list
        // leave over; parts added next count from there.
        c = {0, 0, 0, ted.ProjektovaSleva};
        m_cenyNaZacatku = c;
        m_dilyNaZacatku = {};
    }
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
    // A number that cannot be stored refuses the save, as the same number would come again.
    const qint32 dalsi = n.ExtID + 1;
    const Vysledek<QString> v = n.UlozNabidkuKOdeslani([&]() -> Vysledek<> {
        const Vysledek<> cislo =
            ini::zapis(dataFile(kSouborNastaveni), QStringLiteral("UZIVATEL"), QStringLiteral("ExtID"), QString::number(dalsi));
        if (cislo) return {};
        return cislo.selhani(QStringLiteral("\nČíslo další nabídky nelze uložit, a proto nabídka nebyla uložena."));
    });
    if (!v) return v.selhani();
    *m_pamet.Nabidka = std::move(n);
    m_g.nastaveni.ExtID = dalsi;
    m_pamet.PosledniNabidka = m_pamet.Nabidka;
    Hlaseni<PovinnePole> h;
    if (!v->isEmpty()) h.oznameni << *v;
    return h;
}

void ModelNabidky::Storno() {
    m_pamet.Nabidka.reset();
    if (m_sluzby.storno) m_sluzby.storno();
}

