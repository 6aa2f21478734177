#include "platform/UserDialogs.h"

#include <gtest/gtest.h>

namespace {

QString radky(int n, const QString& konec = QStringLiteral("\n")) {
    QString t;
    for (int i = 1; i <= n; ++i) t += QStringLiteral("řádek %1").arg(i) + konec;
    return t;
}

// Paths to attach, each after a line end.
QString cesty(int od, int po) {
    QString t;
    for (int i = od; i <= po; ++i) t += QStringLiteral("\n/d/%1.htm").arg(i, 5, 10, QLatin1Char('0'));
    return t;
}

}  // namespace

// A message stays whole up to 1 500 characters and 24 line ends; past either it keeps its first
// 1 000 characters and at most 18 lines, its last 4 lines, and says it was cut. The cut never
// splits a character (a surrogate pair) or a CR LF, nor the list of files to attach by hand while
// the box still fits the screen.
TEST(ZpravaNaObrazovku, KeepsTheBeginningAndTheEndOfALongText) {
    const QString kKonec = QStringLiteral("\n\n(Zpráva je příliš dlouhá, zobrazen je jen její začátek a konec.)");
    const QString pozn = QStringLiteral("Kopie objednávky 457.htm už je ve složce pro kopie.");
    const QString x(1000000, u'x'), y(1000000, u'y'), znak = QStringLiteral("😀");
    const QString odmitnuti = QStringLiteral("Poštovní program se nepodařilo otevřít. Přiložte ke zprávě ručně:");
    QString soubory;
    for (int i = 1; i <= 30; ++i) soubory += QStringLiteral("\n/home/uzivatel/Data/Tmp2Mail/20261206-100000-000/%1.htm").arg(i);
    const QString dlouhy = QStringLiteral("\n/") + QString(400, u'p');
    const struct {
        QString text;
        QString ukazano;  // empty: the text itself
    } pripady[] = {
        {QString(1500, u'x'), {}},
        {radky(24), {}},
        {QString(1501, u'x'), QString(1000, u'x') + QStringLiteral("\n…\n") + QString(300, u'x') + kKonec},
        {radky(25), radky(17) + QStringLiteral("řádek 18") + QStringLiteral("\n…\n") +
                        QStringLiteral("řádek 23\nřádek 24\nřádek 25\n") + kKonec},
        {QString(1000000, u'x') + u'\n' + pozn, QString(1000, u'x') + QStringLiteral("\n…\n") + QString(299 - pozn.size(), u'x') +
                                                    u'\n' + pozn + kKonec},
        {x.left(999) + znak + y, x.left(999) + QStringLiteral("\n…\n") + y.left(300) + kKonec},
        {x.left(2000) + znak + y.left(299), x.left(1000) + QStringLiteral("\n…\n") + y.left(299) + kKonec},
        {x.left(999) + QStringLiteral("\r\n") + y, x.left(999) + QStringLiteral("\n…\n") + y.left(300) + kKonec},
        {x.left(2000) + QStringLiteral("\r\n") + y.left(299), x.left(1000) + QStringLiteral("\n…\n") + y.left(299) + kKonec},
        {radky(25, QStringLiteral("\r\n")), radky(17, QStringLiteral("\r\n")) + QStringLiteral("řádek 18\n…\nřádek 23\r\nřádek 24\r\nřádek 25\r\n") + kKonec},
        {QStringLiteral("Chyba č. 3\n") + odmitnuti + soubory + QStringLiteral("\nObjednávka nebyla předána poštovnímu programu."), {}},
        {odmitnuti + soubory + u'\n' + y, odmitnuti + soubory + QStringLiteral("\n…\n") + y.left(300) + kKonec},
        {x + u'\n' + odmitnuti + QStringLiteral("\r\n/a/b.htm\r\n") + y,
         x.left(1000) + QStringLiteral("\n…\n") + odmitnuti + QStringLiteral("\r\n/a/b.htm\n…\n") + y.left(300) + kKonec},
        {x + QStringLiteral("\nChyba č. 3\n") + odmitnuti + dlouhy, x.left(1000) + QStringLiteral("\n…\n") + odmitnuti + dlouhy + kKonec},
        {odmitnuti + cesty(1, 40000), odmitnuti + cesty(1, 17) + QStringLiteral("\n…\n") + cesty(39997, 40000).mid(1) + kKonec},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.text.left(30).toStdString() + " … " + std::to_string(p.text.size()));
        EXPECT_EQ(zpravaNaObrazovku(p.text), p.ukazano.isEmpty() ? p.text : p.ukazano);
    }
}
