// The connection-settings dialog's logic with a scripted detection: what it finds when no mode is
// set, what each control writes into the client at once and what OK saves.
#include "net/NastaveniPripojeni.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

struct FakeDetekce : IDetekceSite {
    bool sit = true;
    QString proxy;
    int dotazu = 0;
    bool pripojeno() override { return ++dotazu, sit; }
    QString proxyServer(const QString&) override { return proxy; }
};

struct Misto {
    QTemporaryDir dir;
    Prostredi data{"SORVENIKA_DATA", dir.path().toUtf8()};
    explicit Misto(const QByteArray& spojeni) {
        writeBytes(dir.filePath("Objednavky.ini"),
                   "[NASTAVENI]\r\n" + spojeni + "server=objednavky.example\r\nid=K-17\r\nemail=a@b.cz\r\nvystup=/kopie\r\n");
        writeBytes(dir.filePath("Sorvenika.ini"), "[UZIVATEL]\r\nProxyAuthorization=0\r\n");
    }
    QByteArray objednavky() const { return readBytes(dir.filePath("Objednavky.ini")); }
};

}  // namespace

TEST(NastaveniPripojeni, DetectsTheConnectionOnlyWithoutAMode) {
    struct { QByteArray rezim; bool sit; QString proxy; int opt; QString Proxy, Port; bool bezSouboru = false; } pripady[] = {
        {"0", false, {}, 0, {}, {}},
        {"", true, {}, 1, {}, {}},
        {"", true, {}, 1, {}, {}, true},                                    // no settings file yet: a first set-up
        {"0", true, "http://proxy:3128", 2, "proxy", "3128"},
        {"0", false, "proxy", 2, {}, {}},                                   // no ":": mode 2, fields empty
        {"0", true, "http=proxy:3128;https=proxy:3129", 2, "http=proxy", "3128;https=proxy"},
        {"3", false, "proxy:1", 3, {}, {}},                                 // a mode set: nothing is asked
        {"7", true, {}, -1, {}, {}},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.rezim.toStdString() + " " + p.proxy.toStdString() + (p.bezSouboru ? " no file" : ""));
        Misto m("pripojeni=" + p.rezim + "\r\n");
        if (p.bezSouboru) QFile::remove(m.dir.filePath("Objednavky.ini"));
        clsHTTP http;
        NastaveniObjednavek objednavka = NactiNastaveniObjednavek(m.dir.filePath("Objednavky.ini"));
        FakeDetekce detekce;
        detekce.sit = p.sit;
        detekce.proxy = p.proxy;
        NastaveniPripojeni d(http, objednavka, detekce);
        d.Form_Load();
        EXPECT_EQ(d.optPripojeni, p.opt);
        EXPECT_EQ(d.txtProxy, p.Proxy);
        EXPECT_EQ(d.txtPort, p.Port);
        EXPECT_EQ(detekce.dotazu, http::rezimPripojeni(p.rezim) == 0 ? 1 : 0);
        EXPECT_EQ(d.chybaCteni(), "");
        EXPECT_EQ(d.txtID + d.lblVystup, p.bezSouboru ? "" : "K-17/kopie");
        if (p.opt >= 0) {
            EXPECT_EQ(http.Pripojeni(), QString::number(p.opt));
        }
        const QByteArray ini = readBytes(m.dir.filePath("Sorvenika.ini"));
        ASSERT_TRUE(d.cmdStorno_Click());  // over a stored mode nothing changed: the proxy's keys as they were
        EXPECT_TRUE(detekce.dotazu > 0 || readBytes(m.dir.filePath("Sorvenika.ini")) == ini);
    }
}

TEST(NastaveniPripojeni, LiveEditsStayAfterStornoAndOkSavesTheBoxesAsTyped) {
    Misto m("pripojeni=1\r\nproxy=stary\r\nport=1\r\n");
    FakeDetekce detekce;
    NastaveniObjednavek objednavka = NactiNastaveniObjednavek(m.dir.filePath("Objednavky.ini"));
    {
        clsHTTP http;
        NastaveniPripojeni d(http, objednavka, detekce);
        d.Form_Load();
        d.optPripojeni_Click(3);
        d.chkAutorizace_Click(true);
        d.txtUsr_Change(" jan ");
        d.txtProxy = "  novy  ";  // typed without Enter: not in the client yet
        EXPECT_EQ(http.Proxy(), "stary");
        d.Enter(NastaveniPripojeni::Adresa::SOCKS5Server, "  socks.local ");
        EXPECT_EQ(http.SOCKS5Server(), "socks.local");
        // The test takes the client as the edits left it.
        EXPECT_TRUE(d.cmdTestSpojeni_Click().chyba().startsWith("Nelze se připojit k socks.local:\r\n"));
        // Storno: the client keeps the edits, and they are saved as the dialog closes.
        ASSERT_TRUE(d.cmdStorno_Click());
        EXPECT_TRUE(m.objednavky().contains("pripojeni=3\r\nproxy=stary\r\n"));
        EXPECT_TRUE(m.objednavky().contains("SOCKS5server=socks.local\r\n"));
        EXPECT_EQ(readBytes(m.dir.filePath("Sorvenika.ini")), "[UZIVATEL]\r\nProxyAuthorization=-1\r\nProxyUser= jan \r\nProxyPwd=\r\n");

        // A file that cannot be written is told by its name and the reason.
        d.txtUsr_Change("eva");
        const QString ini = m.dir.filePath("Sorvenika.ini");
        QFile::remove(ini);
        QDir().mkdir(ini);
        EXPECT_EQ(d.cmdStorno_Click().chyba(),
                  kPripojeniNeulozeno + "\nSoubor " + ini + " nelze přečíst: Je adresářem.");
        QDir().rmdir(ini);
    }

    clsHTTP http;
    NastaveniPripojeni d(http, objednavka, detekce);
    d.Form_Load();
    d.optPripojeni_Click(0);
    EXPECT_EQ(d.cmdTestSpojeni_Click().chyba(), kNelzeTestovat);
    d.cmdProchazet("");
    EXPECT_EQ(objednavka.Vystup, "/kopie");
    d.cmdProchazet("/");
    EXPECT_EQ(d.lblVystup, "/");  // the root keeps its only slash
    d.cmdProchazet("C:\\Objednavky\\");
    EXPECT_EQ(d.lblVystup, "C:\\Objednavky");
    d.txtID = "K-18";
    d.txtProxy = " p ";
    d.txtSOCKS5Port = "1080 ";
    ASSERT_TRUE(d.cmdOk_Click());
    const NastaveniObjednavek ulozene = NactiNastaveniObjednavek(m.dir.filePath("Objednavky.ini"));
    EXPECT_EQ(ulozene.ID, "K-18");
    EXPECT_EQ(ulozene.Vystup, "C:\\Objednavky");
    EXPECT_EQ(ulozene.spojeni.Pripojeni, "0");
    EXPECT_TRUE(m.objednavky().contains("proxy= p \r\n"));
    EXPECT_TRUE(m.objednavky().contains("SOCKS5port=1080 \r\n"));
}

// The proxy's keys that could not be read keep OK from writing the order settings too, which
// could be read: nothing of the dialog is saved by halves. Storno says and writes nothing.
TEST(NastaveniPripojeni, UnreadableProxySettingsAreNamedAndNothingIsWritten) {
    Misto m("pripojeni=0\r\n");
    const QString ini = m.dir.filePath("Sorvenika.ini");
    QFile::remove(ini);
    QDir().mkdir(ini);
    const QByteArray pred = m.objednavky();
    clsHTTP http;
    NastaveniObjednavek objednavka = NactiNastaveniObjednavek(m.dir.filePath("Objednavky.ini"));
    FakeDetekce detekce;
    NastaveniPripojeni d(http, objednavka, detekce);
    d.Form_Load();
    const QString chyba = "Soubor " + ini + " nelze přečíst: Je adresářem.";
    EXPECT_EQ(d.chybaCteni(), chyba);
    EXPECT_EQ(std::pair(d.optPripojeni, detekce.dotazu), std::pair(0, 0));  // as stored, nothing proposed
    d.cmdProchazet("/jinam");
    d.txtID = "K-18";
    EXPECT_EQ(d.cmdOk_Click().chyba(), kPripojeniNeulozeno + "\n" + chyba);
    EXPECT_EQ(objednavka.ID, "K-17");  // what the order sheet shows after the dialog
    EXPECT_TRUE(d.cmdStorno_Click());
    EXPECT_EQ(m.objednavky(), pred);
}

TEST(DetekceSite, ProxyOfTheSystemOrOfTheEnvironment) {
    struct { const char* promenna; QString proxy; } promenne[] = {
        {"http://u:pw@proxy:3128/", "proxy:3128"}, {"proxy.local:8080", "proxy.local:8080"}, {"socks5://s:1080", ""}, {" ", ""}};
    for (const auto& p : promenne) EXPECT_EQ(proxyZPromenne(p.promenna), p.proxy) << p.promenna;
    EXPECT_TRUE(bezProxy("localhost, .example.cz", "server.EXAMPLE.cz"));
    EXPECT_FALSE(bezProxy("ample.cz,localhost", "example.cz"));
    const QByteArray trasy = "Iface\tDestination\tGateway\tFlags\neth0\t0000A8C0\t00000000\t0001\n";
    EXPECT_FALSE(vychoziTrasa(trasy));
    EXPECT_FALSE(vychoziTrasa(trasy + "eth0\t00000000\t0100A8C0\t0002\n"));  // not up
    EXPECT_TRUE(vychoziTrasa(trasy + "eth0\t00000000\t0100A8C0\t0003\n"));

    // all_proxy, which Qt does not read, and http_proxy, which it does, unless no_proxy names the server.
    DetekceSiteQt detekce;
    Prostredi a("http_proxy", ""), b("HTTP_PROXY", ""), c("all_proxy", "http://vse:8080"), d("no_proxy", "");
    EXPECT_EQ(detekce.proxyServer("server.cz"), "vse:8080");
    Prostredi e("http_proxy", "http://u:p@proxy.local:3128/");
    EXPECT_EQ(detekce.proxyServer("server.cz:81"), "proxy.local:3128");
    Prostredi f("no_proxy", "server.cz");
    EXPECT_EQ(detekce.proxyServer("server.cz:81"), "");
}
