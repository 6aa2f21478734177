#include "orders/ObjednavkaXml.h"

#include "net/VerzeProgramu.h"
#include "platform/Clock.h"
#include "platform/Cp1250.h"
#include "platform/DataPaths.h"
#include "platform/Desktop.h"
#include "platform/FileStore.h"
#include "platform/Regional.h"
#include "platform/Services.h"
#include "platform/StrankaZeSablony.h"
#include "util/Soubory.h"
#include "util/XmlElement.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString element(const QString& tag, QString hodnota, const char* odsazeni) {
    hodnota.replace(QLatin1Char('<'), QChar(u'‹')).replace(QLatin1Char('>'), QChar(u'›'));
    return QLatin1String(odsazeni) + QLatin1Char('<') + tag + QLatin1Char('>') + hodnota + QStringLiteral("</") + tag +
           QLatin1Char('>') + kCrLf;
}

// Far beyond any date typed, so that the date arithmetic stays in range.
int omezeno(double v) { return static_cast<int>(std::clamp(Fix(v), -1.0e6, 1.0e6)); }

// A count as the sheet's editor takes it: a whole number from 0 to 9999 (blanks around it aside).
bool celyPocetKusu(const QString& text) {
    static const QRegularExpression kPocet(QStringLiteral("^[0-9]{1,4}$"));
    return kPocet.match(text.trimmed()).hasMatch();
}

}  // namespace

QString XmlObjednavky(const ModelObjednavky& m) {
    QString t = QStringLiteral("<?xml version=\"1.0\" encoding=\"windows-1250\"?>") + kCrLf + kCrLf +
                QStringLiteral("<objednavky>") + kCrLf + element(QStringLiteral("verze"), kVerzeProgramu, "  ");
    for (int n = 1; n <= m.Objednavka.Count(); ++n) {
        const clsPodobjednavka& s = m.Objednavka.Item(n);
        const QString jmeno = QStringLiteral("objednavka") + QString::number(n);
        t += QStringLiteral("  <") + jmeno + QLatin1Char('>') + kCrLf + element(QStringLiteral("nazev"), s.Nazev, "    ") +
             element(QStringLiteral("obj_znaky"), s.ObjZnak, "    ") + element(QStringLiteral("kusy"), s.Ks, "    ") +
             element(QStringLiteral("poznamka"), s.Poznamka, "    ") + QStringLiteral("  </") + jmeno + QLatin1Char('>') +
             kCrLf;
    }
    return t + QStringLiteral("</objednavky>") + kCrLf;
}

QList<PolozkaObjednavky> ctiObjednavky(const QString& xml) {
    QList<PolozkaObjednavky> vysledek;
    // Each sub-order looked for in the whole text again made a file of thousands take minutes.
    const ZnackyXml znacky(xml);
    for (int n = 1;; ++n) {
        const QStringView o = znacky.element(QStringLiteral("objednavka") + QString::number(n));
        if (o.isEmpty()) break;
        PolozkaObjednavky p{xml_get_element(o, QStringLiteral("nazev")), xml_get_element(o, QStringLiteral("obj_znaky")),
                            xml_get_element(o, QStringLiteral("kusy")), xml_get_element(o, QStringLiteral("poznamka")), {}};
        if (!p.Nazev.isEmpty() && !p.ObjZnaky.isEmpty() && !p.Kusy.isEmpty()) vysledek << p;
    }
    return vysledek;
}

Vysledek<> ExportObjednavky(const ModelObjednavky& m, bool posta, QString& cesta) {
    const QByteArray xml = cp1250::encode(XmlObjednavky(m));
    if (!posta) return NahradSoubor(cesta, xml);
    const QDir slozka(appPath() + QStringLiteral("/Tmp"));
    // Only the files: whatever else someone keeps there is not ours to delete.
    for (const QString& f : slozka.entryList(QDir::Files | QDir::Hidden | QDir::System)) QFile::remove(slozka.filePath(f));
    cesta = slozka.filePath(platform::clock().today().toString(QStringLiteral("dd-MM-yy")) + QStringLiteral(".xml"));
    // The order stays there for the user when the mail fails: theirs alone, as the data folder is.
    // The folder is closed as well where it can be; the file's own mode is what counts.
    const QFileDevice::Permissions jenVlastnik = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (QDir().mkpath(slozka.path())) QFile::setPermissions(slozka.path(), jenVlastnik | QFileDevice::ExeOwner);
    if (const Vysledek<> v = filestore::replace(cesta, xml, jenVlastnik); !v) return v;
    // Waits for the mail program's answer: the sheet is emptied only when it took the order.
    if (const Vysledek<> v = PosliPostou(cesta, kNazevPosilaneObjednavky); !v)
        return v.selhani(QLatin1Char('\n') + kPostaNeodeslana);
    return {};
}

Vysledek<> importujObjednavky(ModelObjednavky& m, const QString& xml, const QString& soubor) {
    const QString jmeno = QDir::toNativeSeparators(soubor);
    const QList<PolozkaObjednavky> objednavky = ctiObjednavky(xml);
    if (objednavky.isEmpty()) return Chyba{kBezObjednavky.arg(jmeno)};
    // All or nothing: a count the sheet's editor would not take could not be mended there.
    // A code without its count would go as 0 pieces.
    for (const PolozkaObjednavky& p : objednavky) {
        const QStringList kody = polozkySeznamu(p.ObjZnaky), kusy = polozkySeznamu(p.Kusy);
        for (qsizetype j = 0; j < qMax(kody.size(), kusy.size()); ++j) {
            if (j >= kusy.size()) return Chyba{kChybiPocetKusu.arg(jmeno, p.Nazev, kody[j])};
            if (!celyPocetKusu(kusy[j])) return Chyba{kChybnyPocetKusu.arg(jmeno, p.Nazev, kusy[j])};
        }
    }
    for (const PolozkaObjednavky& p : objednavky) m.PridatObjednavku(p);
    m.aktivovano();
    return {};
}

QDate dateSerial(int rok, int mesic, int den) {
    const int m0 = mesic - 1;
    const int posun = m0 >= 0 ? m0 / 12 : -((11 - m0) / 12);
    return QDate(rok + posun, m0 - 12 * posun + 1, 1).addDays(den - 1);
}

QDate datumExpedice(const ModelObjednavky& m) {
    return dateSerial(omezeno(Val(m.txtDatumExpediceRok)), omezeno(Val(m.txtDatumExpediceMesic)),
                      omezeno(Val(m.txtDatumExpediceDen)));
}

QString sestavHtmlObjednavky(ModelObjednavky& m, QString sablona, const QString& zavod, const QString& cislo,
                             const QDate& dnes) {
    static const QString kRadek = QStringLiteral("        <tr>") + kCrLf;
    static const QString kKonecRadku = QStringLiteral("        </tr>") + kCrLf;
    static const char* const kBunky[] = {"left", "center", "center", "right", "right"};
    const Regional& reg = Regional::current();
    const auto bunka = [](const char* zarovnani, const QString& text) {
        return QStringLiteral("          <td align=\"%1\" valign=\"middle\" class=\"txt2\">").arg(QLatin1String(zarovnani)) +
               htmlText(text) + QStringLiteral("</td>") + kCrLf;
    };
    QString polozky;
    Currency celkem;
    for (int i = 0; i < m.Objednavka.Count(); ++i) {
        polozky += kRadek + QStringLiteral("          <td colspan=\"5\" align=\"left\" valign=\"middle\" class=\"txt3\">") +
                   htmlText(m.Objednavka.Item(i + 1).Nazev) + QStringLiteral("</td>") + kCrLf + kKonecRadku;
        const CenaPodobjednavky c = m.oceneni(i);
        celkem += c.cena;
        for (const RadekObjednavky& r : c.radky) {
            const QString texty[] = {r.nazev, r.kod, QString::number(r.ks), r.cenaKs, reg.Format(r.celkem)};
            polozky += kRadek;
            for (int c = 0; c < ModelObjednavky::kSloupcu; ++c) polozky += bunka(kBunky[c], texty[c]);
            polozky += kKonecRadku;
        }
    }
    const int posledni = m.Objednavka.Count();
    QString poznamka;
    for (const QString& radek : (posledni ? m.Objednavka.Item(posledni).Poznamka : QString()).split(kCrLf))
        poznamka += htmlText(radek) + QStringLiteral("<br>");
    const QString datum = QStringLiteral("d.M.yyyy");
    const std::pair<const char*, QString> nahrady[] = {
        {"<!--cislo_objednavky-->", htmlText(cislo)},
        {"<!--datum_vystaveni-->", dnes.toString(datum)},
        {"<!--datum_expedice-->", datumExpedice(m).toString(datum)},
        {"<!--zavod-->", htmlText(zavod)},
        {"<!--id-->", htmlText(m.Objednavka.ID())},
        {"<!--email-->", htmlText(m.Objednavka.Email())},
        {"<!--polozky-->", polozky},
        {"<!--poznamka-->", poznamka},
        {"<!--cena_bez_dph-->", posledni ? reg.Format(celkem) : QString()},
        {"<!--dph-->", reg.Str(m.DPH())},
        {"<!--cena_s_dph-->", posledni ? cenaSDph(celkem, m.DPH()) : QString()},
        {"<!--vaha-->", QStringLiteral("0")},
    };
    return vyplnZnacky(std::move(sablona), nahrady);
}

Vysledek<QByteArray> htmlObjednavky(ModelObjednavky& m, const QString& zavod, const QString& cislo) {
    const QDate dnes = platform::clock().today();
    return stranka(QStringLiteral("objednavka.htm"),
                   [&](QString sablona) { return sestavHtmlObjednavky(m, std::move(sablona), zavod, cislo, dnes); });
}

Vysledek<> Objednavka2Html(ModelObjednavky& m, const QString& zavod, const QString& cislo, const QString& cesta) {
    const Vysledek<QByteArray> html = htmlObjednavky(m, zavod, cislo);
    if (!html) return html.selhani();
    return filestore::replace(cesta, *html);
}

Vysledek<> mnuTisk_Click(ModelObjednavky& m) {
    const QString cesta = dataDir() + QStringLiteral("/Tmp2Print/objednavka.htm");
    if (const Vysledek<> v = Objednavka2Html(m, {}, {}, cesta); !v) return v;
    platform::desktop().otevri(cesta);
    return {};
}

void mnuNapoveda_Click() { platform::desktop().otevri(dataDir() + QStringLiteral("/Help/Obj/index.htm")); }
