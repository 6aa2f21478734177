// The start-up, the main menu and the shutdown as the user meets them, on the sample data.
#include "app/HlidacSignalu.h"
#include "app/QtProgram.h"
#include "costing/QtListSorveniky.h"
#include "platform/Cp1250.h"
#include "platform/IniFile.h"
#include "support/GuiSupport.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QCloseEvent>
#include <QtTest/qtestspontaneevent.h>
#include <csignal>
#include <gtest/gtest.h>

namespace {

// Two cross-sections, one article missing from the price list.
void tabulkaDorva(const Instalace& i) {
    writeBytes(i.data + QStringLiteral("/DORVA.txt"),
               cp1250::encode(QStringLiteral("\tsachta\r\n14\t16\r\nKD330\tKD330\r\n12345\t-\r\nNENI\tAB12\r\n")));
}

// A window the menu opens modally, counted instead of shown.
struct ZaznamOkna : IModalniOkno {
    int otevreno = 0;
    void ZobrazModalne() override { ++otevreno; }
};

template <typename T>
T* najdi(QWidget* okno, const QString& jmeno) {
    T* w = okno ? okno->findChild<T*>(jmeno) : nullptr;
    if (!w) throw std::runtime_error("no control " + jmeno.toStdString());
    return w;
}

void mys(QWidget* w, QEvent::Type typ, Qt::MouseButton tlacitko = Qt::LeftButton) {
    QMouseEvent e(typ, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), tlacitko, tlacitko, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
void klik(QWidget* w, Qt::MouseButton tlacitko = Qt::LeftButton) { mys(w, QEvent::MouseButtonPress, tlacitko); }
void dvojklik(QWidget* w) { mys(w, QEvent::MouseButtonDblClick); }

void napisAEnter(QLineEdit* box, const QString& text) {
    box->setText(text);
    QKeyEvent e(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box, &e);
}

struct PocitaniAktualizace : IKontrolaAktualizace {
    int volani = 0;
    void ZkontrolujAktualizaci(GlobalniData&) override { ++volani; }
};

}  // namespace

TEST(MainMenu, OpensOnTheSampleData) {
    Instalace inst;
    FakeServices sluzby;
    QtProgram p;
    ASSERT_TRUE(p.aplikace().Main());
    frmMenu* m = p.menu();
    ASSERT_TRUE(m);
    EXPECT_TRUE(m->isVisible());
    EXPECT_EQ(m->windowTitle(), QStringLiteral(" Sorvenika - Kestroma"));
    EXPECT_EQ(m->lblVerze->text(), QStringLiteral("verze: 9.4.2009"));
    EXPECT_EQ(m->txtProdejce->text(), QStringLiteral("Ukázkové stavebniny s.r.o."));
    EXPECT_EQ(m->txtDPH->text(), QStringLiteral("21"));
    for (int i : {1, 3, 4}) EXPECT_TRUE(m->SystemCombut(i)->isVisible()) << i;
    for (int i : {5, 6, 7}) EXPECT_FALSE(m->SystemCombut(i)->isVisible()) << i;
    EXPECT_TRUE(sluzby.dialogs.zpravy.isEmpty());
    EXPECT_GE(m->width(), 640);
}

TEST(MainMenu, ExitAndTheCloseBoxWriteIdenticalSettings) {
    enum Konec { TlacitkoExit, ZaviraciPolicko, ZavreniZKodu };
    auto konec = [](Konec jak, QByteArray& puvodni) {
        Instalace inst;
        FakeServices sluzby;
        puvodni = readBytes(inst.ini());
        QtProgram p;
        EXPECT_TRUE(p.aplikace().Main());
        frmMenu* m = p.menu();
        napisAEnter(m->txtDPH, QStringLiteral("20,5"));
        napisAEnter(m->txtProdejce, QStringLiteral("Nová firma s.r.o."));
        klik(najdi<QLabel>(m, QStringLiteral("Label9")));
        p.data().nastaveni.ExtID = 58;  // an offer was numbered during the run
        switch (jak) {
        case TlacitkoExit: m->Exit->click(); break;
        case ZaviraciPolicko: zaviraciPolicko(m); break;
        case ZavreniZKodu: m->close(); break;
        }
        EXPECT_EQ(p.kodKonce().has_value(), jak != ZavreniZKodu);
        return readBytes(inst.ini());
    };
    QByteArray puvodni;
    const QByteArray exit = konec(TlacitkoExit, puvodni);
    const QByteArray policko = konec(ZaviraciPolicko, puvodni);
    EXPECT_EQ(policko, exit);
    EXPECT_NE(exit, puvodni);
    const QString text = cp1250::decode(exit);
    for (const char* radek : {"DPH=20,5\r\n", "Prodejce=Nová firma s.r.o.\r\n", "Verze=MDAwMDAwMQ==\r\n", "ExtID=58\r\n"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(radek))) << radek;
    // Closing the window from code is no user's exit and writes nothing.
    EXPECT_EQ(konec(ZavreniZKodu, puvodni), puvodni);
}

TEST(MainMenu, RestartReadsEverythingAgainAndBuildsFreshWindows) {
    Instalace inst;
    tabulkaDorva(inst);
    FakeServices sluzby;
    PocitaniAktualizace aktualizace;
    int nacteniCeniku = 0;
    ZaznamOkna pruvodce;
    QtProgram::Navaznosti n;
    n.aktualizace = &aktualizace;
    n.pruvodce = &pruvodce;
    n.nactiCenik = [&] {
        ++nacteniCeniku;
        return TabulkaArtiklu::nactiCenik();
    };
    QtProgram p(n);
    ASSERT_TRUE(p.aplikace().Main());
    najdi<QToolButton>(p.menu(), QStringLiteral("SystemCombut3"))->click();
    const QPointer<frmMenu> staryMenu = p.menu();
    const QPointer<frmSorvenika> staryList = p.list()->okno();
    ASSERT_TRUE(staryList && staryList->isVisible());
    ASSERT_TRUE(ini::zapis(inst.ini(), QStringLiteral("NASTAVENI"), QStringLiteral("Platnost cen"), QStringLiteral("1.7.2026")));

    // What the sales-representative settings do after saving.
    p.aplikace().ZnovuSpust();
    EXPECT_EQ(p.menu(), nullptr);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(nacteniCeniku, 2);
    EXPECT_EQ(aktualizace.volani, 2);
    EXPECT_EQ(p.data().nastaveni.PlatnostCen, QStringLiteral("1.7.2026"));
    EXPECT_TRUE(staryMenu.isNull());
    EXPECT_TRUE(staryList.isNull());
    ASSERT_TRUE(p.menu());
    EXPECT_TRUE(p.menu()->isVisible());
    EXPECT_FALSE(p.kodKonce());
    EXPECT_EQ(p.list()->okno(), nullptr);
    // Only the program's own windows are left.
    int viditelna = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) viditelna += w->isVisible();
    EXPECT_EQ(viditelna, 1);
}

TEST(MainMenu, HiddenSwitchesSetFlagsFourAndSevenForTheNextStart) {
    Instalace inst;
    {
        FakeServices sluzby;
        QtProgram p;
        ASSERT_TRUE(p.aplikace().Main());
        frmMenu* m = p.menu();
        dvojklik(najdi<QLabel>(m, QStringLiteral("Label11")));
        klik(najdi<QLabel>(m, QStringLiteral("Label9")));
        dvojklik(najdi<QLabel>(m, QStringLiteral("Label5")));
        for (int i : {6, 7}) EXPECT_TRUE(m->SystemCombut(i)->isVisible()) << i;
        for (int i : {1, 3, 4}) EXPECT_FALSE(m->SystemCombut(i)->isVisible()) << i;
        dvojklik(najdi<QLabel>(m, QStringLiteral("Label6")));
        dvojklik(najdi<QLabel>(m, QStringLiteral("Label5")));
        for (int i : {1, 3, 4, 5}) EXPECT_TRUE(m->SystemCombut(i)->isVisible()) << i;
        EXPECT_TRUE(sluzby.dialogs.zpravy.isEmpty());
        m->Exit->click();
    }
    FakeServices sluzby;
    QtProgram p;
    ASSERT_TRUE(p.aplikace().Main());
    EXPECT_EQ(p.data().nastaveni.Verze, QStringLiteral("0001001"));
    EXPECT_TRUE(JePovoleno(p.data().nastaveni, 4));
    // The T-REMOL choice asks nothing now.
    EXPECT_TRUE(VolbaSystemu(5, p.data(), [](const TlacitkoSystemu&) { return std::optional<int>(0); }));
    EXPECT_TRUE(sluzby.dialogs.zpravy.isEmpty());
    // Visibility lasts for the run only.
    EXPECT_FALSE(p.menu()->SystemCombut(5)->isVisible());
}

TEST(MainMenu, VatBoxTakesEffectOnEnterOnly) {
    Instalace inst;
    FakeServices sluzby;
    QtProgram p;
    ASSERT_TRUE(p.aplikace().Main());
    frmMenu* m = p.menu();
    m->txtDPH->setText(QStringLiteral("15"));
    EXPECT_EQ(p.data().nastaveni.DPH, Currency::fromInt(21));

    const struct {
        QString text;
        qint64 dph;
        bool varovani;
    } kroky[] = {{"15", 15, false}, {"abc", 15, true}, {"", 15, true}, {"21", 21, false}};
    for (const auto& k : kroky) {
        SCOPED_TRACE(k.text.toStdString());
        sluzby.dialogs.zpravy.clear();
        m->txtDPH->setFocus();
        napisAEnter(m->txtDPH, k.text);
        EXPECT_EQ(p.data().nastaveni.DPH, Currency::fromInt(k.dph));
        EXPECT_EQ(sluzby.dialogs.zpravy.size(), k.varovani ? 1 : 0);
        EXPECT_EQ(m->focusWidget(), k.varovani ? static_cast<QWidget*>(m->txtDPH) : m->SystemCombut(1));
    }
    m->Exit->click();
    EXPECT_EQ(ini::cti(inst.ini(), QStringLiteral("NASTAVENI"), QStringLiteral("DPH")), QStringLiteral("21"));
}

TEST(MainMenu, ChoosingASystemLoadsItsItemsAndOpensTheSheet) {
    Instalace inst;
    tabulkaDorva(inst);
    FakeServices sluzby;
    ZaznamOkna pruvodce;
    QtProgram::Navaznosti n;
    n.pruvodce = &pruvodce;
    QtProgram p(n);
    ASSERT_TRUE(p.aplikace().Main());
    frmMenu* m = p.menu();
    m->SystemCombut(3)->click();

    const GlobalniData& g = p.data();
    EXPECT_EQ(g.sorvenikaParametry.SystemKod, 4);
    EXPECT_EQ(g.sorvenikaParametry.System, QStringLiteral("DORVA"));
    ASSERT_EQ(g.dataSystemu.Polozky.sloupcu(), 2);
    EXPECT_EQ(g.dataSystemu.Polozky(1, 1).Nazev, QStringLiteral("Komínový díl 330 mm"));
    EXPECT_EQ(g.dataSystemu.Polozky(1, 3).ObjZnak, QStringLiteral("?????"));
    frmSorvenika* list = p.list()->okno();
    ASSERT_TRUE(list && list->isVisible());
    // Then the parameter wizard.
    EXPECT_EQ(pruvodce.otevreno, 1);
    EXPECT_TRUE(sluzby.dialogs.zpravy.isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    zaviraciPolicko(list);

    // Without its item table the system is reported and the menu stays.
    sluzby.dialogs.zpravy.clear();
    QFile::remove(inst.data + QStringLiteral("/DORVA.txt"));
    m->SystemCombut(3)->click();
    EXPECT_TRUE(m->isVisible());
    ASSERT_EQ(sluzby.dialogs.zpravy.size(), 1);
    EXPECT_TRUE(sluzby.dialogs.zpravy[0].text.contains(QStringLiteral("DORVA.txt")));
    EXPECT_EQ(pruvodce.otevreno, 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(MainMenu, LinksOpenTheirAddressAndTurnPurple) {
    Instalace inst;
    FakeServices sluzby;
    QtProgram p;
    ASSERT_TRUE(p.aplikace().Main());
    frmMenu* m = p.menu();
    klik(m->web, Qt::RightButton);
    EXPECT_TRUE(sluzby.desktop.otevrene.isEmpty());
    klik(m->web);
    klik(m->mail[3]);
    EXPECT_EQ(sluzby.desktop.otevrene,
              (QStringList{QStringLiteral("http://www.kestroma.example"), QStringLiteral("mailto:vestron@kestroma.example")}));
    EXPECT_EQ(m->web->palette().color(QPalette::WindowText), QColor(128, 0, 128));
    EXPECT_NE(m->mail[0]->palette().color(QPalette::WindowText), QColor(128, 0, 128));
}

TEST(MainMenu, SalesRepresentativeSwitchNeedsAConnection) {
    const struct {
        QString pripojeni;
        bool nastaveniOZ;
    } pripady[] = {{"", false}, {"x", false}, {"3", true}};
    for (const auto& c : pripady) {
        SCOPED_TRACE(c.pripojeni.toStdString());
        Instalace inst;
        ASSERT_TRUE(ini::zapis(inst.data + QStringLiteral("/Objednavky.ini"), QStringLiteral("NASTAVENI"),
                               QStringLiteral("pripojeni"), c.pripojeni));
        FakeServices sluzby;
        QtProgram p;
        ASSERT_TRUE(p.aplikace().Main());
        dvojklik(najdi<QLabel>(p.menu(), QStringLiteral("Label2_1")));
        ASSERT_EQ(sluzby.dialogs.zpravy.size(), 1);
        if (c.nastaveniOZ) EXPECT_TRUE(sluzby.dialogs.zpravy[0].text.contains(QStringLiteral("obchodního zástupce")));
        else EXPECT_EQ(sluzby.dialogs.zpravy[0].text, kBezPripojeni);
    }
}

TEST(MainMenu, TerminationSignalSavesTheSettings) {
    Instalace inst;
    FakeServices sluzby;
    QtProgram p;
    HlidacSignalu hlidac;
    int prijato = 0;
    QObject::connect(&hlidac, &HlidacSignalu::konecSezeni, &p, [&](int s) {
        prijato = s;
        p.KonecSezeni();
    });
    ASSERT_TRUE(p.aplikace().Main());
    p.data().nastaveni.ExtID = 77;
    ASSERT_EQ(std::raise(SIGTERM), 0);
    QElapsedTimer t;
    t.start();
    while (!prijato && t.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(prijato, SIGTERM);
    EXPECT_EQ(p.kodKonce(), 0);
    EXPECT_EQ(ini::cti(inst.ini(), QStringLiteral("UZIVATEL"), QStringLiteral("ExtID")), QStringLiteral("77"));
    noveSezeni();
}
