// Every window fits an 800x600 screen, the smallest the start-up accepts, with the frame a window
// manager adds. The wizard's frames are held by its own test; the costing sheet sizes itself to
// the screen's free area.
#include "app/QtProgram.h"
#include "app/frmStav.h"
#include "parameters/frmPrislusenstvi.h"
#include "support/GuiSupport.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <gtest/gtest.h>

TEST(MalaObrazovka, EveryWindowFitsWithItsFrame) {
    Instalace inst;
    FakeServices sluzby;
    QtProgram program;
    ASSERT_TRUE(program.aplikace().Main());
    frmStav stav;
    stav.show();
    ModelPrislusenstvi m({"MIV2R", "14/16", false, 0, 4}, {});
    frmPrislusenstvi prislusenstvi(m);
    prislusenstvi.show();
    QCoreApplication::processEvents();

    int oken = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible()) continue;
        ++oken;
        EXPECT_TRUE(vejdeSeNaMalouObrazovku(w->frameGeometry().size()))
            << w->objectName().toStdString() << " " << w->width() << "x" << w->height();
    }
    EXPECT_EQ(oken, 3);
}
