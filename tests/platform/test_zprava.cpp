#include "platform/UserDialogs.h"

#include <gtest/gtest.h>

namespace {

QString radky(int n) {
    QString t;
    for (int i = 1; i <= n; ++i) t += QStringLiteral("řádek %1\n").arg(i);
    return t;
}

}  // namespace

// A message stays whole up to 1 500 characters and 24 line ends; past either it keeps its first
// 1 000 characters and at most 18 lines, its last 4 lines, and says it was cut.
TEST(ZpravaNaObrazovku, KeepsTheBeginningAndTheEndOfALongText) {
    const QString kKonec = QStringLiteral("\n\n(Zpráva je příliš dlouhá, zobrazen je jen její začátek a konec.)");
    const QString pozn = QStringLiteral("Kopie objednávky 457.htm už je ve složce pro kopie.");
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
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.text.left(30).toStdString() + " … " + std::to_string(p.text.size()));
        EXPECT_EQ(zpravaNaObrazovku(p.text), p.ukazano.isEmpty() ? p.text : p.ukazano);
    }
}
