#include "net/NastaveniPripojeni.h"

#include "net/ProtokolHTTP.h"
#include "platform/DataPaths.h"

void NastaveniPripojeni::Form_Load() {
    if (chybaCteni().isEmpty() && http::rezimPripojeni(m_http.Pripojeni()) == 0) {
        m_http.setPripojeni(m_detekce.pripojeno() ? QStringLiteral("1") : QStringLiteral("0"));
        QString proxy = m_detekce.proxyServer(m_http.Server());
        proxy.remove(QStringLiteral("http://")).remove(QStringLiteral("https://"));
        if (!proxy.isEmpty()) {
            // Host and port are the first two pieces between colons, whatever follows them.
            if (proxy.contains(QLatin1Char(':'))) {
                const QStringList kusy = proxy.split(QLatin1Char(':'));
                m_http.setProxy(kusy[0]);
                m_http.setPort(kusy[1]);
            }
            m_http.setPripojeni(QStringLiteral("2"));
        }
    }
    txtID = m_objednavka.ID;
    txtMail = m_objednavka.Email;
    lblVystup = m_objednavka.Vystup;
    const QString rezim = m_http.Pripojeni().trimmed();
    optPripojeni = rezim.size() == 1 && rezim[0] >= QLatin1Char('0') && rezim[0] <= QLatin1Char('3') ? rezim.toInt() : -1;
    txtProxy = m_http.Proxy();
    txtPort = m_http.Port();
    txtUsr = m_http.User();
    txtPwd = m_http.Password();
    txtSOCKS5Server = m_http.SOCKS5Server();
    txtSOCKS5Port = m_http.SOCKS5Port();
    chkAutorizace = m_http.ProxyAuthorization();
}

void NastaveniPripojeni::optPripojeni_Click(int index) {
    optPripojeni = index;
    m_http.setPripojeni(QString::number(index));
}

void NastaveniPripojeni::chkAutorizace_Click(bool zaskrtnuto) { m_http.setProxyAuthorization(zaskrtnuto); }

void NastaveniPripojeni::txtUsr_Change(const QString& text) { m_http.setUser(text); }

void NastaveniPripojeni::txtPwd_Change(const QString& text) { m_http.setPassword(text); }

void NastaveniPripojeni::Enter(Adresa pole, const QString& text) {
    const QString t = text.trimmed();
    switch (pole) {
        case Adresa::Proxy: m_http.setProxy(t); break;
        case Adresa::Port: m_http.setPort(t); break;
        case Adresa::SOCKS5Server: m_http.setSOCKS5Server(t); break;
        case Adresa::SOCKS5Port: m_http.setSOCKS5Port(t); break;
    }
}

void NastaveniPripojeni::cmdProchazet(const QString& slozka) {
    if (slozka.isEmpty()) return;
    QString s = slozka;
    if (s.size() > 1 && (s.endsWith(QLatin1Char('/')) || s.endsWith(QLatin1Char('\\')))) s.chop(1);
    m_objednavka.Vystup = s;
    lblVystup = s;
}

Vysledek<QString> NastaveniPripojeni::cmdTestSpojeni_Click() {
    if (optPripojeni == 0) return Chyba{kNelzeTestovat};
    return m_http.TestSpojeni();
}

Vysledek<> NastaveniPripojeni::cmdOk_Click() {
    // Nothing goes into the objects, whose settings would be saved by halves or shown on the
    // order sheet as if they had been.
    if (const QString chyba = chybaCteni(); !chyba.isEmpty()) return Chyba{kPripojeniNeulozeno + QLatin1Char('\n') + chyba};
    m_objednavka.ID = txtID;
    m_objednavka.Email = txtMail;
    if (optPripojeni >= 0) m_http.setPripojeni(QString::number(optPripojeni));
    m_http.setProxy(txtProxy);
    m_http.setPort(txtPort);
    m_http.setSOCKS5Server(txtSOCKS5Server);
    m_http.setSOCKS5Port(txtSOCKS5Port);
    return uloz(true);
}

Vysledek<> NastaveniPripojeni::cmdStorno_Click() {
    if (!chybaCteni().isEmpty()) return {};
    return uloz(false);
}

Vysledek<> NastaveniPripojeni::uloz(bool klient) {
    Vysledek<> v = UlozUdajeObjednavek(dataFile(kSouborObjednavek), m_objednavka);
    if (v && (klient || m_http.zmeneno())) v = m_http.Uloz_ini();
    if (!v) return Chyba{kPripojeniNeulozeno + QLatin1Char('\n') + v.chyba()};
    return {};
}
