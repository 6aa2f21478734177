#pragma once
// The rules of the main menu: system codes and names, the feature flags, the seller and VAT
// boxes, the choice of a chimney system and its questions. frmMenu draws and forwards to them.
#include "engine/GlobalniData.h"
#include "engine/Systemy.h"
#include "net/VerzeProgramu.h"
#include "platform/Vysledek.h"

#include <QList>
#include <QString>
#include <array>
#include <functional>
#include <optional>

inline const QString kTitulekMenu = QStringLiteral(" Sorvenika - Kestroma");

inline const QString kZadejteNazevFirmy = QStringLiteral("Zadejte název vaší firmy");
inline const QString kZadejteCislo =
    QStringLiteral("Zadejte číslo !!!\nPoužijte desetinný oddělovač uvedený v Místním nastavení.");
inline const QString kSazbaDPHMimoRozsah = QStringLiteral("Sazba DPH musí být v rozmezí 0 až 100 % !!!");
inline const QString kUpozorneniKarnelo = QStringLiteral(
    "V případě požadavku na přívod vzduchu pro spalování pomocí přivětrávacího LAS adaptéru Karnelo je nutno "
    "objednat komín s větrací šachtou bez paty (založený na soklové desce)!");
inline const QString kOtazkaTRemol = QStringLiteral("Zvolil(a) jste správný typ komínového systému ??");
inline const QString kUpozorneniZaruka = QStringLiteral(
    "Víte že, komínový systém MIV *** TRENA má záruku 30 let a komínový systém T-remol záruku 5 let !!!");
inline const QString kBezPripojeni = QStringLiteral(
    "Nemáte nastavené připojení k internetu!\nNastavte si připojení k internetu přes objednávky.");

// One item of a system button's popup menu.
struct PolozkaVolby {
    QString jmeno;    // the menu item's control name
    QString popisek;
    int kod;
};

// SystemCombut(index): the buttons that choose at once carry a code, the others a popup menu.
struct TlacitkoSystemu {
    int index;
    QString popisek;
    int kod;                      // 0 when the choice goes through the popup
    QString nabidka;              // popup menu caption
    QList<PolozkaVolby> polozky;
};
const QList<TlacitkoSystemu>& TlacitkaSystemu();
const TlacitkoSystemu* TlacitkoSystemuPodleIndexu(int index);

// Shows a button's popup menu; the position of the chosen item, or nullopt when dismissed.
using VyberZNabidky = std::function<std::optional<int>(const TlacitkoSystemu&)>;

// Steps 1 to 3 of a system button: sets SystemKod and System (cleared first, so that an earlier
// choice never leaks into this one), asks the T-REMOL question and shows the notices. True when
// a system was chosen and the costing is to start.
bool VolbaSystemu(int index, GlobalniData& g, const VyberZNabidky& vyber);

// Form load: asks for the seller until a non-empty answer is given (a single blank counts).
void NactiProdejce(Nastaveni& n);
// Enter in the seller box, or the box left.
void PotvrdProdejce(Nastaveni& n, const QString& text);
// Enter in the VAT box, or the box left: a regional number from 0 to 100 is stored and true returned; anything
// else is warned about and the old rate kept.
bool PotvrdDPH(Nastaveni& n, const QString& text);
// The VAT rate as the box shows it.
QString TextDPH(const Nastaveni& n);

// Which of SystemCombut(1..7) are visible. Element 2 does not exist.
class ViditelnostTlacitek {
public:
    bool viditelne(int index) const { return index >= 1 && index <= 7 && m_viditelne[index]; }
    // Inverts each of the five picture buttons by itself: the two rows swap.
    void prohodRady();
    void ukazTRemol() { m_viditelne[5] = true; }

private:
    std::array<bool, 8> m_viditelne{false, true, false, true, true, false, false, false};
};

// The connection type of the order settings, taken as a number, is not 0. Empty or not a number
// counts as 0 (no connection).
bool PripojeniNastaveno(const QString& pripojeni);
// The connection type of the order settings file; a file that cannot be read is named, as it is
// not the connection the user has to set up.
Vysledek<QString> PripojeniZNastaveni();
