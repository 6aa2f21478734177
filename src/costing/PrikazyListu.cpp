#include "costing/PrikazyListu.h"

#include "costing/ModelListu.h"
#include "engine/Sorvenika.h"
#include "engine/Systemy.h"
#include "platform/DataPaths.h"
#include "platform/Desktop.h"
#include "platform/FileStore.h"
#include "platform/KonceRadku.h"
#include "platform/Guard.h"
#include "platform/Services.h"
#include "util/Soubory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kDodaciLhuta = QStringLiteral("Dodací lhůta je 10 pracovních dní od potvrzení objednávky.");
const QString kObchodniPartner =
    QStringLiteral("Konečnou cenu a dodací podmínky dojednejte s naším obchodním partnerem - stavebninami.");

// Every file of the folder gets one attempt: one that stays (still open in a mail program)
// is left for the next time.
void vyprazdniSlozku(const QString& slozka) {
    const QDir d(slozka);
    for (const QString& soubor : d.entryList(QDir::Files | QDir::Hidden | QDir::System)) QFile::remove(d.filePath(soubor));
}

Vysledek<> zkopiruj(const QString& zdroj, const QString& cil) {
    QFile f(zdroj);
    QByteArray obsah;
    if (f.open(QIODevice::ReadOnly)) obsah = f.readAll();
    if (!f.isOpen() || obsah.size() != f.size())
        return Chyba{QStringLiteral("Databázi zákazníků %1 nelze přečíst.").arg(QDir::toNativeSeparators(zdroj))};
    return filestore::replace(cil, obsah);
}

}  // namespace

QString orizniMezery(const QString& text) {
    qsizetype a = 0, b = text.size();
    while (a < b && text[a] == u' ') ++a;
    while (b > a && text[b - 1] == u' ') --b;
    return text.mid(a, b - a);
}

QString doEditoru(QString text) { return radky::naLf(std::move(text)); }

QString PoznamkaZEditoru(QString text) { return orizniMezery(radky::naCrLf(std::move(text))); }

QString SystemovyText(const Kalkulace& k) {
    const SorvenikaParametry& p = k.parametry;
    QString t;
    for (const SeznamSouprav* seznam : {&p.ZakladniSoupravy, &p.Sady, &p.SoupravyPaty})
        for (const Souprava& s : *seznam)
            if (s.Pocet != 0) t += s.Popis + kCrLf + kCrLf;
    if (p.Ukonceni == 3) t += k.PopisSadyOrlex;
    // This set holds "12", where the offer, print and HTML texts hold "25".
    static const QStringList kMivSLhutou = {QStringLiteral("12"), QStringLiteral("30"), QStringLiteral("35"),
                                            QStringLiteral("40"), QStringLiteral("45")};
    if ((p.System == QLatin1String("MIV") && kMivSLhutou.contains(p.Prurez)) ||
        (p.System == QLatin1String("KARNELO") && p.Prurez == QLatin1String("20")))
        t += kDodaciLhuta + kCrLf;
    else if (jeTRemol(p.System))
        t += kCrLf + kCrLf + kObchodniPartner;
    return t;
}

PolozkaObjednavky PridaniDoObjednavky(const Kalkulace& k) {
    const SorvenikaParametry& p = k.parametry;
    static const QString kUkonceni[] = {{}, QStringLiteral("obezdívka"), QStringLiteral("plášť"), QStringLiteral("ORLEX")};
    PolozkaObjednavky o;
    o.Nazev = p.SystemNazev() + (p.Sachta ? QStringLiteral(" s větr. š.") : QStringLiteral(" bez větr. š.")) +
              QStringLiteral(", průměr: ") + p.Prurez + QStringLiteral(", výška: ") + KsNaText(p.Vyska) +
              QStringLiteral(" m, ukončení: ") + (p.Ukonceni >= 1 && p.Ukonceni <= 3 ? kUkonceni[p.Ukonceni] : QString());
    for (const RadekKalkulace& r : k.radky) {
        if (r.volny || r.Ks == 0) continue;
        o.ObjZnaky += r.ObjZnak + QLatin1Char('|');
        o.Kusy += KsNaText(r.Ks) + QLatin1Char('|');
    }
    if (jeTRemol(p.System)) {
        o.Nazev.prepend(QLatin1Char('_'));
        o.Poznamka = QStringLiteral("T-Remol - ") + kPopisekCenyBezDph + QLatin1Char(' ') + k.soucty[kCenaBezDph] +
                     QLatin1Char(' ') + kMenaKc + kCrLf + kCrLf + kCrLf;
    }
    for (const RadekKalkulace& r : k.radky)
        if (r.volny && r.Ks != 0) o.Poznamka += r.Nazev + QLatin1Char(' ') + r.ObjZnak + QStringLiteral(" - ") + KsNaText(r.Ks) + kCrLf;
    o.Poznamka += p.Poznamka;
    return o;
}

bool UlozJakoHtml(const Kalkulace& k, const VystupyListu& v) {
    const QString cesta = VyberHtmlKUlozeni();
    if (cesta.isEmpty()) return false;
    if (ohlas(v.Sorvenika2Html(k, cesta)))
        MsgBox(kSorvenikaUlozena, Tlacitka::Ok, Ikona::Informace, QStringLiteral("Informace"));
    return true;
}

void PosliEmailem(const Kalkulace& k, const VystupyListu& v) {
    const QString slozka = dataDir() + QStringLiteral("/SorvTemp");
    QDir().mkpath(slozka);
    vyprazdniSlozku(slozka);
    const QString nazev = k.parametry.System + QStringLiteral(".htm");
    const QString cesta = slozka + QLatin1Char('/') + nazev;
    if (ohlas(v.Sorvenika2Html(k, cesta))) ohlas(PosliPostou(cesta, nazev, ukazChybu));
}

void ExportDatabazeZakazniku(const Nastaveni& n) {
    const QString cil = VyberSouborKUlozeni(QStringLiteral("Export databáze zákazníků"),
                                            {{QStringLiteral("soubor dBase IV (*.dbf)"), QStringLiteral("*.dbf")}},
                                            QDir::homePath(), QStringLiteral("dbf"));
    if (!cil.isEmpty()) ohlas(zkopiruj(dataFile(n.Zakaznici + QStringLiteral(".dbf")), cil));
}

Vysledek<> SpustAktualizaci() {
    const QString program = appPath() + QStringLiteral("/A1");
    if (platform::desktop().spust(program, {})) return {};
    return Chyba{QStringLiteral("Program pro aktualizaci %1 se nepodařilo spustit. Sorvenika zůstává otevřená.")
                     .arg(QDir::toNativeSeparators(program))};
}
