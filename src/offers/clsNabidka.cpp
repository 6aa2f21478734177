#include "offers/clsNabidka.h"

#include "net/clsBase64.h"
#include "offers/SouboryNabidek.h"
#include "platform/Clock.h"
#include "platform/Cp1250.h"
#include "platform/Regional.h"
#include "platform/Services.h"

#include <QHash>
#include <algorithm>
#include <limits>

namespace {

enum Sloupec {
    sID, sExtID, sIDOZ, sJmenoOZ, sEmailOZ, sTelefonOZ, sDatum, sStav, sNazevAkce, sMistoStavby, sUlice, sUliceCP,
    sRealizacniFirma, sKontaktniOsoba, sTelefon, sMail, sObchodnik, sObchodnikMesto, sDruhStavby, sCenaBezDPH,
    sProjektovaSleva, sCenaPoSleveBezDPH, sCenaPoSleveSDPH, sPoznamka, sSorvenika
};

// Names match exactly, case included.
const QHash<QString, int>& jmenaSloupcu() {
    static const QHash<QString, int> h = [] {
        const char* jmena[] = {"ID", "ExtID", "IDOZ", "JmenoOZ", "EmailOZ", "TelefonOZ", "Datum", "Stav", "NazevAkce",
                               "MistoStavby", "Ulice", "UliceCP", "RealizacniFirma", "KontaktniOsoba", "Telefon",
                               "Mail", "Obchodnik", "ObchodnikMesto", "DruhStavby", "CenaBezDPH", "ProjektovaSleva",
                               "CenaPoSleveBezDPH", "CenaPoSleveSDPH", "Poznamka", "Sorvenika"};
        QHash<QString, int> m;
        for (int i = 0; i < int(std::size(jmena)); ++i) m.insert(QLatin1String(jmena[i]), i);
        return m;
    }();
    return h;
}

const QString kCrLf = QStringLiteral("\r\n");
const QString kEscapeCrLf = QStringLiteral("\\r\\n");

QList<QByteArrayView> rozdel(QByteArrayView b, char oddelovac) {
    QList<QByteArrayView> casti;
    qsizetype zacatek = 0;
    for (qsizetype konec; (konec = b.indexOf(oddelovac, zacatek)) >= 0; zacatek = konec + 1)
        casti << b.sliced(zacatek, konec - zacatek);
    casti << b.sliced(zacatek);
    return casti;
}

QString text(QByteArrayView b) { return cp1250::decode(QByteArray::fromRawData(b.data(), b.size())); }

// The regional integer conversion; plain decimal digits, what the files hold, are read directly.
template <class T>
T celeCislo(QByteArrayView b, T (Regional::*prevod)(const QString&) const) {
    if (!b.isEmpty() && b.size() <= 9 && std::all_of(b.begin(), b.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        const qint64 v = b.toLongLong();
        if (v <= std::numeric_limits<T>::max()) return static_cast<T>(v);
    }
    try {
        return (Regional::current().*prevod)(text(b));
    } catch (const RuntimeError&) {
        return 0;
    }
}

// The "."-number parse; a number beyond a Double's range reads as 0.
double cisloSTeckou(QByteArrayView b) {
    try {
        return Val(text(b));
    } catch (const RuntimeError&) {
        return 0;
    }
}

// Written in the Czech form (the server reads it); read in that form, or as yyyy-MM-dd.
QDate datum(QByteArrayView b) {
    static const Regional cesky(QStringLiteral("cs_CZ"));
    const QList<QByteArrayView> casti = rozdel(b, '.');
    const auto rok = [](QByteArrayView r) { return r.size() == 4 && std::all_of(r.begin(), r.end(), [](char c) { return c >= '0' && c <= '9'; }); };
    if (casti.size() == 3 && rok(casti[2])) {
        // A day or month that is no number reads 0, which no date has. A year with a sign is
        // left to the regional reading: as a year, it would be written back unreadable.
        const QDate rychle(casti[2].toInt(), casti[1].toInt(), casti[0].toInt());
        if (rychle.isValid()) return rychle;
    }
    const QString t = text(b);
    try {
        return cesky.CDate(t);
    } catch (const RuntimeError&) {
        return QDate::fromString(t.trimmed(), Qt::ISODate);
    }
}

// Every line break, CR LF or a lone CR or LF, taken out or replaced, and "|" kept out.
QString jedenRadek(QStringView text, QStringView misto) {
    QString v;
    v.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
            v += misto;
        } else {
            v += c == QLatin1Char('|') ? QLatin1Char('~') : c;
        }
    }
    return v;
}

}  // namespace

QString cisloSTeckou(double x) { return Regional::current().Str(x).replace(QLatin1Char(','), QLatin1Char('.')); }

clsNabidka::clsNabidka() : DatumNabidky(platform::clock().today()) {}

clsNabidka::clsNabidka(const Nastaveni& n)
    : CisloOZ(n.IDOZ), JmenoOZ(n.JmenoOZ), EmailOZ(n.EmailOZ), TelefonOZ(n.TelefonOZ),
      DatumNabidky(platform::clock().today()) {}

SloupceNabidky::SloupceNabidky(QByteArrayView hlavicka) {
    const QHash<QString, int>& jmena = jmenaSloupcu();
    for (QByteArrayView jmeno : rozdel(hlavicka, '|')) m_sloupce << jmena.value(text(jmeno), -1);
}

void SloupceNabidky::napln(clsNabidka& n, QByteArrayView radek) const {
    // Values beyond the header are passed over.
    const QList<QByteArrayView> hodnoty = rozdel(radek, '|');
    for (qsizetype i = 0; i < qMin(hodnoty.size(), m_sloupce.size()); ++i) {
        const QByteArrayView h = hodnoty[i];
        switch (m_sloupce[i]) {
        case sID: n.ID = celeCislo<qint32>(h, &Regional::CLng); break;
        case sExtID: n.ExtID = celeCislo<qint32>(h, &Regional::CLng); break;
        case sIDOZ: n.CisloOZ = Integer(celeCislo<qint16>(h, &Regional::CInt)); break;
        case sJmenoOZ: n.JmenoOZ = text(h); break;
        case sEmailOZ: n.EmailOZ = text(h); break;
        case sTelefonOZ: n.TelefonOZ = text(h); break;
        case sDatum: n.DatumNabidky = datum(h); break;
        case sStav: n.Stav = celeCislo<qint32>(h, &Regional::CLng); break;
        case sNazevAkce: n.NazevAkce = text(h); break;
        case sMistoStavby: n.MistoStavby = text(h); break;
        case sUlice: n.Ulice = text(h); break;
        case sUliceCP: n.UliceCP = text(h); break;
        case sRealizacniFirma: n.RealizacniFirma = text(h); break;
        case sKontaktniOsoba: n.KontaktniOsoba = text(h); break;
        case sTelefon: n.Telefon = text(h); break;
        case sMail: n.Email = text(h); break;
        case sObchodnik: n.Obchodnik = text(h); break;
        case sObchodnikMesto: n.ObchodnikMesto = text(h); break;
        case sDruhStavby: n.DruhStavby = celeCislo<qint32>(h, &Regional::CLng); break;
        case sCenaBezDPH: n.CenaBezDPH = cisloSTeckou(h); break;
        case sProjektovaSleva: n.ProjektovaSleva = cisloSTeckou(h); break;
        case sCenaPoSleveBezDPH: n.CenaPoSleveBezDPH = cisloSTeckou(h); break;
        case sCenaPoSleveSDPH: n.CenaPoSleveSDPH = cisloSTeckou(h); break;
        // A "\r\n" the user typed reads back as a line break too; "~" stays "~".
        case sPoznamka: n.Poznamka = text(h).replace(kEscapeCrLf, kCrLf); break;
        case sSorvenika:
            n.Sorvenika = cp1250::decode(clsBase64::DecodeChecked(h.toByteArray()).value_or(QByteArray()));
            break;
        default: break;
        }
    }
}

SloupceNabidky::SloupceNabidky(QStringView hlavicka) : SloupceNabidky(QByteArrayView(cp1250::encode(hlavicka.toString()))) {}

void SloupceNabidky::napln(clsNabidka& n, QStringView radek) const { napln(n, QByteArrayView(cp1250::encode(radek.toString()))); }

void clsNabidka::NaplnObjekt(const QString& hlavicka, const QString& radek) { SloupceNabidky(hlavicka).napln(*this, radek); }

QString clsNabidka::ZaznamKOdeslani() {
    SorvenikaCoded = clsBase64::ClearCRLF(clsBase64::Encode(Sorvenika));
    const QString d = Delimiter();
    const auto pole = [](const QString& t) { return jedenRadek(t, {}); };
    return QString::number(ExtID) + d + QString::number(CisloOZ.value()) + d +
           DatumNabidky.toString(QStringLiteral("d.M.yyyy")) + d + QString::number(Stav) + d + pole(NazevAkce) + d +
           pole(MistoStavby) + d + pole(Ulice) + d + pole(UliceCP) + d + pole(RealizacniFirma) + d +
           pole(KontaktniOsoba) + d + pole(Telefon) + d + pole(Email) + d + pole(Obchodnik) + d +
           pole(ObchodnikMesto) + d + QString::number(DruhStavby) + d + cisloSTeckou(CenaBezDPH) + d +
           cisloSTeckou(ProjektovaSleva) + d + cisloSTeckou(CenaPoSleveBezDPH) + d + cisloSTeckou(CenaPoSleveSDPH) +
           d + jedenRadek(Poznamka, kEscapeCrLf) + d + SorvenikaCoded + kCrLf;
}

Vysledek<> clsNabidka::UlozNabidkuKOdeslani() {
    return PripojZaznam(souborNabidek(kNeodeslaneNabidky), kHlavickaNeodeslanych, ZaznamKOdeslani());
}
