#include "platform/Mnemoniky.h"

QString sMnemonikou(const QString& popisek, QSet<QChar>& pouzite) {
    auto volne = [&](qsizetype i) {
        const QChar z = popisek[i].toLower();
        return z >= u'a' && z <= u'z' && !pouzite.contains(z);
    };
    qsizetype kde = -1;
    for (qsizetype i = 0; i < popisek.size() && kde < 0; ++i)
        if ((i == 0 || popisek[i - 1] == u' ') && volne(i)) kde = i;
    for (qsizetype i = 0; i < popisek.size() && kde < 0; ++i)
        if (volne(i)) kde = i;
    QString s = popisek;
    s.replace(QLatin1Char('&'), QStringLiteral("&&"));
    if (kde < 0) return s;
    pouzite.insert(popisek[kde].toLower());
    return s.insert(kde + popisek.left(kde).count(QLatin1Char('&')), QLatin1Char('&'));
}
