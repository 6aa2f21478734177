#include "engine/Sorvenika.h"

#include "platform/Regional.h"
#include "engine/Systemy.h"

#include <array>
#include <utility>
#include <vector>

QString KsNaText(float ks) { return Regional::current().Str(hodnotaSingle(ks)); }

void SpocitejKusy(GlobalniData& g, const Kalkulacky& kalkulacky) {
    SorvenikaParametry& p = g.sorvenikaParametry;
    {
        ZalohaKalkulace zaloha(g);
        if (Kalkulacka* k = kalkulacky.najdi(p.System)) k->Spocitej();
        zaloha.potvrd();
    }
    if (jeTRemol(p.System))
        p.Poznamka += QStringLiteral("Před objednáním doporučujeme překontrolovat zvolenou sestavu.\r\n\r\n");
}

float ZaokrouhliVysku(float& h) {
    const qint16 n = CInt((static_cast<double>(h) + 0.1) * 3 + 0.049);
    h = n;
    return static_cast<float>(Fix(static_cast<double>(n) / 3 * 100) / 100);
}

void VymazSorveniku(GlobalniData& g) {
    const SorvenikaParametry& p = g.sorvenikaParametry;
    SorvenikaParametry nova;
    nova.Prislusenstvi = p.Prislusenstvi;
    nova.Kourovod = p.Kourovod;
    nova.Kourovod2 = p.Kourovod2;
    nova.PocetTermoTvarnic = p.PocetTermoTvarnic;
    nova.SoupravaKEPO = p.SoupravaKEPO;
    nova.HorniDvirka = p.HorniDvirka;
    nova.DruheNapojeni = p.DruheNapojeni;
    nova.DruhPaty = p.DruhPaty;
    g.sorvenikaParametry = std::move(nova);
    g.dataSystemu = DataSystemu();
    g.AktRadek = Integer();
    g.AktSloupec = Integer();
}
