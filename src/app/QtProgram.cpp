#include "app/QtProgram.h"

#include "app/QtNabidky.h"
#include "app/frmMenu.h"
#include "app/frmStav.h"
#include "costing/ExportDoExcelu.h"
#include "costing/QtListSorveniky.h"
#include "costing/Sorvenika2Html.h"
#include "costing/frmTisk.h"
#include "engine/NactiSystem.h"
#include "parameters/QtPruvodceParametru.h"
#include "systems/Kalkulacky.h"
#include "platform/Cekani.h"
#include "platform/Guard.h"
#include "platform/KonceRadku.h"
#include "platform/QtWidgety.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#ifndef QT_NO_SESSIONMANAGER
#include <QSessionManager>
#endif

// QT_LOGGING_RULES="sorvenika.start.info=true" reports when the main menu is up (start-up timing).
Q_LOGGING_CATEGORY(lcStart, "sorvenika.start", QtWarningMsg)

namespace {

QtProgram::Navaznosti doplnene(QtProgram::Navaznosti n) {
    if (!n.nactiCenik) n.nactiCenik = &TabulkaArtiklu::nactiCenik;
    return n;
}

}  // namespace

QtProgram::QtProgram() : QtProgram(Navaznosti{}) {}

QtProgram::QtProgram(Navaznosti n)
    : m_list(std::make_unique<QtListSorveniky>(
          m_g, [this](QWidget* w) { zaregistruj(w); },
          [this] {
              frmSorvenika::Sluzby s;
              s.zpetDoMenu = [this] { zobrazMenu(); };
              s.konec = [this] { Exit(); };
              s.kalkulacky = vytvorKalkulacky(m_g);
              s.pruvodce = m_n.pruvodce;
              s.objednavky = m_n.objednavky;
              s.adresar = &m_adresar;
              s.importZakazniku = &m_importZakazniku;
              s.objednavka = dynamic_cast<IObjednavka*>(m_n.objednavky);
              s.nabidky = m_nabidky.get();
              s.nabidka = [this](const Kalkulace& k) { m_nabidky->lblNabidka_Click(k); };
              s.vystupy.Sorvenika2Html = &Sorvenika2Html;
              s.vystupy.Tisk = [this](const Kalkulace& k) { return TiskniSDialogem(m_list->okno(), m_g, k); };
              s.vystupy.ExportDoExcelu = [](const Kalkulace& k) -> Vysledek<> {
                  const Vysledek<QString> v = [&] {
                      const KurzorCekani h;
                      return ExportDoExcelu(k);
                  }();
                  if (!v) return v.selhani();
                  return {};
              };
              return s;
          })),
      m_n(doplnene(n)),
      m_aplikace(m_g, *this, m_n.aktualizace ? *m_n.aktualizace : m_kontrolaAktualizace,
                 m_n.synchronizace ? *m_n.synchronizace : m_synchronizaceServeru, m_n.nactiCenik),
      m_artikly(m_aplikace.cenik()),
      m_seznamPolozek(m_aplikace.cenik(), [this](QWidget* w) { zaregistruj(w); }),
      m_objednavkovyList(
          [this] {
              frmObjednavka::Sluzby s;
              s.cenik = &m_aplikace.cenik();
              s.DPH = m_g.nastaveni.DPH;
              s.zobrazCenik = [this](ICilObjednavky* cil) { m_seznamPolozek.Zobraz(cil); };
              s.odpojCenik = [this](const ICilObjednavky& cil) { m_seznamPolozek.odpoj(cil); };
              s.oknoCeniku = [this]() -> const QWidget* { return m_seznamPolozek.okno(); };
              return s;
          },
          [this](QWidget* w) { zaregistruj(w); }) {
    if (!m_n.list) m_n.list = m_list.get();
    m_pruvodce = std::make_unique<QtPruvodceParametru>(m_g, *m_list, [this](QWidget* w) { zaregistruj(w); });
    if (!m_n.pruvodce) m_n.pruvodce = m_pruvodce.get();
    if (!m_n.objednavky) m_n.objednavky = &m_objednavkovyList;
    if (!m_n.nastaveniOZ) m_n.nastaveniOZ = &m_nastaveniOZ;
    m_nabidky = std::make_unique<QtNabidky>(
        m_g, QtNabidky::Sluzby{&m_seznamPolozek, &m_aplikace.cenik(), [this] { m_aplikace.synchronizujVeStavu(); }, [this](QWidget* w) { zaregistruj(w); }});

    // Hiding the menu for the costing sheet or unloading everything for a restart must not end
    // the program; only Exit and the session's end do.
    QApplication::setQuitOnLastWindowClosed(false);
#ifndef QT_NO_SESSIONMANAGER
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { m_aplikace.KonecSezeni(); });
#endif
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { m_aplikace.KonecSezeni(); });
}

QtProgram::~QtProgram() {
    for (const QPointer<QWidget>& w : m_okna) delete w.data();
}

void QtProgram::spust() {
    QTimer::singleShot(0, this, [this] {
        if (m_aplikace.Main()) qCInfo(lcStart, "hlavní nabídka zobrazena");
    });
}

bool QtProgram::smiSkoncit() {
    // An order waiting for the server, or sub-orders not sent yet, are the order sheet's to settle.
    frmObjednavka* o = m_objednavkovyList.okno();
    return !o || o->smiSkoncit();
}

bool QtProgram::Exit() {
    if (!smiSkoncit()) return false;
    m_aplikace.UlozIniAKonec();
    QCoreApplication::processEvents();
    ukonci(0);
    return true;
}

void QtProgram::KonecSezeni() {
    m_aplikace.KonecSezeni();
    m_kodKonce = 0;
    // The settings are saved. Every wait and modal window ends with the loop; the code behind
    // them sees the session ending and asks nothing more.
    cekani::ukonciSezeni();
    QCoreApplication::exit(0);
}

void QtProgram::zaregistruj(QWidget* okno) {
    m_okna.removeAll(nullptr);
    if (!m_okna.contains(okno)) m_okna << okno;
}

int QtProgram::sirkaObrazovky() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().width() : 0;
}

bool QtProgram::nactiSystem() { return ohlas(NactiSystem(m_g, m_artikly)); }

void QtProgram::vyberZakaznika(const RadkyZakaznika& radky) {
    if (frmSorvenika* list = m_list->okno())
        for (int i = 0; i < 3; ++i) list->model().setZakaznik(i, radky[static_cast<size_t>(i)]);
}

void QtProgram::nactiMenu() {
    if (m_menu) return;
    frmMenu::Sluzby s;
    s.Exit = [this] { return Exit(); };
    s.NactiSystem = [this] { return nactiSystem(); };
    s.list = m_n.list;
    s.pruvodce = m_n.pruvodce;
    s.objednavky = m_n.objednavky;
    s.nastaveniOZ = m_n.nastaveniOZ;
    m_menu = new frmMenu(m_g, std::move(s));
    zaregistruj(m_menu);
}

void QtProgram::zobrazMenu() {
    nactiMenu();
    ukazOkno(m_menu);
}

void QtProgram::zobrazStav(const QString& titulek, const QString& text, bool modalne) {
    if (!m_stav) {
        m_stav = new frmStav;
        zaregistruj(m_stav);
    }
    m_stav->setWindowTitle(titulek);
    m_stav->txt->setPlainText(radky::naLf(text));
    m_stav->cmdZavrit->setEnabled(modalne);
    if (modalne) {
        m_stav->exec();
        uvolniStav();
    } else {
        m_stav->show();
    }
}

void QtProgram::uvolniStav() {
    if (!m_stav) return;
    m_stav->hide();
    m_stav->deleteLater();
    m_okna.removeAll(m_stav.data());
    m_stav = nullptr;
}

void QtProgram::uvolniVse() {
    const QList<QPointer<QWidget>> okna = m_okna;
    m_okna.clear();
    m_menu = nullptr;
    m_stav = nullptr;
    for (const QPointer<QWidget>& w : okna) {
        if (!w) continue;
        // A dialog waiting in exec() leaves its loop first.
        if (auto* d = qobject_cast<QDialog*>(w.data()); d && d->isVisible()) d->done(QDialog::Rejected);
        w->hide();
        w->deleteLater();
    }
}

void QtProgram::ukonci(int kod) {
    m_kodKonce = kod;
    QCoreApplication::exit(kod);
}
