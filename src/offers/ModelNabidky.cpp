#include "offers/ModelNabidky.h"

#include "offers/KodyNabidek.h"
#include "offers/SouboryNabidek.h"
#include "offers/clsSorvenika.h"
#include "platform/Regional.h"
#include "platform/KonceRadku.h"

ModelNabidky::ModelNabidky(GlobalniData& g, PametNabidek& pamet, Sluzby sluzby)
    : m_g(g), m_pamet(pamet), m_sluzby(std::move(sluzby)), m_nazvy(souborNabidek(QStringLiteral("NazevAkce.txt"))),
      m_obchodnici(NactiObchodniky()) {
    seradSeznam(m_obchodnici);
    const clsNabidka& n = nabidka();
    m_udaje = {Regional::current().KratkeDatum(n.DatumNabidky),
               n.NazevAkce,
               n.MistoStavby,
               n.Ulice,
               n.UliceCP,
               n.DruhStavby >= 0 && n.DruhStavby < DruhyStavby().size() ? n.DruhStavby : -1,
               n.RealizacniFirma,
               n.KontaktniOsoba,
               n.Telefon,
               n.Email,
               n.Obchodnik,
               n.ObchodnikMesto,
               n.Poznamka};
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
    Tabulka.AddItem(radek);
    m_odebrat = true;
}

void ModelNabidky::zmenaPolozek(const std::function<void()>& zmena) {
    const int r = Tabulka.Row();
    clsSorvenika s;
    s.Xml = nabidka().Sorvenika;
    s.ParseXml();
    zmena();
    const RozpisMrizky rozpis = RozpisZMrizky(Tabulka);
    if (Tabulka.Rows() > Tabulka.FixedRows()) {
        Tabulka.setRow(std::clamp(r, Tabulka.FixedRows(), Tabulka.Rows() - 1));
        Tabulka.setCol(0);
        Tabulka.setColSel(Tabulka.Cols() - 1);
    }
    s.Rozpis = rozpis.rozpis;
    s.GenerXml();
    clsNabidka& n = *m_pamet.Nabidka;
    n.Sorvenika = s.Xml;
    const CenyNabidky c = CenyPoZmene(rozpis.soucet, n.ProjektovaSleva, m_g.nastaveni.DPH.toDouble());
    n.CenaBezDPH = c.CenaBezDPH;
    n.CenaPoSleveBezDPH = c.CenaPoSleveBezDPH;
    n.CenaPoSleveSDPH = c.CenaPoSleveSDPH;
}

ModelNabidky::VysledekUlozeni ModelNabidky::Uloz(const UdajeNabidky& u) {
    if (std::optional<Odmitnuti<PovinnePole>> chybi = ZkontrolujUdaje(u)) return {std::move(chybi), {}};
    clsNabidka n = nabidka();
    n.Stav = 0;
    n.DatumNabidky = DatumNabidky(u.DatumNabidky);
    n.NazevAkce = u.NazevAkce;
    n.MistoStavby = u.MistoStavby;
    n.Ulice = u.Ulice;
    n.UliceCP = u.UliceCP;
    n.DruhStavby = u.DruhStavby;
    n.RealizacniFirma = u.RealizacniFirma;
    n.KontaktniOsoba = u.KontaktniOsoba;
    n.Telefon = u.Telefon;
    n.Email = u.Email;
    n.Obchodnik = u.Obchodnik;
    n.ObchodnikMesto = u.ObchodnikMesto;
    n.Poznamka = radky::naCrLf(u.Poznamka);
    if (const Vysledek<> v = n.UlozNabidkuKOdeslani(); !v) return {std::nullopt, v.chyba()};
    *m_pamet.Nabidka = std::move(n);
    m_g.nastaveni.ExtID = m_pamet.Nabidka->ExtID + 1;
    m_pamet.PosledniNabidka = m_pamet.Nabidka;
    return {};
}

void ModelNabidky::Storno() {
    m_pamet.Nabidka.reset();
    if (m_sluzby.storno) m_sluzby.storno();
}

