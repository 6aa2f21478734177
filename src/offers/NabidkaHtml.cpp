#include "offers/NabidkaHtml.h"

#include "engine/Systemy.h"
#include "offers/KodyNabidek.h"
#include "offers/UdajeNabidky.h"
#include "offers/clsSorvenika.h"
#include "platform/Cp1250.h"
#include "platform/DataPaths.h"
#include "platform/Errors.h"
#include "platform/Regional.h"
#include "platform/StrankaZeSablony.h"

#include <QStringList>
#include <algorithm>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString cara(bool tRemol) {
    return QStringLiteral("<td align=\"center\" width=\"100%\" colspan=\"%1\" class=\"font08\"><hr noshade size=\"1\"></td>")
        .arg(tRemol ? 4 : 6);
}

QString hlavicka(bool tRemol) {
    QStringList r{QStringLiteral("<tr>")};
    if (tRemol)
        r << QStringLiteral("  <td align=\"left\" width=\"50%\" class=\"font08\"><b>Název dílu</b></td>")
          << QStringLiteral("  <td align=\"center\" width=\"20%\" class=\"font08\"><b>Obj.č.</b></td>")
          << QStringLiteral("  <td align=\"center\" width=\"20%\" class=\"font08\"><b>Obj.č. původní</b></td>")
          << QStringLiteral("  <td align=\"center\" width=\"10%\" class=\"font08\"><b>Ks</b></td>");
    else
        r << QStringLiteral("  <td align=\"left\" width=\"42%\" class=\"font08\"><b>Název dílu</b></td>")
          << QStringLiteral("  <td align=\"center\" width=\"13%\" class=\"font08\"><b>Obj.č.</b></td>")
          << QStringLiteral("  <td align=\"center\" width=\"15%\" class=\"font08\"><b>Obj.č. původní</b></td>")
          << QStringLiteral("  <td align=\"center\" width=\"5%\" class=\"font08\"><b>Ks</b></td>")
          << QStringLiteral("  <td align=\"right\" width=\"11%\" class=\"font08\"><b>Cena/ks</b></td>")
          << QStringLiteral("  <td align=\"right\" width=\"14%\" class=\"font08\"><b>Cena celkem</b></td>");
    // The four-column head indents its rule by four blanks, the six-column one by two.
    r << QStringLiteral("</tr>") << QStringLiteral("<tr>") << QString(tRemol ? 4 : 2, QLatin1Char(' ')) + cara(tRemol)
      << QStringLiteral("</tr>");
    return r.join(kCrLf) + kCrLf;
}

QString bunka(const QStringList& bunky, int i) { return i < bunky.size() ? bunky[i] : QString(); }

// The leading whole number of a pieces cell under the regional settings, half to even.
int kusy(const QString& text) {
    const Regional& reg = Regional::current();
    for (qsizetype n = text.size(); n > 0; --n) {
        const QString cast = text.left(n);
        if (!reg.IsNumeric(cast)) continue;
        try {
            return CLng(reg.CDbl(cast));
        } catch (const RuntimeError&) {
            return 0;
        }
    }
    return 0;
}

}  // namespace

double VratVahu(const TabulkaArtiklu& cenik, const QString& kod, int rezim) {
    const int radek = RadekDilu(cenik, kod, rezim == 1);
    if (radek <= 0) return 0;
    return naDouble(cenik.text(radek, TabulkaArtiklu::Vaha)).value_or(0);
}

QString TabulkaRozpisu(const QString& rozpis, bool tRemol) {
    static const char* const kZarovnani[] = {"left", "center", "center", "center", "right", "right"};
    const int sloupcu = tRemol ? 4 : 6;
    QString s = hlavicka(tRemol);
    bool stin = false;
    for (const QStringList& bunky : clsSorvenika::BunkyRozpisu(rozpis)) {
        s += stin ? QStringLiteral("          <tr bgcolor=\"#f0f0f0\">") : QStringLiteral("          <tr>");
        s += kCrLf;
        for (int i = 0; i < sloupcu; ++i)
            s += QStringLiteral("              <td align=\"%1\" class=\"font08\">").arg(QLatin1String(kZarovnani[i])) +
                 htmlText(bunka(bunky, i)) + QStringLiteral("</td>") + kCrLf;
        s += QStringLiteral("          </tr>") + kCrLf;
        stin = !stin;
    }
    return s + QStringLiteral("<tr>") + kCrLf + QStringLiteral("  ") + cara(tRemol) + kCrLf + QStringLiteral("</tr>");
}

double VahaRozpisu(const TabulkaArtiklu& cenik, const QString& rozpis, bool tRemol) {
    double vaha = 0;
    for (const QStringList& bunky : clsSorvenika::BunkyRozpisu(rozpis))
        vaha += kusy(bunka(bunky, 3)) * VratVahu(cenik, bunka(bunky, 1), tRemol ? 1 : 0);
    return vaha;
}

QString ObrazekPrurezuTisk(const QString& piktogramPrurez, const QString& system, const QString& prurez, bool sachta) {
    return ObrazekPrurezu(piktogramPrurez, system, prurez, sachta).replace(QStringLiteral("_P."), QStringLiteral("_P_T."));
}

QString sestavNabidkuHtml(const clsNabidka& n, QString sablona, bool logo, bool sleva, const ZdrojeHtml& z) {
    clsSorvenika s;
    s.Xml = n.Sorvenika;
    s.ParseXml();
    const Regional& reg = Regional::current();
    const QString nbsp = QStringLiteral("&nbsp;");
    const auto penize = [&](double v) { return reg.Format(v) + QStringLiteral(" Kč"); };
    // Data first made safe for the page, then its line breaks made "<br>".
    const auto radky = [](const QString& text) { return htmlText(text).replace(kCrLf, QStringLiteral("<br>")); };
    const auto obrazek = [&](const QString& jmeno, const char* zacatek) {
        return QLatin1String(zacatek) + dataFile(jmeno) + QStringLiteral("'>");
    };

    QString logoHtml = nbsp, obrazekHtml = nbsp;
    if (logo) {
        logoHtml = obrazek(QStringLiteral("Pict/LOGO_T.gif"), "<img align='right' src='");
        // A system this installation does not know (an offer downloaded from another) has no
        // picture; the page is made all the same.
        const int kod = ZjistiKodSystemu(s.System);
        const QString jmeno = kod > 0 && static_cast<size_t>(kod) < z.Systemy.size()
                                  ? ObrazekPrurezuTisk(z.Systemy[static_cast<size_t>(kod)].PiktogramPrurez, s.System, s.Prurez, s.Sachta)
                                  : QString();
        if (!jmeno.isEmpty()) obrazekHtml = obrazek(jmeno, "<img src='");
    }
    const bool tRemol = jeTRemol(s.System);

    const std::pair<const char*, QString> nahrady[] = {
        {"datum", reg.ObecneDatum(z.ted)},
        {"tisk", QString()},
        {"logo", logoHtml},
        {"cislo_nabidky", QString::number(n.ExtID)},
        {"datum_nabidky", reg.KratkeDatum(n.DatumNabidky)},
        {"cislo_oz", QString::number(n.CisloOZ.value())},
        {"jmeno_oz", htmlText(n.JmenoOZ)},
        {"email_oz", htmlText(n.EmailOZ)},
        {"telefon_oz", htmlText(n.TelefonOZ)},
        {"lcena_bez_dph", sleva ? QStringLiteral("Cena bez DPH:") : nbsp},
        {"lprojektova_sleva", sleva ? QStringLiteral("Projektová sleva:") : nbsp},
        {"lcena_po_sleve_bez_dph", sleva ? QStringLiteral("Cena po slevě bez DPH:") : QStringLiteral("Cena bez DPH:")},
        {"lcena_po_sleve_s_dph", sleva ? QStringLiteral("Cena po slevě s DPH:") : QStringLiteral("Cena s DPH:")},
        {"cena_bez_dph", sleva ? penize(n.CenaBezDPH) : nbsp},
        {"projektova_sleva", sleva ? reg.Format(n.ProjektovaSleva) + QStringLiteral(" %") : nbsp},
        {"cena_po_sleve_bez_dph", penize(n.CenaPoSleveBezDPH)},
        {"cena_po_sleve_s_dph", penize(n.CenaPoSleveSDPH)},
        {"nazev_akce", htmlText(n.NazevAkce)},
        {"misto_stavby", htmlText(n.MistoStavby)},
        {"ulice", htmlText(n.Ulice)},
        {"ulice_cp", htmlText(n.UliceCP)},
        {"druh_stavby", ZjistiDruhStavby(n.DruhStavby)},
        {"realizaceni_firma", htmlText(n.RealizacniFirma)},
        {"kontaktni_osoba", htmlText(n.KontaktniOsoba)},
        {"telefon", htmlText(n.Telefon)},
        {"email", htmlText(n.Email)},
        {"obchodnik", htmlText(n.Obchodnik)},
        {"obchodnik_mesto", htmlText(n.ObchodnikMesto)},
        {"nabidka_poznamka", radky(n.Poznamka)},
        {"img_tvarnice", obrazekHtml},
        {"system", htmlText(s.Nazev)},
        {"prurez", htmlText(s.Prurez)},
        {"vyska", reg.Str(hodnotaSingle(s.Vyska))},
        {"sachta", s.Sachta ? QStringLiteral("S větrací šachtou") : QStringLiteral("Bez větrací šachty")},
        {"ukonceni", htmlText(s.Ukonceni)},
        {"tvarnice", htmlText(s.Tvarnice)},
        {"rozpis", TabulkaRozpisu(s.Rozpis, tRemol)},
        {"vaha", reg.Format(VahaRozpisu(z.cenik, s.Rozpis, tRemol))},
        {"syspoznamka", radky(s.SysPoznamka)},
        {"poznamka", radky(s.Poznamka)},
    };
    return vyplnZnacky(std::move(sablona), nahrady, QLatin1StringView("<!--"), QLatin1StringView("-->"));
}

Vysledek<> UlozJakoHtml(const clsNabidka& n, const QString& soubor, bool logo, bool sleva, const ZdrojeHtml& z) {
    return zapisStranku(QStringLiteral("nabidka.htm"), soubor,
                        [&](QString sablona) { return sestavNabidkuHtml(n, std::move(sablona), logo, sleva, z); });
}

QString NazevPrilohy(const QString& nazevAkce) {
    // The name reaches the mail program's command line: letters, digits, blanks, "-", "_" and
    // "." only, any run of other characters one "-", and not too long for a file name.
    QString nazev;
    for (const QChar c : nazevAkce) {
        if (c.isLetterOrNumber() || c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('_') ||
            c == QLatin1Char('.'))
            nazev += c;
        else if (!nazev.endsWith(QLatin1Char('-')))
            nazev += QLatin1Char('-');
    }
    nazev = nazev.left(100).trimmed();
    if (std::none_of(nazev.begin(), nazev.end(), [](QChar c) { return c.isLetterOrNumber(); })) nazev = QStringLiteral("nabidka");
    return nazev + QStringLiteral(".htm");
}
