#include "costing/TiskSorveniky.h"

#include "costing/ObsahVystupu.h"
#include "engine/Sorvenika.h"
#include "engine/Systemy.h"
#include "platform/Clock.h"
#include "platform/DataPaths.h"
#include "platform/Regional.h"
#include "platform/Services.h"

#include <algorithm>

namespace {

constexpr int kOkraj = 750;

void tiskniNa(PrintSurface& p, int x, const QString& t) {
    p.x = x;
    p.printLine(t);
}

void tiskniNaStred(PrintSurface& p, const QString& t) { tiskniNa(p, (p.width() - p.textWidth(t)) / 2, t); }

// The start of a text that ends at `r`.
int vpravo(const PrintSurface& p, int r, const QString& t) { return r - p.textWidth(t); }

// The items table: the code centred here, a gap between neighbouring texts.
constexpr int kStredKodu = 5520;
constexpr int kMezera = 100;
// The totals' labels stand here unless a wide value moves them left.
constexpr int kSloupecSouctu = 6900;
// The kit descriptions left of the totals end 150 short of the labels where these stand, and
// narrow as the labels move left.
constexpr int kSirkaSouprav = kSloupecSouctu - 150 - kOkraj;

// The lines of a text word-wrapped at `sirka`: lines split at CR LF (empty ones give none), words
// at single blanks; a line wraps when it would reach the width, and a word too wide on its own
// is broken by characters.
QStringList zalomeni(const PrintSurface& p, const QString& text, int sirka) {
    QStringList radky;
    for (const QString& radek : text.split(QStringLiteral("\r\n"))) {
        QString vejde;  // what fits so far, each word after a blank
        QStringList slova = radek.split(QLatin1Char(' '));
        for (qsizetype i = 0; i < slova.size();) {
            QString& slovo = slova[i];
            const QString kandidat = vejde + QLatin1Char(' ') + slovo;
            if (p.textWidth(kandidat) < sirka) {
                vejde = kandidat;
                ++i;
            } else if (!vejde.isEmpty()) {
                radky << vejde.trimmed();
                vejde.clear();
            } else {
                // Too wide on its own: as much of the word as fits, then the rest as a word.
                qsizetype n = 1;
                while (n < slovo.size() && p.textWidth(QLatin1Char(' ') + slovo.left(n + 1)) < sirka) ++n;
                radky << slovo.left(n);
                slovo.remove(0, n);
                if (slovo.isEmpty()) ++i;
            }
        }
        if (!vejde.trimmed().isEmpty()) radky << vejde.trimmed();
    }
    return radky;
}

// As much of the text as fits the width, cut at a character.
QString vejdeSe(const PrintSurface& p, QString text, int sirka) {
    while (!text.isEmpty() && p.textWidth(text) > sirka) text.chop(1);
    return text;
}

void tiskniParametry(PrintSurface& p, const Kalkulace& k) {
    const SorvenikaParametry& par = k.parametry;
    // The numbers end at 6600 and their units stand after it.
    const QString vyska = KsNaText(par.Vyska);
    p.printCells({{3750, QStringLiteral("Průměr komína :")}, {vpravo(p, 6600, par.Prurez), par.Prurez + QStringLiteral(" cm")}});
    p.printCells({{3750, QStringLiteral("Výška komína :")}, {vpravo(p, 6600, vyska), vyska + QStringLiteral(" m")}});
    p.printCells({{3750, QStringLiteral("Typ :")}, {6000, textSachty(k)}});
    p.printCells({{3750, QStringLiteral("Ukončení :")}, {6000, ukonceniBezPopisku(k)}});
    p.printCells({{3750, QStringLiteral("Tvárnice :")}, {6000, k.souhrn.tvarnice}});
}

// Left of the parameter block, its bottom on the current line.
void tiskniObrazekPrurezu(PrintSurface& p, const Kalkulace& k) {
    if (k.souhrn.obrazekPrurezu.isEmpty()) return;
    const QString cesta = dataFile(QString(k.souhrn.obrazekPrurezu).replace(QStringLiteral("_P."), QStringLiteral("_P_T.")));
    p.drawImage(cesta, kOkraj, p.y - p.imageSize(cesta).height());
}

void tiskniPolozky(PrintSurface& p, const Kalkulace& k) {
    const int w = p.width();
    const QStringList n = Kalkulace::nadpisy();
    QList<PrintSurface::Bunka> zahlavi{{kOkraj, n[0]}, {5200, n[1]}, {6935, n[3]}};
    if (k.TisknoutCeny) zahlavi << PrintSurface::Bunka{vpravo(p, 8860, n[4]), n[4]} << PrintSurface::Bunka{vpravo(p, w - kOkraj, n[5]), n[5]};
    p.printCells(zahlavi);
    p.y += 100;
    p.rule(kOkraj, w - 2 * kOkraj);
    p.printLine({});

    NastavPismoTiskarny(p, 10, false, false, false);
    for (const RadekKalkulace* r : radkySKusy(k)) {
        const QStringList t = Kalkulace::texty(*r);
        // Each text stays in its column: the code is cut at its column's edges, the name wraps
        // in the room left of the code and the row grows.
        const int odKusu = vpravo(p, 7187, t[3]);
        const QString kod = vejdeSe(p, t[1], 2 * (odKusu - kMezera - kStredKodu));
        const int odKodu = kStredKodu - p.textWidth(kod) / 2;
        const QStringList nazev = zalomeni(p, t[0], odKodu - kMezera - kOkraj);
        p.zajistiMisto(static_cast<int>(nazev.size()) * p.lineHeight());
        QList<PrintSurface::Bunka> radek{{kOkraj, nazev.value(0)}, {odKodu, kod}, {odKusu, t[3]}};
        if (k.TisknoutCeny) radek << PrintSurface::Bunka{vpravo(p, 8860, t[4]), t[4]} << PrintSurface::Bunka{vpravo(p, w - kOkraj, t[5]), t[5]};
        p.printCells(radek);
        for (qsizetype i = 1; i < nazev.size(); ++i) tiskniNa(p, kOkraj, nazev[i]);
    }
}

// Where the totals end: the page and position below them, and the left edge of their labels.
struct KonecSouctu {
    int strana, y, odPopisku;
};

KonecSouctu tiskniSoucty(PrintSurface& p, const Kalkulace& k) {
    std::vector<RadekSouctu> radky{kKusy};
    if (k.TisknoutCeny)
        radky.insert(radky.end(), {kCenikovaCena, kCenaSDph});
    else if (jeTRemol(k.parametry.System))
        radky.insert(radky.end(), {kCenaBezDph, kCenaSDph});
    radky.push_back(kVaha);

    // The labels move left as far as a value of up to eight digits of crowns needs, so that no
    // amount ever runs into its label.
    const int doHodnot = p.width() - kOkraj;
    int sirkaPopisku = 0;
    int sirkaHodnot = p.textWidth(Regional::current().Format(99999999.99) + QLatin1Char(' ') + kMenaKc);
    QList<std::pair<QString, QString>> texty;
    for (RadekSouctu r : radky) {
        texty.append({Kalkulace::popisekSouctu(r, k.DPH), k.soucty[static_cast<size_t>(r)] + QLatin1Char(' ') + Kalkulace::jednotkaSouctu(r)});
        sirkaPopisku = std::max(sirkaPopisku, p.textWidth(texty.back().first));
        sirkaHodnot = std::max(sirkaHodnot, p.textWidth(texty.back().second));
    }
    const int odPopisku = std::min(kSloupecSouctu, doHodnot - sirkaHodnot - kMezera - sirkaPopisku);

    p.zajistiMisto(static_cast<int>(radky.size()) * p.lineHeight());
    const int y0 = p.y;
    for (const auto& [popisek, hodnota] : texty) p.printCells({{odPopisku, popisek}, {vpravo(p, doHodnot, hodnota), hodnota}});
    const KonecSouctu konec{p.page(), p.y, odPopisku};
    p.y = y0;
    p.printLine({});
    return konec;
}

// Left of the totals, never reaching their labels.
void tiskniSoupravy(PrintSurface& p, const Kalkulace& k, int odPopisku) {
    const int sirka = std::min(kSirkaSouprav, odPopisku - kMezera - kOkraj);
    for (const PopisSoupravy& s : popisySouprav(k)) {
        TiskniOdstavec(p, s.text, kOkraj, sirka);
        p.printLine({});
    }
    if (sDodaciLhutou(k)) TiskniOdstavec(p, kDodaciLhuta, kOkraj, sirka);
}

}  // namespace

void NastavPismoTiskarny(PrintSurface& p, int velikost, bool tucne, bool kurziva, bool podtrzene) {
    p.setFont({p.font().nazev, velikost, tucne, kurziva, podtrzene});
}

void TiskniOdstavec(PrintSurface& p, const QString& text, int x, int sirka) {
    for (const QString& radek : zalomeni(p, text, sirka)) tiskniNa(p, x, radek);
}

void TiskniKopii(PrintSurface& p, const Kalkulace& k, const QDate& dnes) {
    const SorvenikaParametry& par = k.parametry;
    const int w = p.width();
    p.setFont({QStringLiteral("Arial CE")});
    p.x = p.y = 0;

    NastavPismoTiskarny(p, 10, true, false, false);
    p.printLine({});
    tiskniNa(p, kOkraj, k.Prodejce);
    p.drawImage(dataFile(par.SystemPiktogramTisk()), kOkraj, kOkraj);
    const QString logo = dataFile(QStringLiteral("Pict\\LOGO_T.gif"));
    p.drawImage(logo, w - kOkraj - p.imageSize(logo).width(), kOkraj);

    NastavPismoTiskarny(p, 9, false, false, false);
    p.y = 1850;
    const QString datum = Regional::current().KratkeDatum(dnes);
    tiskniNa(p, vpravo(p, w - kOkraj, datum), datum);
    if (k.TisknoutCeny) {
        p.y = 1850;
        tiskniNaStred(p, QStringLiteral("platnost ceníku od ") + k.PlatnostCen);
        tiskniNaStred(p, QStringLiteral("až do vydání dalšího ceníku"));
    }

    NastavPismoTiskarny(p, 10, false, false, true);
    tiskniNa(p, kOkraj, QStringLiteral("Zákazník:"));
    p.printLine({});
    NastavPismoTiskarny(p, 10, true, false, false);
    for (const QString& z : k.zakaznik) tiskniNa(p, kOkraj, z);
    p.rule(0, w);
    p.printLine({});

    NastavPismoTiskarny(p, 18, true, false, true);
    tiskniNaStred(p, par.SystemNazevTisk());
    p.printLine({});
    NastavPismoTiskarny(p, 13, true, false, false);
    tiskniParametry(p, k);
    tiskniObrazekPrurezu(p, k);
    p.printLine({});
    p.rule(0, w);

    NastavPismoTiskarny(p, 11, true, false, false);
    p.y += 150;
    tiskniPolozky(p, k);
    p.y += 100;
    p.rule(0, w);
    p.printLine({});

    NastavPismoTiskarny(p, 10, true, false, false);
    const KonecSouctu soucty = tiskniSoucty(p, k);
    NastavPismoTiskarny(p, 8, false, false, false);
    tiskniSoupravy(p, k, soucty.odPopisku);
    if (p.page() == soucty.strana) p.y = std::max(p.y, soucty.y);
    p.rule(0, w);
    p.printLine({});

    NastavPismoTiskarny(p, 10, true, false, true);
    tiskniNa(p, kOkraj, QStringLiteral("Poznámka:"));
    p.printLine({});
    NastavPismoTiskarny(p, 10, true, false, false);
    TiskniOdstavec(p, par.Poznamka, kOkraj, w - 2 * kOkraj);
    p.printLine({});
    TiskniOdstavec(p, k.poznamkaDodani, kOkraj, w - 2 * kOkraj);
}

Vysledek<> TiskniSorveniku(const Kalkulace& k, TiskNastaveni& t, PrintSurface& p, const IPrinterCatalog& tiskarny) {
    const QDate dnes = platform::clock().today();
    QString chyba, zdroj;
    try {
        for (int kopie = 1; kopie <= t.PocetKopii; ++kopie) {
            p.beginDocument();
            try {
                TiskniKopii(p, k, dnes);
            } catch (...) {
                p.abort();
                throw;
            }
            p.endDocument();
        }
        p.finish();
    } catch (const RuntimeError& e) {
        chyba = QStringLiteral("Chyba při tisku: %1 (%2)").arg(e.cislo()).arg(e.popis());
        zdroj = e.zdroj();
    }
    if (tiskarny.names().contains(t.VychoziTiskarna)) t.tiskarna = t.VychoziTiskarna;
    t.souborPdf.clear();
    if (!chyba.isEmpty()) return Chyba{chyba, zdroj};
    return {};
}
