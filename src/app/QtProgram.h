#pragma once
// The program as one object: the shared state, the start-up, the windows (each created on first
// use and destroyed when unloaded) and the services, any of which a test may replace.
#include "engine/ArtiklyCeniku.h"
#include "engine/GlobalniData.h"
#include "app/KontrolaAktualizace.h"
#include "app/Navaznosti.h"
#include "app/Start.h"
#include "app/frmMenu.h"
#include "app/frmStav.h"
#include "offers/frmNastaveniOZ.h"
#include "orders/frmAdresar.h"
#include "orders/frmImport.h"
#include "orders/QtObjednavkovyList.h"
#include "pricelist/QtSeznamPolozek.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>

class QtListSorveniky;
class QtNabidky;
class QtPruvodceParametru;

class QtProgram : public QObject, private IOknaStartu {
    Q_OBJECT
public:
    // What a test puts in place of the program's own windows and services; what is left empty is
    // the program's own.
    struct Navaznosti {
        IKontrolaAktualizace* aktualizace = nullptr;
        ISynchronizaceNabidek* synchronizace = nullptr;
        Aplikace::NacteniCeniku nactiCenik;
        IListSorveniky* list = nullptr;
        IModalniOkno* pruvodce = nullptr;
        IOkno* objednavky = nullptr;
        IModalniOkno* nastaveniOZ = nullptr;
    };

    explicit QtProgram(Navaznosti n);
    QtProgram();
    ~QtProgram() override;

    // Runs Main from the event loop.
    void spust();
    // frmMenu.Exit_Click: writes the settings, unloads the windows and ends the process; not
    // while the order sheet waits for the server or the user keeps its sub-orders (false).
    bool Exit();
    // The session is ending: the settings are written once, then the process ends.
    void KonecSezeni();

    Aplikace& aplikace() { return m_aplikace; }
    GlobalniData& data() { return m_g; }
    frmMenu* menu() const { return m_menu; }
    frmStav* stav() const { return m_stav; }
    QtListSorveniky* list() const { return m_list.get(); }
    // The price-list browser, for the order sheet and the offer form to open.
    QtSeznamPolozek& seznamPolozek() { return m_seznamPolozek; }
    QtObjednavkovyList& objednavkovyList() { return m_objednavkovyList; }
    // The offers: the sheet's offer, the offer form and the offer list.
    QtNabidky& nabidky() { return *m_nabidky; }
    // Set once the program has been told to end.
    std::optional<int> kodKonce() const { return m_kodKonce; }

    // Every window of the program goes through here so that the shutdown unloads it.
    void zaregistruj(QWidget* okno);

private:
    int sirkaObrazovky() const override;
    void nactiMenu() override;
    void zobrazStav(const QString& titulek, const QString& text, bool modalne) override;
    void uvolniStav() override;
    void zobrazMenu() override;
    void uvolniVse() override;
    void ukonci(int kod) override;

    // Before the windows are unloaded, to end or to restart: not while the order sheet waits for
    // the server, and its sub-orders go only when the user agrees.
    bool smiSkoncit();
    bool nactiSystem();
    void vyberZakaznika(const RadkyZakaznika& radky);

    GlobalniData m_g;
    KontrolaAktualizace m_kontrolaAktualizace;
    SynchronizaceServeru m_synchronizaceServeru;
    QtNastaveniOZ m_nastaveniOZ{m_g.nastaveni, [this](QWidget* w) { zaregistruj(w); }, [this] { return smiSkoncit(); },
                                [this] { m_aplikace.ZnovuSpust(); }};
    // The customer database of the settings; a chosen customer goes to the loaded costing sheet.
    OknoAdresare m_adresar{[this] { return souborZakazniku(m_g.nastaveni); }, [this](const RadkyZakaznika& r) { vyberZakaznika(r); }};
    OknoImportu m_importZakazniku{[this] { return souborZakazniku(m_g.nastaveni); }};
    std::unique_ptr<QtListSorveniky> m_list;
    std::unique_ptr<QtPruvodceParametru> m_pruvodce;
    Navaznosti m_n;
    Aplikace m_aplikace;
    ArtiklyCeniku m_artikly;
    QtSeznamPolozek m_seznamPolozek;
    QtObjednavkovyList m_objednavkovyList;
    std::unique_ptr<QtNabidky> m_nabidky;

    QPointer<frmMenu> m_menu;
    QPointer<frmStav> m_stav;
    QList<QPointer<QWidget>> m_okna;
    std::optional<int> m_kodKonce;
};
