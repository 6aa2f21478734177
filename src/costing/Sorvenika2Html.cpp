#include "costing/Sorvenika2Html.h"

#include "costing/ObsahVystupu.h"
#include "engine/Sorvenika.h"
#include "engine/Systemy.h"
#include "platform/Clock.h"
#include "platform/Regional.h"
#include "platform/Services.h"
#include "platform/StrankaZeSablony.h"

namespace {

const QString kKonec = QStringLiteral("\r\n");
const QString kBr = QStringLiteral("<br>");

// One table row: the row line indented by 10 blanks, its cells by 14.
QString radek(const QStringList& bunky, bool stin = false) {
    const QString odsazeni(10, QLatin1Char(' '));
    QString s = odsazeni + (stin ? QStringLiteral("<tr bgcolor=\"#f0f0f0\">") : QStringLiteral("<tr>")) + kKonec;
    for (const QString& b : bunky) s += QString(14, QLatin1Char(' ')) + b + kKonec;
    return s + odsazeni + QStringLiteral("</tr>") + kKonec;
}

QString bunka(const char* otevreni, const QString& obsah, const char* zavreni = "</td>") {
    return QString::fromUtf8(otevreni) + obsah + QString::fromUtf8(zavreni);
}

const char* const kVpravo30 = "<td align=\"right\" colspan=\"2\" width=\"30%\" class=\"font08\">";
const char* const kVpravo30Tucne = "<td align=\"right\" colspan=\"2\" width=\"30%\" class=\"font08\"><b>";

QString vypis(const Kalkulace& k) {
    const bool ceny = k.TisknoutCeny;
    const QString cara = radek({QStringLiteral("<td align=\"center\" width=\"100%\" colspan=\"6\" class=\"font08\"><hr noshade size=\"1\"></td>")});
    QString s;
    if (ceny)
        s += radek({QStringLiteral("<td align=\"left\" width=\"42%\" class=\"font08\"><b>Název dílu</b></td>"),
                    QStringLiteral("<td align=\"center\" width=\"13%\" class=\"font08\"><b>Obj.č.</b></td>"),
                    QStringLiteral("<td align=\"center\" width=\"15%\" class=\"font08\"><b>Obj.č. původní</b></td>"),
                    QStringLiteral("<td align=\"center\" width=\"5%\" class=\"font08\"><b>Ks</b></td>"),
                    QStringLiteral("<td align=\"right\" width=\"11%\" class=\"font08\"><b>Cena/ks</b></td>"),
                    QStringLiteral("<td align=\"right\" width=\"14%\" class=\"font08\"><b>Cena celkem</b></td>")});
    else
        s += radek({QStringLiteral("<td align=\"left\" width=\"50%\" class=\"font08\"><b>Název dílu</b></td>"),
                    QStringLiteral("<td align=\"center\" width=\"15%\" class=\"font08\"><b>Obj.č.</b></td>"),
                    QStringLiteral("<td align=\"center\" width=\"15%\" class=\"font08\"><b>Obj.č. původní</b></td>"),
                    QStringLiteral("<td align=\"center\" colspan=\"3\" width=\"20%\" class=\"font08\"><b>Ks</b></td>")});
    s += cara;

    bool stin = false;
    for (const RadekKalkulace* r : radkySKusy(k)) {
        const QStringList t = Kalkulace::texty(*r);
        QStringList bunky{bunka("<td align=\"left\" class=\"font08\">", t[0]), bunka("<td align=\"center\" class=\"font08\">", t[1]),
                          bunka("<td align=\"center\" class=\"font08\">", t[2])};
        if (ceny)
            bunky << bunka("<td align=\"center\" class=\"font08\">", t[3]) << bunka("<td align=\"right\" class=\"font08\">", t[4])
                  << bunka("<td align=\"right\" class=\"font08\">", t[5]);
        else
            bunky << bunka("<td align=\"center\" colspan=\"3\" class=\"font08\">", t[3]);
        s += radek(bunky, stin);
        stin = !stin;
    }
    s += cara;

    const auto soucet = [&](RadekSouctu r) { return k.soucty[static_cast<size_t>(r)]; };
    if (ceny) {
        s += radek({QStringLiteral("<td align=\"left\" colspan=\"3\" width=\"65%\" class=\"font08\"><b>CELKEM</b></td>"),
                    bunka("<td align=\"center\" width=\"5%\" class=\"font08\"><b>", soucet(kKusy), "</b></td>"),
                    bunka(kVpravo30Tucne, soucet(kCenikovaCena), " Kč</b></td>")});
        s += radek({bunka("<td align=\"left\" colspan=\"4\" width=\"85%\" class=\"font08\"><b>CELKEM S ", Regional::current().Str(k.DPH), "% DPH</b></td>"),
                    bunka(kVpravo30Tucne, soucet(kCenaSDph), " Kč</b></td>")});
    } else if (jeTRemol(k.parametry.System)) {
        for (RadekSouctu r : {kCenaBezDph, kCenaSDph})
            s += radek({bunka("<td align=\"left\" colspan=\"4\" width=\"85%\" class=\"font08\"><b>", Kalkulace::popisekSouctu(r, k.DPH), "</b></td>"),
                        bunka(kVpravo30Tucne, soucet(r) + QLatin1Char(' ') + Kalkulace::jednotkaSouctu(r), "</b></td>")});
    }
    s += radek({QStringLiteral("<td align=\"left\" colspan=\"4\" width=\"85%\" class=\"font08\">PŘEDPOKLÁDANÁ VÁHA</td>"),
                bunka(kVpravo30, soucet(kVaha), " Kg</td>")});
    return s;
}

QString komponenty(const Kalkulace& k) {
    QString s;
    const QString konec = kBr + kBr + kKonec;
    for (const PopisSoupravy& p : popisySouprav(k))
        s += (p.zakladni ? QString(p.text).replace(kKonec, kBr) : p.text) + konec;
    if (sDodaciLhutou(k)) s += kDodaciLhuta + konec;
    return s;
}

}  // namespace

QString sestavHtml(const Kalkulace& k, QString sablona, const QDate& dnes) {
    const SorvenikaParametry& p = k.parametry;
    const std::pair<const char*, QString> nahrady[] = {
        {"<!-- prodejce -->", k.Prodejce},
        {"<!-- datum -->", dnes.toString(QStringLiteral("d.M.yyyy"))},
        {"<!-- system -->", p.SystemNazevTisk()},
        {"<!-- zakaznik -->", k.zakaznik[0] + kBr + k.zakaznik[1] + kBr + k.zakaznik[2]},
        {"<!-- prumer -->", p.Prurez + QStringLiteral(" cm")},
        {"<!-- vyska -->", KsNaText(p.Vyska) + QStringLiteral(" m")},
        {"<!-- sachta -->", textSachty(k)},
        {"<!-- ukonceni -->", ukonceniBezPopisku(k)},
        {"<!-- tvarnice -->", k.souhrn.tvarnice},
        {"<!-- platnost -->", k.TisknoutCeny ? QStringLiteral("platnost ceníku od ") + k.PlatnostCen +
                                                   QStringLiteral("<br>až do vydání dalšího ceníku")
                                             : QStringLiteral("&nbsp;")},
        {"<!-- vypis -->", vypis(k)},
        {"<!-- komponenty -->", komponenty(k)},
        {"<!-- poznamka -->", QString(p.Poznamka).replace(kKonec, kBr) + kBr + kBr + k.poznamkaDodani},
    };
    return vyplnZnacky(std::move(sablona), nahrady);
}

Vysledek<> Sorvenika2Html(const Kalkulace& k, const QString& cesta) {
    const QDate dnes = platform::clock().today();
    return zapisStranku(QStringLiteral("vystup.htm"), cesta, [&](QString sablona) { return sestavHtml(k, std::move(sablona), dnes); });
}
