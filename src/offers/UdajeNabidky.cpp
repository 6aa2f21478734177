#include "offers/UdajeNabidky.h"

#include "platform/Cp1250.h"
#include "platform/Numbers.h"
#include "platform/Regional.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
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

std::optional<QByteArray> precti(const QString& cesta) {
    QFile f(cesta);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    return f.readAll();
}

Vysledek<> chybaZapisu(const QString& cesta) {
    return Chyba{QStringLiteral("Chyba při zápisu do souboru ") + QDir::toNativeSeparators(cesta)};
}

}  // namespace

QDate DatumNabidky(const QString& text) {
    const Regional& reg = Regional::current();
    if (!reg.IsDate(text)) return {};
    const QDate d = reg.CDate(text);
    return d > QDate(2007, 1, 1) && d < QDate(2099, 1, 1) ? d : QDate();
}

std::optional<ChybejiciUdaj> ZkontrolujUdaje(const UdajeNabidky& u) {
    if (!DatumNabidky(u.DatumNabidky).isValid())
        return ChybejiciUdaj{PovinnePole::DatumNabidky, QStringLiteral("Není zadané korektní datum nabídky.")};
    for (const Povinny& p : kPovinne)
        if (p.text ? (u.*p.text).isEmpty() : u.DruhStavby < 0) return ChybejiciUdaj{p.pole, QString::fromUtf8(p.zprava)};
    return std::nullopt;
}

void seradSeznam(QStringList& seznam) {
    std::stable_sort(seznam.begin(), seznam.end(),
                     [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
}

NazvyAkci::NazvyAkci(QString soubor) : m_soubor(std::move(soubor)) {
    if (const std::optional<QByteArray> b = precti(m_soubor))
        for (const QString& r : cp1250::decode(*b).split(kCrLf))
            if (!r.isEmpty()) m_seznam << r;
    seradSeznam(m_seznam);
}

Vysledek<> NazvyAkci::nauc(const QString& nazev) {
    if (nazev.isEmpty() || m_seznam.contains(nazev)) return {};
    m_seznam << nazev;
    seradSeznam(m_seznam);
    QDir().mkpath(QFileInfo(m_soubor).absolutePath());
    QFile f(m_soubor);
    const QByteArray radek = cp1250::encode(nazev + kCrLf);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append) || f.write(radek) != radek.size() || !f.flush())
        return chybaZapisu(m_soubor);
    return {};
}

Vysledek<> NazvyAkci::zapomen(const QString& nazev) {
    const qsizetype i = m_seznam.indexOf(nazev);
    if (i < 0) return {};
    m_seznam.removeAt(i);
    QString obsah;
    for (const QString& n : m_seznam)
        if (!n.isEmpty()) obsah += n + kCrLf;
    if (obsah.isEmpty()) {
        if (QFile::exists(m_soubor) && !QFile::remove(m_soubor)) return chybaZapisu(m_soubor);
        return {};
    }
    return NahradSoubor(m_soubor, cp1250::encode(obsah));
}

QStringList NactiObchodniky(const QString& soubor) {
    QStringList seznam;
    const std::optional<QByteArray> b = precti(soubor);
    if (!b) return seznam;
    const QStringList radky = cp1250::decode(*b).split(kCrLf);
    for (qsizetype i = 1; i < radky.size(); ++i) {
        const QString& r = radky[i];
        if (r.isEmpty()) continue;
        const qsizetype svislice = r.indexOf(QLatin1Char('|'));
        seznam << (svislice < 0 ? r : r.mid(svislice + 1));
    }
    seradSeznam(seznam);
    return seznam;
}

RozpisMrizky RozpisZMrizky(const FlexGrid& tabulka) {
    RozpisMrizky v;
    for (int r = tabulka.FixedRows(); r < tabulka.Rows(); ++r) {
        for (int c = 0; c < tabulka.Cols(); ++c) v.rozpis += tabulka.TextMatrix(r, c) + QLatin1Char('\t');
        v.rozpis += kCrLf;
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

Vysledek<> NahradSoubor(const QString& cesta, const QByteArray& bajty) {
    QDir().mkpath(QFileInfo(cesta).absolutePath());
    QSaveFile f(cesta);
    if (!f.open(QIODevice::WriteOnly) || f.write(bajty) != bajty.size() || !f.commit()) return chybaZapisu(cesta);
    return {};
}
