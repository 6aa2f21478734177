#include "offers/clsSorvenika.h"

#include "platform/Errors.h"
#include "platform/Numbers.h"
#include "platform/Regional.h"
#include "util/XmlElement.h"

#include <cmath>
#include <limits>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// "True"/"False" in any case, or a number (0 is false); anything else, a missing element
// included, reads as false.
bool naBoolean(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
    const std::optional<double> cislo = naDouble(t);
    return cislo && *cislo != 0;
}

}  // namespace

void clsSorvenika::GenerXml() {
    // Values go in unescaped: installations that read these documents expect them so, and an
    // escaped "<" would show as "&lt;" there.
    const auto prvek = [](const char* tag, const QString& hodnota) {
        const QString t = QLatin1String(tag);
        return QLatin1Char('<') + t + QLatin1Char('>') + hodnota + QStringLiteral("</") + t + QLatin1Char('>') + kCrLf;
    };
    // A Single prints with its own seven digits: 5.33f is "5,33", not its double's digits.
    const QString vyska = Regional::current().Str(hodnotaSingle(Vyska));
    Xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"windows-1250\"?>") + kCrLf + kCrLf +
          QStringLiteral("<sorvenika>") + kCrLf + prvek("system", System) + prvek("nazev", Nazev) +
          prvek("prurez", Prurez) + prvek("vyska", vyska) +
          prvek("sachta", Sachta ? QStringLiteral("True") : QStringLiteral("False")) + prvek("ukonceni", Ukonceni) +
          prvek("tvarnice", Tvarnice) + prvek("syspoznamka", SysPoznamka) + prvek("poznamka", Poznamka) +
          prvek("rozpis", Rozpis) + QStringLiteral("</sorvenika>") + kCrLf;
}

void clsSorvenika::ParseXml() {
    System = xml_get_element(Xml, QStringLiteral("system"));
    Nazev = xml_get_element(Xml, QStringLiteral("nazev"));
    Prurez = xml_get_element(Xml, QStringLiteral("prurez"));
    QString vyska = xml_get_element(Xml, QStringLiteral("vyska"));
    vyska.replace(QLatin1Char(','), QLatin1Char('.'));
    // A number beyond a Single's range reads as no number.
    double v = 0;
    try {
        v = Val(vyska);
    } catch (const RuntimeError&) {
    }
    Vyska = std::fabs(v) <= std::numeric_limits<float>::max() ? static_cast<float>(v) : 0.0f;
    Sachta = naBoolean(xml_get_element(Xml, QStringLiteral("sachta")));
    Ukonceni = xml_get_element(Xml, QStringLiteral("ukonceni"));
    Tvarnice = xml_get_element(Xml, QStringLiteral("tvarnice"));
    SysPoznamka = xml_get_element(Xml, QStringLiteral("syspoznamka"));
    Poznamka = xml_get_element(Xml, QStringLiteral("poznamka"));
    Rozpis = xml_get_element(Xml, QStringLiteral("rozpis"));
}

QString clsSorvenika::RadekRozpisu(const QStringList& bunky) {
    QString radek;
    for (const QString& b : bunky) radek += b + QLatin1Char('\t');
    return radek + kCrLf;
}

QList<QStringList> clsSorvenika::BunkyRozpisu(const QString& rozpis) {
    QList<QStringList> radky;
    for (const QString& radek : rozpis.split(kCrLf)) {
        if (radek.isEmpty()) continue;
        QStringList bunky = radek.split(QLatin1Char('\t'));
        if (bunky.size() > 1 && bunky.last().isEmpty()) bunky.removeLast();
        radky << bunky;
    }
    return radky;
}
