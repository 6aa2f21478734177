#include "app/Start.h"

#include "app/SouborNastaveni.h"
#include "platform/Clock.h"
#include "platform/DataPaths.h"
#include "platform/Errors.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QTimer>

bool screenWideEnough(int px) { return px >= 800; }

bool NabidnoutSynchronizaci(const QDate& posledni, const QDate& dnes, bool serverDostupny, quint8 typUzivatele) {
    return posledni < dnes && serverDostupny && typUzivatele == 1;
}

Aplikace::Aplikace(GlobalniData& g, IOknaStartu& okna, IKontrolaAktualizace& aktualizace,
                   ISynchronizaceNabidek& synchronizace, NacteniCeniku nactiCenik)
    : m_g(g),
      m_okna(okna),
      m_aktualizace(aktualizace),
      m_synchronizace(synchronizace),
      m_nactiCenik(std::move(nactiCenik)) {}

QString Aplikace::souborNastaveni() const { return dataFile(kSouborNastaveni); }

bool Aplikace::odmitni(const QString& text, Ikona ikona) {
    MsgBox(text, Tlacitka::Ok, ikona);
    m_okna.uvolniVse();
    m_okna.ukonci(1);
    return false;
}

bool Aplikace::Main() {
    try {
        return spust();
    } catch (const RuntimeError& e) {
        // A start that cannot finish ends the program: there would be no window left to use.
        m_bezi = false;
        return odmitni(QStringLiteral("Chyba č. %1: %2").arg(e.cislo()).arg(e.popis()), Ikona::Kriticka);
    }
}

bool Aplikace::spust() {
    if (const Vysledek<> zamek = m_instance.zamkni(dataDir()); !zamek)
        return odmitni(zamek.chyba(), zamek.chyba() == kJizSpusten ? Ikona::Zadna : Ikona::Kriticka);
    if (!screenWideEnough(m_okna.sirkaObrazovky())) return odmitni(kMaloRozliseni, Ikona::Zadna);

    m_g.Koeficient = 1.0f;
    const Hlaseni<> nacteni = NactiIni(souborNastaveni(), m_g);
    if (nacteni.chyba) return odmitni(nacteni.chyba->zprava, Ikona::Kriticka);
    for (const QString& varovani : nacteni.oznameni) MsgBox(varovani, Tlacitka::Ok, Ikona::Vykricnik);

    m_cenik = m_nactiCenik();
    if (!m_cenik.varovani().isEmpty()) MsgBox(m_cenik.varovani(), Tlacitka::Ok, Ikona::Vykricnik);
    m_bezi = true;
    m_ulozenoKoncemSezeni = false;

    m_okna.nactiMenu();
    m_aktualizace.ZkontrolujAktualizaci(m_g);

    const Nastaveni& n = m_g.nastaveni;
    if (NabidnoutSynchronizaci(n.PosledniSynchronizace, platform::clock().today(), m_g.ServerDostupny, n.TypUzivatele) &&
        MsgBox(kOtazkaSynchronizace, Tlacitka::YesNo, Ikona::Zadna, kTitulekSynchronizace, 1) == Odpoved::Yes)
        synchronizujVeStavu();

    m_okna.zobrazMenu();
    QCoreApplication::processEvents();
    return true;
}

void Aplikace::synchronizujVeStavu() {
    m_okna.zobrazStav(kTitulekStavu, kProbihaSynchronizace, false);
    QCoreApplication::processEvents();
    QString log;
    try {
        log = m_synchronizace.SynchronizujNabidky(m_g);
    } catch (const RuntimeError& e) {
        // The start-up goes on whatever the synchronisation met; its log says what happened.
        log = QStringLiteral("Chyba č. %1: %2").arg(e.cislo()).arg(e.popis());
    }
    m_g.nastaveni.PosledniSynchronizace = platform::clock().today();
    m_okna.uvolniStav();
    m_okna.zobrazStav(kTitulekStavu, log, true);
    QCoreApplication::processEvents();
}

void Aplikace::ulozNastaveni() {
    const QString soubor = souborNastaveni();
    if (const Vysledek<> v = UlozIni(soubor, m_g.nastaveni); !v) {
        // The reason ends its own sentence before the loss is told.
        QString zprava = v.chyba();
        if (!zprava.endsWith(QLatin1Char('.')) && !zprava.endsWith(QLatin1Char('!'))) zprava += QLatin1Char('.');
        MsgBox(zprava + QLatin1Char('\n') + kNastaveniNeulozeno, Tlacitka::Ok, Ikona::Vykricnik, kTitulekUpozorneni);
    }
}

void Aplikace::UlozIniAKonec() {
    // Settings that were never read are not written over.
    if (m_bezi) ulozNastaveni();
    m_bezi = false;
    QCoreApplication::processEvents();
    m_okna.uvolniVse();
    m_g.dataSystemu = DataSystemu{};
    m_g.Systemy.clear();
}

void Aplikace::ZnovuSpust() {
    UlozIniAKonec();
    QCoreApplication::processEvents();
    // Not from inside the caller's handler: its window is being unloaded.
    QTimer::singleShot(0, this, [this] { Main(); });
}

void Aplikace::KonecSezeni() {
    if (!m_bezi || m_ulozenoKoncemSezeni) return;
    ulozNastaveni();
    m_ulozenoKoncemSezeni = true;
}
