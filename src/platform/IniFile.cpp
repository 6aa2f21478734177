#include "platform/IniFile.h"

#include "platform/Cp1250.h"
#include "platform/FileStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <cerrno>
#include <optional>
#include <sys/stat.h>

namespace ini {
namespace {

const QString kKonecRadku = QStringLiteral("\r\n");

bool jeMezera(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

QStringView orizni(QStringView s) {
    qsizetype a = 0, b = s.size();
    while (a < b && jeMezera(s[a])) ++a;
    while (b > a && jeMezera(s[b - 1])) --b;
    return s.sliced(a, b - a);
}

// One line of the file: [zacatek, konec) is its text, `dalsi` where the next line starts. A CR
// before the LF belongs to the line end, so files with LF-only lines read the same.
struct Radek {
    qsizetype zacatek;
    qsizetype konec;
    qsizetype dalsi;
};

QList<Radek> radky(const QString& t) {
    QList<Radek> r;
    qsizetype i = 0;
    while (i < t.size()) {
        const qsizetype lf = t.indexOf(QLatin1Char('\n'), i);
        if (lf < 0) {
            r.append({i, t.size(), t.size()});
            break;
        }
        const qsizetype konec = (lf > i && t[lf - 1] == QLatin1Char('\r')) ? lf - 1 : lf;
        r.append({i, konec, lf + 1});
        i = lf + 1;
    }
    return r;
}

// The name of a section header "[NAME]", or nothing for any other line.
std::optional<QStringView> nazevSekce(QStringView radek) {
    const QStringView r = orizni(radek);
    if (!r.startsWith(QLatin1Char('['))) return std::nullopt;
    qsizetype z = r.indexOf(QLatin1Char(']'));
    if (z < 0) z = r.size();
    return orizni(r.sliced(1, z - 1));
}

struct Par {
    QStringView klic;
    QStringView hodnota;
};

// A "key = value" line; comments and lines without "=" are no pairs.
std::optional<Par> par(QStringView radek) {
    const QStringView r = orizni(radek);
    if (r.startsWith(QLatin1Char(';'))) return std::nullopt;
    const qsizetype rovno = r.indexOf(QLatin1Char('='));
    if (rovno < 0) return std::nullopt;
    return Par{orizni(r.first(rovno)), orizni(r.sliced(rovno + 1))};
}

bool stejne(QStringView a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// Where a key lies: the first section of that name and the first key of that name in it.
struct Poloha {
    qsizetype sekce = -1;       // line of the header
    qsizetype klic = -1;        // line of the key
    qsizetype posledni = -1;    // last non-blank line of the section
};

Poloha najdi(const QString& text, const QList<Radek>& rr, const QString& sekce, const QString& klic) {
    Poloha p;
    for (qsizetype i = 0; i < rr.size(); ++i) {
        const QStringView radek = QStringView(text).sliced(rr[i].zacatek, rr[i].konec - rr[i].zacatek);
        if (const auto nazev = nazevSekce(radek)) {
            if (p.sekce >= 0) break;
            if (stejne(*nazev, sekce)) p.sekce = p.posledni = i;
            continue;
        }
        if (p.sekce < 0) continue;
        if (!orizni(radek).isEmpty()) p.posledni = i;
        if (p.klic < 0) {
            const auto kv = par(radek);
            if (kv && stejne(kv->klic, klic)) p.klic = i;
        }
    }
    return p;
}

// nullopt when the file is missing.
Vysledek<std::optional<QString>> nactiText(const QString& soubor) {
    const Vysledek<std::optional<QByteArray>> b = filestore::readAll(soubor);
    if (!b) return b.selhani();
    if (!*b) return std::optional<QString>();
    return std::optional(cp1250::decode(**b));
}

}  // namespace

QString Profil::cti(const QString& sekce, const QString& klic, int delka) const {
    const QList<Radek> rr = radky(m_text);
    const Poloha p = najdi(m_text, rr, sekce, klic);
    if (p.klic < 0) return {};
    const Radek& r = rr[p.klic];
    QStringView h = par(QStringView(m_text).sliced(r.zacatek, r.konec - r.zacatek))->hodnota;
    if (h.size() >= 2 && (h.front() == QLatin1Char('"') || h.front() == QLatin1Char('\'')) && h.back() == h.front())
        h = h.sliced(1, h.size() - 2);
    // A length limit cuts the raw value first, then it is trimmed (quoted " ab" at 2 gives "a").
    if (delka >= 0) h = h.first(qMin(h.size(), qsizetype(delka)));
    return orizni(h).toString();
}

Profil::Profil(const QString& soubor) {
    const Vysledek<std::optional<QString>> t = nactiText(soubor);
    if (t) m_text = t->value_or(QString());
    else m_chyba = t.chyba();
}

QString cti(const QString& soubor, const QString& sekce, const QString& klic, int delka) {
    return Profil(soubor).cti(sekce, klic, delka);
}

namespace {

// Puts one value into the text of a profile file.
void zapisDoTextu(QString& text, const QString& sekce, const QString& klic, const QString& hodnota) {
    QString h = hodnota;
    h.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QList<Radek> rr = radky(text);
    const Poloha p = najdi(text, rr, sekce, klic);

    if (p.klic >= 0) {
        const Radek& r = rr[p.klic];
        const QString klicVSouboru = par(QStringView(text).sliced(r.zacatek, r.konec - r.zacatek))->klic.toString();
        text.replace(r.zacatek, r.konec - r.zacatek, klicVSouboru + QLatin1Char('=') + h);
    } else if (p.sekce >= 0) {
        const Radek& r = rr[p.posledni];
        const QString novy = klic + QLatin1Char('=') + h + kKonecRadku;
        // The last line of a file may have no line end of its own.
        text.insert(r.dalsi, r.dalsi == r.konec ? kKonecRadku + novy : novy);
    } else {
        if (!text.isEmpty()) {
            if (!text.endsWith(QLatin1Char('\n'))) text += kKonecRadku;
            const Radek& r = rr.last();
            if (!orizni(QStringView(text).sliced(r.zacatek, r.konec - r.zacatek)).isEmpty()) text += kKonecRadku;
        }
        text += QLatin1Char('[') + sekce + QLatin1Char(']') + kKonecRadku + klic + QLatin1Char('=') + h + kKonecRadku;
    }
}

// Names that would not read back as themselves would damage the file.
bool platnyNazev(const QString& sekce, const QString& klic) {
    const auto spatny = [](const QString& n, QChar zakazany) {
        return orizni(n).isEmpty() || orizni(n).size() != n.size() || n.contains(zakazany) ||
               n.contains(QLatin1Char('\r')) || n.contains(QLatin1Char('\n'));
    };
    return !spatny(sekce, QLatin1Char(']')) && !spatny(klic, QLatin1Char('=')) && !klic.startsWith(QLatin1Char(';')) &&
           !klic.startsWith(QLatin1Char('['));
}

// Whether any section holds a password that is not empty.
bool drziHeslo(const QString& text) {
    for (const Radek& r : radky(text)) {
        const auto kv = par(QStringView(text).sliced(r.zacatek, r.konec - r.zacatek));
        if (kv && !kv->hodnota.isEmpty() && (stejne(kv->klic, QStringLiteral("Pwd")) || stejne(kv->klic, QStringLiteral("ProxyPwd"))))
            return true;
    }
    return false;
}

}  // namespace

Vysledek<> zapis(const QString& soubor, const QList<Sekce>& sekce) {
    for (const Sekce& s : sekce)
        for (const auto& [klic, hodnota] : s.hodnoty)
            if (!platnyNazev(s.nazev, klic))
                return filestore::chybaZapisu(soubor, QStringLiteral("název [%1] %2 nelze zapsat").arg(s.nazev, klic));

    const bool existuje = QFile::exists(soubor);
    QString text;
    if (existuje) {
        const auto t = nactiText(soubor);
        if (!t) return t.selhani();
        text = t->value_or(QString());
    }
    const QString puvodni = text;
    for (const Sekce& s : sekce)
        for (const auto& [klic, hodnota] : s.hodnoty) zapisDoTextu(text, s.nazev, klic, hodnota);

    const QFileDevice::Permissions jenVlastnik = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    const bool heslo = drziHeslo(text);
    if (existuje && text == puvodni) {
        // Another user's file, a read-only file system: what the system refused, read straight
        // from the call that refused it.
        if (!heslo || ::chmod(QFile::encodeName(soubor).constData(), S_IRUSR | S_IWUSR) == 0) return {};
        const int chyba = errno;
        return filestore::chybaZapisu(soubor, filestore::duvodSystemu(chyba));
    }
    // A missing folder is an error here: settings go only into an installation's own folders.
    if (!existuje && !QFileInfo(soubor).absoluteDir().exists())
        return filestore::chybaZapisu(soubor, QStringLiteral("složka neexistuje"));
    // A password is its user's alone, and so is any settings file the program creates.
    return filestore::replace(soubor, cp1250::encode(text),
                              heslo || !existuje ? std::optional(jenVlastnik) : std::nullopt);
}

Vysledek<> zapis(const QString& soubor, const QString& sekce, const QList<std::pair<QString, QString>>& hodnoty) {
    return zapis(soubor, QList<Sekce>{{sekce, hodnoty}});
}

Vysledek<> zapis(const QString& soubor, const QString& sekce, const QString& klic, const QString& hodnota) {
    return zapis(soubor, sekce, {{klic, hodnota}});
}

}  // namespace ini
