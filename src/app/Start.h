#pragma once
// Main and UlozIniAKonec: the start-up sequence, the one settings writer at the end and the
// restart in place after the sales-representative settings are saved.
#include "engine/GlobalniData.h"
#include "app/JedinaInstance.h"
#include "app/Navaznosti.h"
#include "platform/UserDialogs.h"
#include "pricelist/TabulkaArtiklu.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <functional>

inline const QString kMaloRozliseni = QStringLiteral("Program vyžaduje rozlišení minimálně 800x600");
inline const QString kOtazkaSynchronizace = QStringLiteral("Chcete nyní provést synchronizaci?");
inline const QString kTitulekSynchronizace = QStringLiteral("Synchronizace");
inline const QString kTitulekStavu = QStringLiteral("Synchronizace nabídek");
inline const QString kProbihaSynchronizace = QStringLiteral("Probíhá synchronizace nabídek ...");

// Only the width counts; the height is never tested.
bool screenWideEnough(int px);

// The start-up offers the offer synchronisation when the last one was before today, the server
// answered the update check and the user is privileged.
bool NabidnoutSynchronizaci(const QDate& posledni, const QDate& dnes, bool serverDostupny, quint8 typUzivatele);

// What the start-up needs of the windows.
class IOknaStartu {
public:
    virtual ~IOknaStartu() = default;
    virtual int sirkaObrazovky() const = 0;
    // Loads the main menu without showing it; its load asks for the seller name.
    virtual void nactiMenu() = 0;
    // The status window: not modal with its button disabled (returns at once), or modal with the
    // button enabled (returns when the user has closed it).
    virtual void zobrazStav(const QString& titulek, const QString& text, bool modalne) = 0;
    virtual void uvolniStav() = 0;
    virtual void zobrazMenu() = 0;
    // Unloads every window of the program.
    virtual void uvolniVse() = 0;
    // Ends the process once the current handler has returned.
    virtual void ukonci(int kod) = 0;
};

class Aplikace : public QObject {
public:
    using NacteniCeniku = std::function<TabulkaArtiklu()>;

    Aplikace(GlobalniData& g, IOknaStartu& okna, IKontrolaAktualizace& aktualizace,
             ISynchronizaceNabidek& synchronizace, NacteniCeniku nactiCenik = &TabulkaArtiklu::nactiCenik);

    // The start-up. False when it was refused or failed; the process is then being ended and
    // nothing has been written.
    bool Main();
    // Writes the settings, unloads every window and erases the shared tables. Does not end the
    // process: its callers do, or restart.
    void UlozIniAKonec();
    // After the sales-representative settings are saved: UlozIniAKonec, then the whole start-up
    // again from the event loop, once the caller's handler has returned.
    void ZnovuSpust();
    // The desktop session is ending (log-off, shut-down, a termination signal): the settings are
    // written once if the program is running.
    void KonecSezeni();

    bool bezi() const { return m_bezi; }
    const TabulkaArtiklu& cenik() const { return m_cenik; }
    // The price-list browser's Sort and Filtr change only the table's display order.
    TabulkaArtiklu& cenik() { return m_cenik; }
    QString souborNastaveni() const;
    // The offer synchronisation with its log in the status window (the start-up's offer and the
    // offer list's command).
    void synchronizujVeStavu();

private:
    bool spust();
    void ulozNastaveni();
    bool odmitni(const QString& text, Ikona ikona);

    GlobalniData& m_g;
    IOknaStartu& m_okna;
    IKontrolaAktualizace& m_aktualizace;
    ISynchronizaceNabidek& m_synchronizace;
    NacteniCeniku m_nactiCenik;
    JedinaInstance m_instance;
    TabulkaArtiklu m_cenik;
    bool m_bezi = false;
    bool m_ulozenoKoncemSezeni = false;
};
