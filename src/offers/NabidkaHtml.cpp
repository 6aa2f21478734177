#include "offers/NabidkaHtml.h"

#include "offers/clsSorvenika.h"
#include "platform/Errors.h"
#include "platform/Regional.h"

#include <QStringList>

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
    int radek = -1;
    if (rezim == 1) {
        QString s = kod + QStringLiteral("-s");
        radek = cenik.NajdiArtikl(s);
    }
    if (radek < 0) {
        QString k = kod;
        radek = cenik.NajdiArtikl(k);
    }
    if (radek <= 0) return 0;
    return naDouble(cenik.text(radek, TabulkaArtiklu::Vaha)).value_or(0);
}

QString htmlText(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&amp;"))
        .replace(QLatin1Char('<'), QStringLiteral("&lt;"))
        .replace(QLatin1Char('>'), QStringLiteral("&gt;"));
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

QString ObrazekPrurezu(const QString& piktogramPrurez, const QString& system, const QString& prurez, bool sachta) {
    const QStringList jmena = piktogramPrurez.split(QStringLiteral("||"));
    const bool druhy = sachta || (system == QLatin1String("MIV") && prurez.compare(QLatin1String("25")) >= 0);
    const qsizetype i = druhy ? 1 : 0;
    if (i >= jmena.size() || jmena[i].isEmpty()) return {};
    return QString(jmena[i]).replace(QStringLiteral("_P."), QStringLiteral("_P_T."));
}
