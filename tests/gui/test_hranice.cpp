// The boundary between Qt's events and the core: an error in a handler is shown and the window
// stays usable; the end of the session ends a nested wait cleanly and saves the settings.
#include "app/HlidacSignalu.h"
#include "app/QtProgram.h"
#include "platform/Cekani.h"
#include "platform/Guard.h"
#include "platform/IniFile.h"
#include "support/GuiSupport.h"
#include "support/TestSupport.h"

#include <QPushButton>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>

TEST(Hranice, AnOverflowInAHandlerIsShownAndTheWindowStaysUsable) {
    FakeServices sluzby;
    QPushButton tlacitko;
    int kliknuti = 0;
    pripoj(&tlacitko, &QPushButton::clicked, &tlacitko, [&] {
        if (++kliknuti == 1) throw ChybaPreteceni();
    });
    tlacitko.show();
    tlacitko.click();
    ASSERT_EQ(sluzby.dialogs.zpravy.size(), 1);
    EXPECT_EQ(sluzby.dialogs.zpravy[0].text, QStringLiteral("Chyba č. 6: Přetečení (Overflow)"));
    tlacitko.click();
    EXPECT_EQ(kliknuti, 2);
    EXPECT_EQ(sluzby.dialogs.zpravy.size(), 1);
}

TEST(Hranice, TheSessionsEndEndsANestedWaitAndSavesTheSettings) {
    Instalace inst;
    FakeServices sluzby;
    QtProgram p;
    HlidacSignalu hlidac;
    QObject::connect(&hlidac, &HlidacSignalu::konecSezeni, &p, [&] { p.KonecSezeni(); });
    ASSERT_TRUE(p.aplikace().Main());
    p.data().nastaveni.ExtID = 78;

    // A wait that nothing but the end of the session can end, as a network wait would be.
    QTimer::singleShot(0, &hlidac, [] { std::raise(SIGTERM); });
    const KonecCekani konec = cekani::cekej([] { return false; });
    EXPECT_EQ(konec, KonecCekani::KonecSezeni);
    EXPECT_EQ(p.kodKonce(), 0);
    EXPECT_EQ(ini::cti(inst.ini(), QStringLiteral("UZIVATEL"), QStringLiteral("ExtID")), QStringLiteral("78"));
    obnovSmycky();
}
