#include "app/KontrolaAktualizace.h"

#include "net/ProtokolHTTP.h"
#include "net/VerzeProgramu.h"
#include "net/clsHTTP.h"
#include "platform/Cp1250.h"
#include "platform/Regional.h"
#include "platform/UserDialogs.h"
#include "util/XmlElement.h"

#include <algorithm>

namespace {

const QString kVerze = QStringLiteral("verze:");

}  // namespace

QDate DatumVerze(const QString& text) {
    const QStringList casti = QString(text).remove(kVerze).split(QLatin1Char('.'));
    if (casti.size() != 3) return {};
    int cisla[3];
    for (int i = 0; i < 3; ++i) {
        const QString c = casti[i].trimmed();
        if (c.isEmpty() || c.size() > 4 || !std::all_of(c.begin(), c.end(), [](QChar z) { return z >= u'0' && z <= u'9'; }))
            return {};
        cisla[i] = c.toInt();
    }
    return QDate(cisla[2], cisla[1], cisla[0]);
}

QString AdresaInfa(const QString& aktualizace) { return QString(aktualizace).replace(QStringLiteral(".rar"), QStringLiteral(".nfo")); }

InfoOAktualizaci VyhodnotAktualizaci(const QString& odpoved, const QString& sdeleni, const QDate& datumProgramu) {
    if (odpoved.isEmpty() || odpoved == kServerNedostupny) return {};
    InfoOAktualizaci info{true, std::nullopt};
    for (const QString& radek : QString(odpoved + QStringLiteral("\r\n")).split(QStringLiteral("\r\n"))) {
        if (!radek.startsWith(kVerze)) continue;
        const QDate datum = DatumVerze(radek);
        if (datum.isValid() && datum > datumProgramu)
            info.oznameni = QStringLiteral("K dispozici je nová verze: [") + Regional::current().KratkeDatum(datum) +
                            QStringLiteral("]\r\nProveďte prosím aktualizaci programu.\r\n\r\n") + sdeleni;
        break;
    }
    return info;
}

void KontrolaAktualizace::ZkontrolujAktualizaci(GlobalniData& g) {
    clsHTTP http;
    const Vysledek<QString> odpoved = http.StahniInfoOAktualizaci(AdresaInfa(g.nastaveni.Aktualizace));
    if (!odpoved) {
        MsgBox(odpoved.chyba());
        return;
    }
    // The message is taken before the reply's markup is removed, which would take its tags too.
    const std::optional<QByteArray> telo = http::teloOdpovedi(http.Odpoved());
    const QString sdeleni = telo ? http::odstranZnacky(xml_get_element(cp1250::decode(*telo), QStringLiteral("sdeleni1"))) : QString();
    const InfoOAktualizaci info = VyhodnotAktualizaci(*odpoved, sdeleni, DatumVerze(kVerzeProgramu));
    if (info.serverDostupny) g.ServerDostupny = true;
    if (info.oznameni) MsgBox(*info.oznameni);
}
