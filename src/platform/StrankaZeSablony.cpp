#include "platform/StrankaZeSablony.h"

#include "platform/Cp1250.h"
#include "platform/DataPaths.h"
#include "platform/FileStore.h"

#include <QDir>

QString vyplnZnacky(QString sablona, std::span<const std::pair<const char*, QString>> nahrady, QLatin1StringView pred,
                    QLatin1StringView za) {
    for (const auto& [jmeno, hodnota] : nahrady) sablona.replace(QString(pred) + QLatin1StringView(jmeno) + za, hodnota);
    return sablona;
}

Vysledek<QByteArray> stranka(const QString& sablona, const std::function<QString(QString)>& vypln) {
    const QString cesta = dataFile(sablona);
    const Vysledek<QByteArray> precteno = filestore::readExisting(cesta);
    if (!precteno) return precteno.selhani();
    const QByteArray& text = *precteno;
    // An empty page would be shown, printed or mailed as if it were the costing.
    if (text.trimmed().isEmpty())
        return Chyba{QStringLiteral("Šablona ") + QDir::toNativeSeparators(cesta) + QStringLiteral(" je prázdná !")};
    return cp1250::encodeHtml(vypln(cp1250::decode(text)));
}

Vysledek<> zapisStranku(const QString& sablona, const QString& cil, const std::function<QString(QString)>& vypln) {
    const Vysledek<QByteArray> s = stranka(sablona, vypln);
    if (!s) return s.selhani();
    return filestore::replace(cil, *s);
}
