#include "offers/UdajeNabidky.h"

#include "offers/SouboryNabidek.h"
#include "offers/clsSorvenika.h"
#include "platform/Cp1250.h"
#include "platform/FileStore.h"
#include "platform/Numbers.h"
#include "platform/Regional.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <utility>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

struct Povinny {
    PovinnePole pole;
    const QString UdajeNabidky::*text;  // nullptr: the building type
    const char* zprava;
};

constexpr Povinny kPovinne[] = {
    {PovinnePole::NazevAkce, &UdajeNabidky::NazevAkce, "Není zadán název akce"},
    {PovinnePole::MistoStavby, &UdajeNabidky::MistoStavby, "Není zadáno místo stavby"},
    {PovinnePole::DruhStavby, nullptr, "Není zvolen druh stavby"},
    {PovinnePole::RealizacniFirma, &UdajeNabidky::RealizacniFirma, "Není zadána realizační firma"},
    {PovinnePole::KontaktniOsoba, &UdajeNabidky::KontaktniOsoba, "Není zadána kontaktní osoba"},
    {PovinnePole::Telefon, &UdajeNabidky::Telefon, "Není zadán telefon"},
    {PovinnePole::Email, &UdajeNabidky::Email, "Není zadán e-mail"},
    {PovinnePole::Obchodnik, &UdajeNabidky::Obchodnik, "Není zadán obchodník"},
    {PovinnePole::ObchodnikMesto, &UdajeNabidky::ObchodnikMesto, "Není zadáno město"},
};

}  // namespace

QDate DatumNabidky(const QString& text) {
    const Regional& reg = Regional::current();
    if (!reg.IsDate(text)) return {};
    const QDate d = reg.CDate(text);
    return d > QDate(2007, 1, 1) && d < QDate(2099, 1, 1) ? d : QDate();
}

std::optional<Odmitnuti<PovinnePole>> ZkontrolujUdaje(const UdajeNabidky& u) {
    if (!DatumNabidky(u.DatumNabidky).isValid())
        return Odmitnuti<PovinnePole>{QStringLiteral("Není zadané korektní datum nabídky."), PovinnePole::DatumNabidky};
    for (const Povinny& p : kPovinne)
        if (p.text ? (u.*p.text).isEmpty() : u.DruhStavby < 0) return Odmitnuti<PovinnePole>{QString::fromUtf8(p.zprava), p.pole};
    return std::nullopt;
}

void seradSeznam(QStringList& seznam) {
    static const QCollator cesky = [] {
        QCollator c{QLocale(QLocale::Czech, QLocale::CzechRepublic)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    // One key a text: a long list compares keys, not texts through the collator each time.
    std::vector<std::pair<QCollatorSortKey, qsizetype>> klice;
    klice.reserve(static_cast<size_t>(seznam.size()));
    for (qsizetype i = 0; i < seznam.size(); ++i) klice.emplace_back(cesky.sortKey(seznam[i]), i);
    std::stable_sort(klice.begin(), klice.end(), [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    QStringList serazene;
    serazene.reserve(seznam.size());
    for (const auto& k : klice) serazene << seznam[k.second];
    seznam = std::move(serazene);
}

NazvyAkci::NazvyAkci(QString soubor) : m_soubor(std::move(soubor)) {
    const Vysledek<QByteArray> b = filestore::readAllOrEmpty(m_soubor);
    if (!b) m_chyba = b.chyba();
    else
        for (const QString& r : cp1250::decode(*b).split(kCrLf))
            if (!r.isEmpty()) m_seznam << r;
    seradSeznam(m_seznam);
}

QString NazvyAkci::neohlasenaChyba() { return std::exchange(m_ohlaseno, true) ? QString() : m_chyba; }

Vysledek<> NazvyAkci::neprecteny() {
    const QString chyba = neohlasenaChyba();
    if (chyba.isEmpty()) return {};
    return Chyba{chyba};
}

Vysledek<> NazvyAkci::nauc(const QString& nazev) {
    if (nazev.isEmpty() || m_seznam.contains(nazev)) return {};
    m_seznam << nazev;
    seradSeznam(m_seznam);
    if (!m_chyba.isEmpty()) return neprecteny();
    return filestore::append(m_soubor, cp1250::encode(nazev + kCrLf));
}

Vysledek<> NazvyAkci::zapomen(const QString& nazev) {
    const qsizetype i = m_seznam.indexOf(nazev);
    if (i < 0) return {};
    m_seznam.removeAt(i);
    // The names the file holds were never read: rewritten from the list, they would be lost.
    if (!m_chyba.isEmpty()) return neprecteny();
    QString obsah;
    for (const QString& n : m_seznam)
        if (!n.isEmpty()) obsah += n + kCrLf;
    if (!obsah.isEmpty()) return filestore::replace(m_soubor, cp1250::encode(obsah));
    return filestore::remove(m_soubor);
}

RozpisMrizky RozpisZMrizky(const FlexGrid& tabulka) {
    RozpisMrizky v;
    for (int r = tabulka.FixedRows(); r < tabulka.Rows(); ++r) {
        QStringList bunky;
        for (int c = 0; c < tabulka.Cols(); ++c) bunky << tabulka.TextMatrix(r, c);
        v.rozpis += clsSorvenika::RadekRozpisu(bunky);
        v.soucet += naDouble(tabulka.TextMatrix(r, 5)).value_or(0);
    }
    return v;
}

CenyNabidky CenyPoZmene(const CenyNabidky& puvodni, double po, double dph, std::optional<ZmenaTRemol> tRemol) {
    const double projektovaSleva = puvodni.ProjektovaSleva;
    const double koeficient = 1 - projektovaSleva / 100;
    const auto sDPH = [dph](double bezDPH) { return Round((1 + dph / 100) * bezDPH + 0.0049, 2); };
    CenyNabidky c;
    c.ProjektovaSleva = projektovaSleva;
    if (tRemol) {
        const double poSleve = static_cast<double>(tRemol->poSleve) / 100;
        c.CenaBezDPH = Round(puvodni.CenaBezDPH + static_cast<double>(tRemol->cenik) / 100, 2);
        c.CenaPoSleveBezDPH = Round(puvodni.CenaPoSleveBezDPH + poSleve, 2);
        // The price with VAT is that of the new price; an unchanged one keeps the sheet's.
        c.CenaPoSleveSDPH = tRemol->poSleve == 0 ? puvodni.CenaPoSleveSDPH : sDPH(c.CenaPoSleveBezDPH);
        if (c.CenaBezDPH != 0) c.ProjektovaSleva = (1 - c.CenaPoSleveBezDPH / c.CenaBezDPH) * 100;
    } else if (projektovaSleva == 0 || koeficient <= 0) {
        c.CenaBezDPH = po;
        c.CenaPoSleveBezDPH = Round((1 - projektovaSleva / 100) * po + 0.0049, 2);
        c.CenaPoSleveSDPH = sDPH(c.CenaPoSleveBezDPH);
    } else {
        c.CenaPoSleveBezDPH = Round(po, 2);
        c.CenaBezDPH = Round(c.CenaPoSleveBezDPH / koeficient - 0.049, 1);
        c.CenaPoSleveSDPH = Round((1 + dph / 100) * c.CenaPoSleveBezDPH + 0.049, 1);
    }
    return c;
}

double CenaNaKoeficient(double cena, double projektovaSleva) {
    return projektovaSleva == 0 ? cena : Round(cena * (1 - projektovaSleva / 100) + 0.049, 1);
}

QString RadekNaKoeficient(const QString& radek, double projektovaSleva) {
    QStringList bunky = radek.split(QLatin1Char('\t'));
    if (projektovaSleva == 0 || bunky.size() < 6) return radek;
    const Regional& reg = Regional::current();
    const double cena = CenaNaKoeficient(naDouble(bunky[4]).value_or(0), projektovaSleva);
    bunky[4] = reg.Format(cena);
    bunky[5] = reg.Format(cena * naDouble(bunky[3]).value_or(0));
    return bunky.join(QLatin1Char('\t'));
}

int RadekDilu(const TabulkaArtiklu& cenik, const QString& kod, bool sPriponou) {
    int radek = -1;
    if (sPriponou) {
        QString s = kod + kPriponaBezCeny;
        radek = cenik.NajdiArtikl(s);
    }
    if (radek < 0) {
        QString k = kod;
        radek = cenik.NajdiArtikl(k);
    }
    return radek;
}

ZmenaTRemol CenyDilu(const TabulkaArtiklu* cenik, const QStringList& bunky, double projektovaSleva) {
    if (bunky.size() < 6) return {};
    const auto centy = [](double kc) { return static_cast<qint64>(Round(kc * 100)); };
    const double ks = naDouble(bunky[3]).value_or(0);
    const int radek = cenik ? RadekDilu(*cenik, bunky[1], true) : -1;
    const double cena = radek > 0 ? cenik->cena(radek).toDouble() : 0;
    const qint64 celkem = centy(naDouble(bunky[5]).value_or(0));
    return {centy(Round(cena * ks, 2)), celkem != 0 ? celkem : centy(CenaNaKoeficient(cena, projektovaSleva) * ks)};
}
