#include "offers/clsNabidka.h"

#include "net/clsBase64.h"
#include "offers/SouboryNabidek.h"
#include "platform/Clock.h"
#include "platform/Regional.h"
#include "platform/Services.h"

#include <QHash>

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

template <class T>
T celeCislo(QStringView text, T (Regional::*prevod)(const QString&) const) {
    try {
        return (Regional::current().*prevod)(text.toString());
    } catch (const RuntimeError&) {
        return 0;
    }
}

// Written in the Czech form (the server reads it); read in that form, or as yyyy-MM-dd.
QDate datum(QStringView text) {
    static const Regional cesky(QStringLiteral("cs_CZ"));
    const QString t = text.toString();
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

SloupceNabidky::SloupceNabidky(QStringView hlavicka) {
    const QHash<QString, int>& jmena = jmenaSloupcu();
    for (QStringView jmeno : hlavicka.tokenize(u'|')) m_sloupce << jmena.value(jmeno.toString(), -1);
}

void SloupceNabidky::napln(clsNabidka& n, QStringView radek) const {
    qsizetype i = 0;
    for (QStringView h : radek.tokenize(u'|')) {
        if (i >= m_sloupce.size()) break;
        switch (m_sloupce[i++]) {
        case sID: n.ID = celeCislo<qint32>(h, &Regional::CLng); break;
        case sExtID: n.ExtID = celeCislo<qint32>(h, &Regional::CLng); break;
        case sIDOZ: n.CisloOZ = Integer(celeCislo<qint16>(h, &Regional::CInt)); break;
        case sJmenoOZ: n.JmenoOZ = h.toString(); break;
        case sEmailOZ: n.EmailOZ = h.toString(); break;
        case sTelefonOZ: n.TelefonOZ = h.toString(); break;
        case sDatum: n.DatumNabidky = datum(h); break;
        case sStav: n.Stav = celeCislo<qint32>(h, &Regional::CLng); break;
        case sNazevAkce: n.NazevAkce = h.toString(); break;
        case sMistoStavby: n.MistoStavby = h.toString(); break;
        case sUlice: n.Ulice = h.toString(); break;
        case sUliceCP: n.UliceCP = h.toString(); break;
        case sRealizacniFirma: n.RealizacniFirma = h.toString(); break;
        case sKontaktniOsoba: n.KontaktniOsoba = h.toString(); break;
        case sTelefon: n.Telefon = h.toString(); break;
        case sMail: n.Email = h.toString(); break;
        case sObchodnik: n.Obchodnik = h.toString(); break;
        case sObchodnikMesto: n.ObchodnikMesto = h.toString(); break;
        case sDruhStavby: n.DruhStavby = celeCislo<qint32>(h, &Regional::CLng); break;
        case sCenaBezDPH: n.CenaBezDPH = Val(h); break;
        case sProjektovaSleva: n.ProjektovaSleva = Val(h); break;
        case sCenaPoSleveBezDPH: n.CenaPoSleveBezDPH = Val(h); break;
        case sCenaPoSleveSDPH: n.CenaPoSleveSDPH = Val(h); break;
        // A "\r\n" the user typed reads back as a line break too; "~" stays "~".
        case sPoznamka: n.Poznamka = h.toString().replace(kEscapeCrLf, kCrLf); break;
        case sSorvenika: n.Sorvenika = clsBase64::DecodeChecked(h.toString()).value_or(QString()); break;
        default: break;
        }
    }
}

void clsNabidka::NaplnObjekt(const QString& hlavicka, const QString& radek) { SloupceNabidky(hlavicka).napln(*this, radek); }

QString clsNabidka::ZaznamKOdeslani() {
    SorvenikaCoded = clsBase64::ClearCRLF(clsBase64::Encode(Sorvenika));
    const QString d = Delimiter();
    const auto text = [](const QString& t) { return jedenRadek(t, {}); };
    return QString::number(ExtID) + d + QString::number(CisloOZ.value()) + d +
           DatumNabidky.toString(QStringLiteral("d.M.yyyy")) + d + QString::number(Stav) + d + text(NazevAkce) + d +
           text(MistoStavby) + d + text(Ulice) + d + text(UliceCP) + d + text(RealizacniFirma) + d +
           text(KontaktniOsoba) + d + text(Telefon) + d + text(Email) + d + text(Obchodnik) + d +
           text(ObchodnikMesto) + d + QString::number(DruhStavby) + d + cisloSTeckou(CenaBezDPH) + d +
           cisloSTeckou(ProjektovaSleva) + d + cisloSTeckou(CenaPoSleveBezDPH) + d + cisloSTeckou(CenaPoSleveSDPH) +
           d + jedenRadek(Poznamka, kEscapeCrLf) + d + SorvenikaCoded + kCrLf;
}

Vysledek<> clsNabidka::UlozNabidkuKOdeslani() {
    return PripojZaznam(souborNabidek(kNeodeslaneNabidky), kHlavickaNeodeslanych, ZaznamKOdeslani());
}
