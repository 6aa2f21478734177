#include "offers/clsNabidka.h"

#include "net/clsBase64.h"
#include "offers/SouboryNabidek.h"
#include "platform/Clock.h"
#include "platform/Cp1250.h"
#include "platform/Regional.h"
#include "platform/Services.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <limits>
#include <type_traits>
#include <variant>

namespace {

// How a column is written and read.
enum class Forma {
    Cele,       // decimal integer, read by the regional integer conversion
    Datum,      // d.M.yyyy
    Cislo,      // general number with "." as separator
    Text,       // one line, "|" as "~", "<" and ">" as "‹" and "›"
    Poznamka,   // as Text, line breaks as the four characters "\r\n"
    Sorvenika,  // the costing XML in Base64
};

using Clen = std::variant<qint32 clsNabidka::*, Integer clsNabidka::*, QDate clsNabidka::*, double clsNabidka::*,
                          QString clsNabidka::*>;

struct Sloupec {
    const char* jmeno;  // in the header, matched exactly
    Clen clen;
    Forma forma;
    bool kOdeslani;  // a column of the unsent-offers file, which has them in this order
};

// The offer's columns: the unsent-offers file's 21 in their order, then those only the server's
// file has.
const Sloupec kSloupce[] = {
    {"ExtID", &clsNabidka::ExtID, Forma::Cele, true},
    {"IDOZ", &clsNabidka::CisloOZ, Forma::Cele, true},
    {"Datum", &clsNabidka::DatumNabidky, Forma::Datum, true},
    {"Stav", &clsNabidka::Stav, Forma::Cele, true},
    {"NazevAkce", &clsNabidka::NazevAkce, Forma::Text, true},
    {"MistoStavby", &clsNabidka::MistoStavby, Forma::Text, true},
    {"Ulice", &clsNabidka::Ulice, Forma::Text, true},
    {"UliceCP", &clsNabidka::UliceCP, Forma::Text, true},
    {"RealizacniFirma", &clsNabidka::RealizacniFirma, Forma::Text, true},
    {"KontaktniOsoba", &clsNabidka::KontaktniOsoba, Forma::Text, true},
    {"Telefon", &clsNabidka::Telefon, Forma::Text, true},
    {"Mail", &clsNabidka::Email, Forma::Text, true},
    {"Obchodnik", &clsNabidka::Obchodnik, Forma::Text, true},
    {"ObchodnikMesto", &clsNabidka::ObchodnikMesto, Forma::Text, true},
    {"DruhStavby", &clsNabidka::DruhStavby, Forma::Cele, true},
    {"CenaBezDPH", &clsNabidka::CenaBezDPH, Forma::Cislo, true},
    {"ProjektovaSleva", &clsNabidka::ProjektovaSleva, Forma::Cislo, true},
    {"CenaPoSleveBezDPH", &clsNabidka::CenaPoSleveBezDPH, Forma::Cislo, true},
    {"CenaPoSleveSDPH", &clsNabidka::CenaPoSleveSDPH, Forma::Cislo, true},
    {"Poznamka", &clsNabidka::Poznamka, Forma::Poznamka, true},
    {"Sorvenika", &clsNabidka::Sorvenika, Forma::Sorvenika, true},
    {"ID", &clsNabidka::ID, Forma::Cele, false},
    {"JmenoOZ", &clsNabidka::JmenoOZ, Forma::Text, false},
    {"EmailOZ", &clsNabidka::EmailOZ, Forma::Text, false},
    {"TelefonOZ", &clsNabidka::TelefonOZ, Forma::Text, false},
};

// Names match exactly, case included.
const QHash<QString, int>& jmenaSloupcu() {
    static const QHash<QString, int> h = [] {
        QHash<QString, int> m;
        for (int i = 0; i < int(std::size(kSloupce)); ++i) m.insert(QLatin1String(kSloupce[i].jmeno), i);
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

// Written in the Czech form (the server reads it); read in that form, or as yyyy-MM-dd. A time
// of day after the date ("9.4.2009 10:00:00") is passed over.
QDate datum(QByteArrayView b) {
    static const Regional cesky(QStringLiteral("cs_CZ"));
    b = b.trimmed();
    if (const qsizetype mezera = b.indexOf(' '); mezera > 0) b = b.first(mezera);
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

// Every line break, CR LF or a lone CR or LF, taken out or replaced; "|" kept out of the fields
// and "<", ">" out of the reach of the server's markup clean-up.
QString jedenRadek(QStringView text, QStringView misto) {
    QString v;
    v.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
            v += misto;
        } else if (c == QLatin1Char('|')) {
            v += QLatin1Char('~');
        } else if (c == QLatin1Char('<')) {
            v += QChar(0x2039);
        } else if (c == QLatin1Char('>')) {
            v += QChar(0x203A);
        } else {
            v += c;
        }
    }
    return v;
}

}  // namespace

QString cisloSTeckou(double x) { return Regional::current().Str(x).replace(QLatin1Char(','), QLatin1Char('.')); }

const QString kHlavickaNeodeslanych = [] {
    QStringList jmena;
    for (const Sloupec& s : kSloupce)
        if (s.kOdeslani) jmena << QLatin1String(s.jmeno);
    return jmena.join(QLatin1Char('|'));
}();

clsNabidka::clsNabidka() { DatumNabidky = platform::clock().today(); }

clsNabidka::clsNabidka(const Nastaveni& n)
    : CisloOZ(n.IDOZ), JmenoOZ(n.JmenoOZ), EmailOZ(n.EmailOZ), TelefonOZ(n.TelefonOZ) {
    DatumNabidky = platform::clock().today();
}

SloupceNabidky::SloupceNabidky(QByteArrayView hlavicka) {
    const QHash<QString, int>& jmena = jmenaSloupcu();
    for (QByteArrayView jmeno : rozdel(hlavicka, '|')) m_sloupce << jmena.value(text(jmeno), -1);
}

void SloupceNabidky::napln(clsNabidka& n, QByteArrayView radek) const {
    // Values beyond the header are passed over.
    const QList<QByteArrayView> hodnoty = rozdel(radek, '|');
    for (qsizetype i = 0; i < qMin(hodnoty.size(), m_sloupce.size()); ++i) {
        if (m_sloupce[i] < 0) continue;
        const Sloupec& s = kSloupce[m_sloupce[i]];
        const QByteArrayView h = hodnoty[i];
        std::visit(
            [&](auto clen) {
                using T = std::remove_reference_t<decltype(n.*clen)>;
                if constexpr (std::is_same_v<T, Integer>) {
                    n.*clen = Integer(celeCislo<qint16>(h, &Regional::CInt));
                } else if constexpr (std::is_same_v<T, qint32>) {
                    n.*clen = celeCislo<qint32>(h, &Regional::CLng);
                } else if constexpr (std::is_same_v<T, QDate>) {
                    n.*clen = datum(h);
                } else if constexpr (std::is_same_v<T, double>) {
                    n.*clen = cisloSTeckou(h);
                } else if (s.forma == Forma::Poznamka) {
                    // A "\r\n" the user typed reads back as a line break too; "~" stays "~".
                    n.*clen = text(h).replace(kEscapeCrLf, kCrLf);
                } else if (s.forma == Forma::Sorvenika) {
                    n.*clen = cp1250::decode(clsBase64::DecodeChecked(h.toByteArray()).value_or(QByteArray()));
                } else {
                    n.*clen = text(h);
                }
            },
            s.clen);
    }
}

SloupceNabidky::SloupceNabidky(QStringView hlavicka) : SloupceNabidky(QByteArrayView(cp1250::encode(hlavicka.toString()))) {}

void SloupceNabidky::napln(clsNabidka& n, QStringView radek) const { napln(n, QByteArrayView(cp1250::encode(radek.toString()))); }

void clsNabidka::NaplnObjekt(const QString& hlavicka, const QString& radek) { SloupceNabidky(hlavicka).napln(*this, radek); }

QString clsNabidka::ZaznamKOdeslani() {
    SorvenikaCoded = clsBase64::ClearCRLF(clsBase64::Encode(Sorvenika));
    QString zaznam;
    for (const Sloupec& s : kSloupce) {
        if (!s.kOdeslani) continue;
        if (!zaznam.isEmpty()) zaznam += Delimiter();
        std::visit(
            [&](auto clen) {
                using T = std::remove_reference_t<decltype(this->*clen)>;
                if constexpr (std::is_same_v<T, Integer>) {
                    zaznam += QString::number((this->*clen).value());
                } else if constexpr (std::is_same_v<T, qint32>) {
                    zaznam += QString::number(this->*clen);
                } else if constexpr (std::is_same_v<T, QDate>) {
                    zaznam += (this->*clen).toString(QStringLiteral("d.M.yyyy"));
                } else if constexpr (std::is_same_v<T, double>) {
                    zaznam += cisloSTeckou(this->*clen);
                } else if (s.forma == Forma::Sorvenika) {
                    zaznam += SorvenikaCoded;
                } else {
                    zaznam += jedenRadek(this->*clen, s.forma == Forma::Poznamka ? QStringView(kEscapeCrLf) : QStringView());
                }
            },
            s.clen);
    }
    return zaznam + kCrLf;
}

Vysledek<QString> clsNabidka::UlozNabidkuKOdeslani(const std::function<Vysledek<>()>& predZapisem) {
    return PripojZaznam(souborNabidek(kNeodeslaneNabidky), kHlavickaNeodeslanych, ZaznamKOdeslani(), predZapisem);
}
