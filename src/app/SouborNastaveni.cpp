#include "app/SouborNastaveni.h"

#include "net/clsBase64.h"
#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "platform/Regional.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString kNastaveni = QStringLiteral("NASTAVENI");
const QString kUzivatel = QStringLiteral("UZIVATEL");
const QString kSystemy = QStringLiteral("SYSTEMY");
const QString kVychoziVerze = QStringLiteral("0000000");

// The stored date is always "d.m.yyyy"; anything else is no date.
QDate datumSynchronizace(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,2})\\.(\\d{1,2})\\.(\\d{2,4})\\s*$"));
    const auto m = re.match(text);
    if (m.hasMatch()) {
        int rok = m.captured(3).toInt();
        if (m.capturedLength(3) == 2) rok += rok < 30 ? 2000 : 1900;
        const QDate d(rok, m.captured(2).toInt(), m.captured(1).toInt());
        if (d.isValid() && m.capturedLength(3) != 3) return d;
    }
    return QDate(2000, 1, 1);
}

QString verze(const QString& ulozena) {
    const auto dekodovana = clsBase64::DecodeChecked(ulozena);
    if (!dekodovana || dekodovana->isEmpty() || dekodovana->size() > 7) return kVychoziVerze;
    return *dekodovana;
}

template <typename T, typename F>
T neboNula(F&& prevod) {
    try {
        return prevod();
    } catch (const RuntimeError&) {
        return T{};
    }
}

}  // namespace

Hlaseni<> NactiIni(const QString& soubor, GlobalniData& data) {
    Hlaseni<> vysledek;
    // Without the file every key would be reported missing; the file or its folder is what is.
    if (const QFileInfo f(soubor); !f.isFile()) {
        vysledek.chyba = Chyba{f.dir().exists() ? QStringLiteral("Soubor nastavení %1 neexistuje. Program nelze spustit.").arg(soubor)
                                                : QStringLiteral("Složka dat %1 neexistuje. Program nelze spustit.").arg(f.absolutePath())};
        return vysledek;
    }
    Nastaveni& n = data.nastaveni;
    const Regional& reg = Regional::current();
    const ini::Profil profil(soubor);
    // Read as empty, every key would be reported missing.
    if (!profil.chyba().isEmpty()) {
        vysledek.chyba = Chyba{profil.chyba() + QStringLiteral(" Program nelze spustit.")};
        return vysledek;
    }
    auto nastaveni = [&](const char* klic) { return profil.cti(kNastaveni, QString::fromUtf8(klic), 127); };
    auto uzivatel = [&](const char* klic) { return profil.cti(kUzivatel, QString::fromUtf8(klic), 127); };

    n.Aktualizace = nastaveni("Aktualizace");
    n.Zakaznici = nastaveni("Zakaznici");
    n.PlatnostCen = nastaveni("Platnost cen");

    const QString dph = nastaveni("DPH");
    n.DPH = neboNula<Currency>([&] { return reg.CCur(dph); });
    if (!reg.IsNumeric(dph))
        vysledek.oznameni << QStringLiteral("V souboru %1 chybí platná sazba DPH (sekce NASTAVENI, klíč „DPH“). "
                                            "Použije se 0 %; opravte ji v hlavní nabídce.")
                                 .arg(soubor);

    const QString pocet = nastaveni("Pocet systemu");
    n.PocetSystemu = Integer(neboNula<qint16>([&] { return reg.CInt(pocet); }));
    if (n.PocetSystemu < 13) {
        vysledek.chyba = Chyba{QStringLiteral("V souboru %1 chybí platný počet systémů (sekce NASTAVENI, klíč „Pocet systemu“, "
                                              "nejméně 13). Program nelze spustit.")
                                   .arg(soubor)};
        n.PocetSystemu = Integer(0);
    }

    n.ZobrazitCeny = n.TisknoutCeny = n.Prepocitavat = true;
    n.Prodejce = uzivatel("Prodejce");
    n.Tiskarna = uzivatel("Tiskarna");
    n.Verze = verze(uzivatel("Verze"));
    n.IDOZ = Integer(neboNula<qint16>([&] { return CInt(Val(uzivatel("IDOZ"))); }));
    n.JmenoOZ = uzivatel("JmenoOZ");
    n.EmailOZ = uzivatel("EmailOZ");
    n.TelefonOZ = uzivatel("TelefonOZ");
    n.Pwd = uzivatel("Pwd");
    n.ExtID = neboNula<qint32>([&] { return CLng(Val(uzivatel("ExtID"))); });
    if (n.ExtID == 0) n.ExtID = 1;
    n.PosledniSynchronizace = datumSynchronizace(uzivatel("PosledniSynchronizace"));
    const double typ = Round(Val(uzivatel("Typ")));
    n.TypUzivatele = (typ >= 0 && typ <= 255) ? static_cast<quint8>(typ) : 0;

    data.Systemy.assign(static_cast<size_t>(n.PocetSystemu.value()) + 1, SystemZaznam{});
    for (int i = 1; i <= n.PocetSystemu; ++i)
        data.Systemy[i].Sekce = profil.cti(kSystemy, QString::number(i) + QStringLiteral("System"), 63);
    for (int i = 1; i <= n.PocetSystemu; ++i) {
        SystemZaznam& s = data.Systemy[i];
        auto hodnota = [&](const char* klic) { return profil.cti(s.Sekce, QString::fromUtf8(klic), 63); };
        s.Nazev = hodnota("Nazev");
        s.NazevTisk = hodnota("Nazev pri tisku");
        s.Data = hodnota("Data");
        s.Piktogram = hodnota("Piktogram");
        s.PiktogramTisk = hodnota("Piktogram pro tisk");
        s.PiktogramPrurez = hodnota("Piktogram prurez");
        s.Info = hodnota("Info o systemu");
        s.Parametry = hodnota("Parametry");
    }
    return vysledek;
}

Vysledek<> UlozIni(const QString& soubor, const Nastaveni& n) {
    const QList<std::pair<QString, QString>> uzivatel = {
        {"Prodejce", n.Prodejce},
        {"Tiskarna", n.Tiskarna},
        {"Verze", clsBase64::Encode(n.Verze)},
        {"IDOZ", QString::number(n.IDOZ.value())},
        {"JmenoOZ", n.JmenoOZ},
        {"EmailOZ", n.EmailOZ},
        {"TelefonOZ", n.TelefonOZ},
        {"Pwd", n.Pwd},
        {"ExtID", QString::number(n.ExtID)},
        {"PosledniSynchronizace", n.PosledniSynchronizace.toString(QStringLiteral("d.M.yyyy"))},
        {"Typ", QString::number(n.TypUzivatele)},
    };
    // One replacement: a kill or a failed write never leaves the new VAT with the old seller.
    return ini::zapis(soubor, {{kNastaveni, {{QStringLiteral("DPH"), Regional::current().Str(n.DPH)}}}, {kUzivatel, uzivatel}});
}

void NastavPriznak(QString& verze, int pozice) {
    if (pozice < 1) return;
    if (verze.size() < pozice) verze = verze.leftJustified(pozice, QLatin1Char('0'));
    verze[pozice - 1] = QLatin1Char('1');
}
