#include "net/NastaveniObjednavek.h"

#include "net/clsBase64.h"
#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "platform/Numbers.h"
#include "platform/Regional.h"

namespace {

const QString kSekce = QStringLiteral("NASTAVENI");
const QString kUzivatel = QStringLiteral("UZIVATEL");

}  // namespace

NastaveniObjednavek NactiNastaveniObjednavek(const QString& soubor) {
    const ini::Profil p(soubor);
    const auto cti = [&](const char* klic) { return p.cti(kSekce, QString::fromLatin1(klic)); };
    NastaveniObjednavek n;
    n.chybaCteni = p.chyba();
    n.spojeni = {cti("pripojeni"), cti("proxy"), cti("port"), cti("SOCKS5server"), cti("SOCKS5port")};
    n.server = cti("server");
    n.Email = cti("email");
    n.ID = cti("id");
    try {
        n.CisloObjednavky = CLng(Val(cti("cislo objednavky")));
    } catch (const RuntimeError&) {
        n.CisloObjednavky = 0;  // beyond 32 bits: no usable number
    }
    n.Vystup = cti("vystup");
    return n;
}

Vysledek<> UlozSpojeni(const QString& soubor, const NastaveniSpojeni& s) {
    return ini::zapis(soubor, kSekce,
                      {{QStringLiteral("pripojeni"), s.Pripojeni},
                       {QStringLiteral("proxy"), s.Proxy},
                       {QStringLiteral("port"), s.Port},
                       {QStringLiteral("SOCKS5server"), s.SOCKS5Server},
                       {QStringLiteral("SOCKS5port"), s.SOCKS5Port}});
}

Vysledek<> UlozUdajeObjednavek(const QString& soubor, const NastaveniObjednavek& n) {
    if (!n.chybaCteni.isEmpty()) return Chyba{n.chybaCteni};
    return ini::zapis(soubor, kSekce,
                      {{QStringLiteral("email"), n.Email},
                       {QStringLiteral("id"), n.ID},
                       {QStringLiteral("cislo objednavky"), QString::number(n.CisloObjednavky)},
                       {QStringLiteral("vystup"), n.Vystup}});
}

QString chybyCteni(const QString& prvni, const QString& druha) {
    if (prvni.isEmpty() || prvni == druha) return druha;
    return druha.isEmpty() ? prvni : prvni + QLatin1Char('\n') + druha;
}

AutorizaceProxy NactiAutorizaciProxy(const QString& soubor) {
    const ini::Profil p(soubor);
    const QString zapnuto = p.cti(kUzivatel, QStringLiteral("ProxyAuthorization"));
    const Regional& reg = Regional::current();
    AutorizaceProxy a;
    a.chybaCteni = p.chyba();
    a.ProxyAuthorization = zapnuto.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0 ||
                           (reg.IsNumeric(zapnuto) && reg.CDbl(zapnuto) != 0);
    a.User = p.cti(kUzivatel, QStringLiteral("ProxyUser"));
    a.Password = clsBase64::DecodeChecked(p.cti(kUzivatel, QStringLiteral("ProxyPwd"))).value_or(QString());
    return a;
}

Vysledek<> UlozAutorizaciProxy(const QString& soubor, const AutorizaceProxy& a) {
    return ini::zapis(soubor, kUzivatel,
                      {{QStringLiteral("ProxyAuthorization"), a.ProxyAuthorization ? QStringLiteral("-1") : QStringLiteral("0")},
                       {QStringLiteral("ProxyUser"), a.User},
                       {QStringLiteral("ProxyPwd"), clsBase64::Encode(a.Password)}});
}
