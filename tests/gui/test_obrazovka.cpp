// Every window fits an 800x600 screen, the smallest the start-up accepts and the one the widget
// tests run on, with the frame a window manager adds. The wizard's frames are held by its own
// test; the costing sheet sizes itself to the screen's free area.
#include "app/QtNabidky.h"
#include "app/QtProgram.h"
#include "app/frmStav.h"
#include "parameters/frmPrislusenstvi.h"
#include "platform/IniFile.h"
#include "support/GuiSupport.h"
#include "support/ListProgramu.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The shown window of the class that takes input: a window waiting for the server does not.
QWidget* okno(const char* trida) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isEnabled() && qstrcmp(w->metaObject()->className(), trida) == 0) return w;
    return nullptr;
}

}  // namespace

// Each window opened as the program opens it, over a costing, then measured and closed again.
TEST(MalaObrazovka, EveryWindowFitsWithItsFrame) {
    Instalace inst;
    FakeServices sluzby;
    // A server that refuses at once: the account window gets its answer without waiting.
    ASSERT_TRUE(ini::zapis(inst.data + "/Objednavky.ini", "NASTAVENI", {{"pripojeni", "1"}, {"server", "127.0.0.1:1"}}));
    QtProgram program;
    ASSERT_TRUE(program.aplikace().Main());
    frmSorvenika* list = kalkulaceNaListu(program);
    const auto sheet = [&] {
        list->akce(Prikaz::mnuPridat)->trigger();
        return program.objednavkovyList().okno();
    };
    frmStav stav;
    ModelPrislusenstvi m({"MIV2R", "14/16", false, 0, 4}, {});
    frmPrislusenstvi prislusenstvi(m);

    const struct {
        const char* trida;
        std::function<void()> otevri;
    } okna[] = {
        {"frmMenu", [&] { program.menu()->show(); }},
        {"frmStav", [&] { stav.show(); }},
        {"frmPrislusenstvi", [&] { prislusenstvi.show(); }},
        {"frmNastaveniOZ", [&] {
             QMouseEvent e(QEvent::MouseButtonDblClick, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(program.menu()->findChild<QLabel*>("Label2_1"), &e);
         }},
        {"frmNabidka", [&] { emit list->lblNabidka->stisknuto(Qt::LeftButton); }},
        {"frmNabidky", [&] { program.nabidky().Zobraz(); }},
        {"frmObjednavka", sheet},
        {"frmNastaveni", [&] { sheet()->mnuNastaveni->trigger(); }},
        {"frmArt", [&] { sheet()->cmdKomponentyPridat->click(); }},
        {"frmAdresar", [&] { list->akce(Prikaz::mnu_Zakaznik)->trigger(); }},
        {"frmImport", [&] { list->akce(Prikaz::mnu_Import)->trigger(); }},
        {"frmPoznamka", [&] { emit list->lblPoznamka->stisknuto(Qt::LeftButton); }},
        {"frmTisk", [&] { list->akce(Prikaz::mnu_Tisk)->trigger(); }},
    };
    for (const auto& o : okna) {
        mezikrok();
        QSize ram;
        // From inside the modal loop of a modal window, after the command of one that is not.
        az([&] { return okno(o.trida); },
           [&](QWidget* w) {
               ram = w->frameGeometry().size();
               if (w != program.menu()) w->close();
           });
        o.otevri();
        ASSERT_TRUE(dockej([&] { return ram.isValid(); })) << o.trida;
        EXPECT_TRUE(vejdeSeNaMalouObrazovku(ram)) << o.trida << " " << ram.width() << "x" << ram.height();
    }
}
