#pragma once
// Every text of the parameter wizard: frame captions, labels, tool tips and messages, as the
// user reads them.
#include <QString>
#include <array>

namespace texty {

inline const QString kTitulekOkna = QStringLiteral(" ");
inline const QString kUpozorneni = QStringLiteral("Upozornění");

// Frames.
inline const QString kRam1 = QStringLiteral("1. Základní parametry");
inline const QString kRam2a = QStringLiteral("2. Ukončení - Orlex");
inline const QString kRam2b = QStringLiteral("2. Ukončení - Obezdívka");
inline const QString kRam2c = QStringLiteral("2. Ukončení - Plášť");
inline const QString kRam3 = QStringLiteral("3. Statické zajištění");
inline const QString kVariantaUkonceni = QStringLiteral("Varianta ukončení");

// Frame 1.
inline const QString kPrumerKominu = QStringLiteral("Průměr komína:");
inline const QString kVyskaKominu = QStringLiteral("Výška komína:");
inline const QString kCm = QStringLiteral("cm");
inline const QString kM = QStringLiteral("m");
inline const QString kKs = QStringLiteral("ks");
inline const std::array<QString, 2> kSachta = {QStringLiteral("bez větrací šachty"),
                                               QStringLiteral("s větrací šachtou")};
inline const std::array<QString, 2> kKourovod = {QStringLiteral("kouřovod 90°"), QStringLiteral("kouřovod 45°")};
inline const QString kHorniDvirka = QStringLiteral("horní vymetací dvířka");
inline const QString kDruheNapojeni = QStringLiteral("druhé napojení kouřovodu");
inline const QString kTermoTvarnice = QStringLiteral("Termoiz. tvárnice");
inline const QString kPata = QStringLiteral("Pata");
inline const std::array<QString, 2> kStranaPaty = {QStringLiteral("Levá"), QStringLiteral("Pravá")};
inline const std::array<QString, 2> kSouprava = {QStringLiteral("Zákl. soupr."), QStringLiteral("Zákl. soupr. KEPO")};
inline const QString kPocetNapojovacichDilu = QStringLiteral("Počet napoj. dílů:");
inline const std::array<QString, 6> kUkonceni = {
    QStringLiteral("Orlex"),
    QStringLiteral("Obezdívka"),
    QStringLiteral("Plášť"),
    QStringLiteral("Krycí deska bet. na místě"),
    QStringLiteral("KDS"),
    QStringLiteral("KDVO - zateplení"),
};
inline const QString kPrislusenstvi = QStringLiteral("Příslušenství");

// Frame 2a.
inline const QString kVyska = QStringLiteral("Výška:");
inline const QString kDilOrlex = QStringLiteral("díl MIV-ORLEX:");
inline const QString kTycOrlex = QStringLiteral("tyč - ORLEX:");
inline const QString kZSLKT = QStringLiteral("Zdící směs ZSLKT:");

// Frame 2b.
inline const QString kVyskaObezdivky = QStringLiteral("Výška obezdívané části:");
inline const std::array<QString, 2> kCihla = {QStringLiteral("Šamotová cihla 25 x 12,4 x 6,4"),
                                              QStringLiteral("Cihla Klinker 25 x 12 x 6,5")};
inline const QString kPocetCihel = QStringLiteral("Počet cihel:");
inline const QString kZdiciSmes = QStringLiteral("Zdící směs Kestroma:");

// Frame 2c.
inline const QString kVyskaPlaste = QStringLiteral("Výška pláště:");
inline const std::array<QString, 7> kVyskyPlaste = {
    QStringLiteral("75"),  QStringLiteral("100"), QStringLiteral("125"), QStringLiteral("150"),
    QStringLiteral("175"), QStringLiteral("200"), QStringLiteral("250"),
};
inline const std::array<QString, 2> kPlast = {QStringLiteral("Omítková struktura"), QStringLiteral("Cihlová struktura")};

// Frame 3.
inline const QString kStatikaUvod = QStringLiteral(
    "Statické zajištění komínu se navrhuje s přihlédnutím k jeho poloze, výšce a provedení nadstřešní části, "
    "zajištění uvnitř budovy a také místním klimatickým podmínkám.");
inline const QString kStatikaDoporuceni = QStringLiteral("Pro Váš případ doporučujeme využít tyto systémové prvky:");
inline const QString kDoporucenyZpusob = QStringLiteral("Doporučený způsob statického zajištění:");
inline const std::array<QString, 2> kVolbaStat = {QStringLiteral("ANO"), QStringLiteral("NE")};
inline const QString kVyskaNadstresni = QStringLiteral("Výška nadstřešní části:");
inline const std::array<QString, 3> kStatickaSouprava = {QStringLiteral("Statická souprava 2x3m"),
                                                         QStringLiteral("Statická souprava 4x4m"),
                                                         QStringLiteral("Staticka souprava 4x6m")};
inline const QString kKotevniPrvek = QStringLiteral("Kotevní prvek:");
inline const std::array<QString, 2> kKotevni = {QStringLiteral("do krovu"), QStringLiteral("do hřebene")};
inline const std::array<QString, 2> kKotevniTip = {
    QStringLiteral("Statické zajištení komínu v úrovni průchodu strešní konstrukcí."),
    QStringLiteral("Statické zajištení komínu v úrovni průchodu hřebenem střechy."),
};
// The maker's page with the rules for the kits; the sample installation's address until the
// real one is known.
inline const QString kAdresaZasad = QStringLiteral("www.kestroma.example");
inline const QString kSoupravaTip =
    QStringLiteral("Statická souprava pro vyztužení komínu v rozích. Doporučené zásady použití na ") + kAdresaZasad;

// Buttons.
inline const QString kZpet = QStringLiteral("<< Zpět");
inline const QString kDalsi = QStringLiteral("Další >>");
inline const QString kOk = QStringLiteral("Ok");

// Warnings (exclamation icon, title kUpozorneni). The first's unclosed parenthesis is meant:
// the text stands as users know it.
inline const QString kSpatnaHodnotaVysky = QStringLiteral(
    "Zadali jste špatně hodnotu !!! (jako desetinný oddělovač použijte ten co máte uvedený v Místním nastavení.");
inline const QString kSpatnaHodnota = QStringLiteral("Zadali jste špatně hodnotu !!!");
inline const QString kStisknoteEnter = QStringLiteral("Po zadání výšky stiskněte ENTER !!!");
inline const QString kZadejtePrurez = QStringLiteral("Zadejte PRŮŘEZ !!!");
inline const QString kZadejteVysku = QStringLiteral("Zadejte nejdříve VÝŠKU !!!");
inline const QString kMaxOrlex = QStringLiteral("Maximální výška je 3 m !!!");
inline const QString kMaxObezdivka = QStringLiteral("Maximální výška obezdívky jsou 4 m !!!");
inline const QString kZapornaVyska = QStringLiteral("Výška samozřejmě nemůže být ZÁPORNÁ !!!");

// Plain boxes (no icon, the application's title).
inline const QString kCsn = QStringLiteral(
    "DLE ČSN 734201 SE SPOTŘEBIČE PŘIPOJUJÍ SAMOSTATNÝM KOUŘOVODEM DO SAMOSTATNÉHO PRŮDUCHU. V PŘÍPADĚ "
    "PŘIPOJENÍ DVOU SPOTŘEBIČŮ DOPORUČUJEME KONZULTOVAT S REVIZNÍM TECHNIKEM KOMÍNŮ.");
inline const QString kTrenaTradice =
    QStringLiteral("MIV***TRENA je osvědčený komínový systém s vysokou kvalitou a dlouholetou tradicí.");
inline const QString kOrlexStatika = QStringLiteral(
    "Komín z prvků MIV*** Orlex musí být staticky zajištěn. Maximání výška nadstřešní části z prvků MIV*** Orlex je "
    "1,5 m. Výšku nad 1,5 m je nutno posoudit statickým výpočtem (firma Kestroma neprovádí).");
inline const QString kMaxNadstresni = QStringLiteral("Max. možná výška nadstřešní části je 3m !!!");

}  // namespace texty
