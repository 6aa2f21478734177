// The program's exit, restart and end of session as the user meets them, and the main menu's
// links, on the sample data.
#include "app/HlidacSignalu.h"
#include "app/QtProgram.h"
#include "costing/QtListSorveniky.h"
#include "platform/Cp1250.h"
#include "platform/IniFile.h"
#include "support/BezPravaCist.h"
#include "support/GuiSupport.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QtTest/QTest>
#include <csignal>
#include <gtest/gtest.h>

namespace {

template <typename T = QLabel>
T* najdi(QWidget* okno, const char* jmeno) {
    T* w = okno ? okno->findChild<T*>(QString::fromLatin1(jmeno)) : nullptr;
    if (!w) throw std::runtime_error(std::string("no control ") + jmeno);
    return w;
}

void mys(QWidget* w, QEvent::Type typ, Qt::MouseButton tlacitko = Qt::LeftButton) {
    QMouseEvent e(typ, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), tlacitko, tlacitko, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
void klik(QWidget* w, Qt::MouseButton tlacitko = Qt::LeftButton) { mys(w, QEvent::MouseButtonPress, tlacitko); }
void dvojklik(QWidget* w) { mys(w, QEvent::MouseButtonDblClick); }

void napisAEnter(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->setText(text);
    QKeyEvent e(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box, &e);
}

}  // namespace

TEST(MainMenu, ExitAndTheCloseBoxWriteIdenticalSettings) {
    enum Konec { TlacitkoExit, ZaviraciPolicko, ZavreniZKodu };
    auto konec = [](Konec jak, QByteArray& puvodni) {
        Instalace inst;
        FakeServices sluzby;
        puvodni = readBytes(inst.ini());
        QtProgram p;
        EXPECT_TRUE(p.aplikace().Main());
        frmMenu* m = p.menu();
        // Enter takes the seller and the VAT; a VAT that is no number is refused and keeps the focus.
        m->txtDPH->setText(QStringLiteral("15"));
        napisAEnter(m->txtProdejce, QStringLiteral("Nová firma s.r.o."));
        EXPECT_EQ(m->focusWidget(), m->SystemCombut(1));
        EXPECT_EQ(p.data().nastaveni.DPH, Currency::fromInt(21));
        napisAEnter(m->txtDPH, QStringLiteral("abc"));
        EXPECT_EQ(sluzby.dialogs.zpravy.size(), 1);
        EXPECT_EQ(m->focusWidget(), m->txtDPH);
        napisAEnter(m->txtDPH, QStringLiteral("20,5"));
        EXPECT_EQ(m->focusWidget(), m->SystemCombut(1));
        // The hidden switches of flags seven and four.
        klik(najdi(m, "Label9"));
        dvojklik(najdi(m, "Label11"));
        p.data().nastaveni.ExtID = 58;  // an offer was numbered during the run
        switch (jak) {
        case TlacitkoExit: m->Exit->click(); break;
        case ZaviraciPolicko: EXPECT_TRUE(zaviraciPolicko(m)); break;
        case ZavreniZKodu: m->close(); break;
        }
        EXPECT_EQ(p.kodKonce().has_value(), jak != ZavreniZKodu);
        // The exit unloads the windows and erases the tables.
        EXPECT_EQ(p.data().Systemy.empty(), jak != ZavreniZKodu);
        EXPECT_EQ(p.menu() == nullptr, jak != ZavreniZKodu);
        return readBytes(inst.ini());
    };
    QByteArray puvodni;
    const QByteArray exit = konec(TlacitkoExit, puvodni);
    const QByteArray policko = konec(ZaviraciPolicko, puvodni);
    EXPECT_EQ(policko, exit);
    const QString text = cp1250::decode(exit);
    for (const char* radek : {"DPH=20,5\r\n", "Prodejce=Nová firma s.r.o.\r\n", "Verze=MDAwMTAwMQ==\r\n", "ExtID=58\r\n"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(radek))) << radek;
    // Closing the window from code is no user's exit and writes nothing.
    EXPECT_EQ(konec(ZavreniZKodu, puvodni), puvodni);
    obnovSmycky();
}

// A seller or VAT rate left without Enter is in use at once, for the costing, the order sheet, the
// representative's settings and the settings file; a rate that is no number is warned about at every
// leave ("|" parts: left one after another, an empty one as it stands), keeps the focus, runs nothing.
TEST(MainMenu, TheSellerAndTheVatInUseAreThoseTheBoxesShow) {
    enum Jak { Enter, Tab, KlikNaSystem, Objednavky, ZastupceOZ, JineOkno, TlacitkoExit, ZaviraciPolicko };
    const QString z = kZadejteCislo, m100 = kSazbaDPHMimoRozsah, puvodni = QStringLiteral("Ukázkové stavebniny s.r.o.");
    const struct { bool dph; const char* text; Jak jak; QString prodejce; QString sazba; QStringList varovani; } radky[] = {
        {false, "Firma Novak", Tab, "Firma Novak", "21", {}},
        {false, "  Firma Novak ", Enter, "Firma Novak", "21", {}},
        {false, "Firma Novak", KlikNaSystem, "Firma Novak", "21", {}},
        {false, "Firma Novak", ZastupceOZ, "Firma Novak", "21", {}},
        {false, "Firma Novak", JineOkno, "Firma Novak", "21", {}},
        {false, "Firma Novak", TlacitkoExit, "Firma Novak", "21", {}},
        {false, "Firma Novak", ZaviraciPolicko, "Firma Novak", "21", {}},
        {true, "15", Tab, puvodni, "15", {}},
        {true, "15|21", Tab, puvodni, "21", {}},
        {true, "20,5", KlikNaSystem, puvodni, "20,5", {}},
        {true, "15", Objednavky, puvodni, "15", {}},
        {true, "15", JineOkno, puvodni, "15", {}},
        {true, "15", ZaviraciPolicko, puvodni, "15", {}},
        {true, "abc", Tab, puvodni, "21", {z, z}},
        {true, "150|", Tab, puvodni, "21", {m100, m100, m100}},
        {true, "150", Enter, puvodni, "21", {m100, m100}},
        {true, "150", ZastupceOZ, puvodni, "21", {m100}},
        {true, "abc", ZaviraciPolicko, puvodni, "21", {z}},
    };
    for (const auto& r : radky) {
        SCOPED_TRACE(testing::Message() << r.text << " / " << r.jak);
        Instalace inst;
        FakeServices sluzby;
        ASSERT_TRUE(ini::zapis(inst.data + QStringLiteral("/Objednavky.ini"), QStringLiteral("NASTAVENI"),
                               QStringLiteral("pripojeni"), QStringLiteral("3")));
        struct : IModalniOkno { std::function<void()> o; void ZobrazModalne() override { o(); } } kalkulace, nastaveniOZ;
        struct : IOkno { std::function<void()> o; void Zobraz() override { o(); } } objednavky;
        QtProgram p({.nactiCenik = {}, .pruvodce = &kalkulace, .objednavky = &objednavky, .nastaveniOZ = &nastaveniOZ});
        ASSERT_TRUE(p.aplikace().Main() && aktivni(p.menu()));
        frmMenu* m = p.menu();
        const auto pouzito = [&] { return std::pair(p.data().nastaveni.Prodejce, TextDPH(p.data().nastaveni)); };
        std::optional<std::pair<QString, QString>> otevrenoS;  // what the window the menu opened found in use
        kalkulace.o = nastaveniOZ.o = objednavky.o = [&] { otevrenoS = pouzito(); };
        QLineEdit* box = r.dph ? m->txtDPH : m->txtProdejce;
        for (const QString& krok : QString::fromUtf8(r.text).split(u'|')) {
            if (!krok.isEmpty()) box->setFocus(), box->selectAll(), QTest::keyClicks(box, krok);
            if (r.jak <= Tab) QTest::keyClick(box, r.jak == Enter ? Qt::Key_Return : Qt::Key_Tab);
            else if (r.jak == JineOkno) { QWidget jine; jine.show(); jine.activateWindow(); ASSERT_TRUE(aktivni(&jine)); }
            else if (r.jak == ZaviraciPolicko) zaviraciPolicko(m);
            else if (r.jak == ZastupceOZ) dvojklik(najdi(m, "Label2_0"));
            else QTest::mouseClick(r.jak == KlikNaSystem ? m->SystemCombut(3) : r.jak == Objednavky ? m->cmbObjednavky : static_cast<QWidget*>(m->Exit), Qt::LeftButton);
        }
        if (r.jak >= TlacitkoExit) {
            EXPECT_EQ(p.kodKonce().has_value(), r.varovani.isEmpty());
            EXPECT_EQ(std::pair(ini::cti(inst.ini(), "UZIVATEL", "Prodejce"), ini::cti(inst.ini(), "NASTAVENI", "DPH")), std::pair(r.prodejce, r.sazba));
        } else {
            EXPECT_EQ(pouzito(), std::pair(r.prodejce, r.sazba));
            if (!r.varovani.isEmpty()) { EXPECT_EQ(m->focusWidget(), m->txtDPH); }
            if (r.jak <= Tab || r.jak == JineOkno) QTest::mouseClick(m->SystemCombut(3), Qt::LeftButton);
            EXPECT_EQ(otevrenoS, r.varovani.isEmpty() ? std::optional(std::pair(r.prodejce, r.sazba)) : std::nullopt);
        }
        EXPECT_EQ(sluzby.dialogs.texty(), r.varovani);
    }
    obnovSmycky();
}

TEST(MainMenu, RestartReadsEverythingAgainAndBuildsFreshWindows) {
    Instalace inst;
    FakeServices sluzby;
    struct : IKontrolaAktualizace {
        int volani = 0;
        void ZkontrolujAktualizaci(GlobalniData& g) override { g.ServerDostupny = ++volani > 0; }
    } aktualizace;
    struct : IModalniOkno {
        void ZobrazModalne() override {}
    } pruvodce;
    int nacteniCeniku = 0;
    QtProgram::Navaznosti n;
    n.aktualizace = &aktualizace;
    n.pruvodce = &pruvodce;
    n.nactiCenik = [&] {
        ++nacteniCeniku;
        return TabulkaArtiklu::nactiCenik();
    };
    QtProgram p(n);
    ASSERT_TRUE(p.aplikace().Main());
    frmMenu* m = p.menu();
    // The button rows swap for this run only.
    dvojklik(najdi(m, "Label5"));
    for (int i : {1, 3, 4, 6, 7}) EXPECT_EQ(m->SystemCombut(i)->isVisible(), i > 5) << i;
    dvojklik(najdi(m, "Label6"));
    dvojklik(najdi(m, "Label5"));
    for (int i : {1, 3, 4, 5, 6}) EXPECT_EQ(m->SystemCombut(i)->isVisible(), i < 6) << i;
    m->SystemCombut(3)->click();
    const QPointer<frmMenu> staryMenu = m;
    const QPointer<frmSorvenika> staryList = p.list()->okno();
    ASSERT_TRUE(staryList && staryList->isVisible());
    ASSERT_TRUE(ini::zapis(inst.ini(), QStringLiteral("NASTAVENI"), QStringLiteral("Platnost cen"), QStringLiteral("1.7.2026")));
    p.data().nastaveni.TypUzivatele = 1;  // as the sales-representative settings leave it
    sluzby.dialogs.odpovedi = {Odpoved::No};

    // What the sales-representative settings do after saving; the start-up waits for the handler to return.
    p.aplikace().ZnovuSpust();
    EXPECT_EQ(p.menu(), nullptr);
    EXPECT_EQ(nacteniCeniku, 1);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(nacteniCeniku, 2);
    EXPECT_EQ(aktualizace.volani, 2);
    EXPECT_EQ(p.data().nastaveni.PlatnostCen, QStringLiteral("1.7.2026"));
    EXPECT_EQ(p.data().nastaveni.TypUzivatele, 1);
    // The privileged user is offered the synchronisation; the lock of the first start is still ours.
    EXPECT_EQ(sluzby.dialogs.texty(), QStringList{kOtazkaSynchronizace});
    EXPECT_FALSE(p.kodKonce());
    EXPECT_TRUE(staryMenu.isNull());
    EXPECT_TRUE(staryList.isNull());
    ASSERT_TRUE(p.menu());
    for (int i : {1, 3, 4, 5}) EXPECT_EQ(p.menu()->SystemCombut(i)->isVisible(), i < 5) << i;
    EXPECT_EQ(p.list()->okno(), nullptr);
    // Only the program's own windows are left.
    int viditelna = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) viditelna += w->isVisible();
    EXPECT_EQ(viditelna, 1);
}

TEST(MainMenu, LinksAndTheSalesRepresentativeSwitch) {
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

    // The sales-representative settings need a connection in the order settings, read at each click.
    dvojklik(najdi(m, "Label2_1"));
    ASSERT_TRUE(ini::zapis(inst.data + QStringLiteral("/Objednavky.ini"), QStringLiteral("NASTAVENI"),
                           QStringLiteral("pripojeni"), QStringLiteral("3")));
    bool otevreno = false;
    az([] { auto* w = modalni<frmNastaveniOZ>(); return w && w->isEnabled() ? w : nullptr; },
       [&](QWidget* w) {
           otevreno = true;
           static_cast<QDialog*>(w)->reject();
       });
    dvojklik(najdi(m, "Label2_1"));
    EXPECT_TRUE(otevreno);
    ASSERT_GE(sluzby.dialogs.zpravy.size(), 1);
    EXPECT_EQ(sluzby.dialogs.zpravy[0].text, kBezPripojeni);
    // An order settings file that cannot be read is named, not taken for a connection not set up.
    const QString objednavky = inst.data + QStringLiteral("/Objednavky.ini");
    ASSERT_TRUE(QFile::setPermissions(objednavky, {}));
    const qsizetype predtim = sluzby.dialogs.zpravy.size();
    {
        const BezPravaCist bezPrava;
        dvojklik(najdi(m, "Label2_1"));
    }
    ASSERT_EQ(sluzby.dialogs.zpravy.size(), predtim + 1);
    EXPECT_EQ(sluzby.dialogs.zpravy.back().text, QStringLiteral("Soubor %1 nelze přečíst: Přístup odepřen.").arg(objednavky));
}

TEST(MainMenu, TheEndOfTheSessionSavesOnceAndOnlyWhileRunning) {
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
    const auto ulozeno = [&] { return ini::cti(inst.ini(), QStringLiteral("UZIVATEL"), QStringLiteral("ExtID")); };
    p.data().nastaveni.ExtID = 77;
    ASSERT_EQ(std::raise(SIGTERM), 0);
    ASSERT_TRUE(dockej([&] { return prijato != 0; }));
    EXPECT_EQ(prijato, SIGTERM);
    EXPECT_EQ(p.kodKonce(), 0);
    EXPECT_EQ(ulozeno(), QStringLiteral("77"));
    // Each step sets ExtID, then ends the session or writes at the exit; the file shows what was saved.
    const struct { int extId; bool konecSezeni; const char* ulozeno; } kroky[] = {
        {78, true, "77"}, {78, false, "78"}, {79, true, "78"}};
    for (const auto& k : kroky) {
        p.data().nastaveni.ExtID = k.extId;
        if (k.konecSezeni) p.aplikace().KonecSezeni();
        else p.aplikace().UlozIniAKonec();
        EXPECT_EQ(ulozeno(), QLatin1String(k.ulozeno)) << k.extId;
    }
    obnovSmycky();
}
