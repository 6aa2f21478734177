#include "offers/UdajeNabidky.h"

#include "offers/clsSorvenika.h"
#include "platform/Cp1250.h"
#include "platform/FileStore.h"
#include "platform/Numbers.h"
#include "platform/Regional.h"

#include <algorithm>

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
    std::stable_sort(seznam.begin(), seznam.end(),
                     [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
}

NazvyAkci::NazvyAkci(QString soubor) : m_soubor(std::move(soubor)) {
    if (const std::optional<QByteArray> b = filestore::readAll(m_soubor))
        for (const QString& r : cp1250::decode(*b).split(kCrLf))
            if (!r.isEmpty()) m_seznam << r;
    seradSeznam(m_seznam);
}

Vysledek<> NazvyAkci::nauc(const QString& nazev) {
    if (nazev.isEmpty() || m_seznam.contains(nazev)) return {};
    m_seznam << nazev;
    seradSeznam(m_seznam);
    return filestore::append(m_soubor, cp1250::encode(nazev + kCrLf));
}

Vysledek<> NazvyAkci::zapomen(const QString& nazev) {
    const qsizetype i = m_seznam.indexOf(nazev);
    if (i < 0) return {};
    m_seznam.removeAt(i);
    QString obsah;
    for (const QString& n : m_seznam)
        if (!n.isEmpty()) obsah += n + kCrLf;
    if (!obsah.isEmpty()) return filestore::replace(m_soubor, cp1250::encode(obsah));
    if (!filestore::remove(m_soubor)) return filestore::chybaZapisu(m_soubor, QStringLiteral("soubor nelze smazat"));
    return {};
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

CenyNabidky CenyPoZmene(double soucet, double projektovaSleva, double dph) {
    CenyNabidky c;
    c.CenaBezDPH = soucet;
    c.CenaPoSleveBezDPH = Round((1 - projektovaSleva / 100) * soucet + 0.0049, 2);
    c.CenaPoSleveSDPH = Round((1 + dph / 100) * c.CenaPoSleveBezDPH + 0.0049, 2);
    return c;
}
