#include "net/clsHTTP.h"

#include "net/MSocketSupport.h"
#include "platform/Cekani.h"
#include "platform/DataPaths.h"

#include <QRandomGenerator>

struct clsHTTP::Pruchod {
    enum Jak { Hotovo, BezPripojeni, BezServeru, NelzePripojit, Socks5, Vyprselo, Zaneprazdnen, ProxyOdmitl, PrilisVelka };
    Jak jak;
    QString text;  // the processed reply, the unreachable "host:port", the refusal of a proxy
};

void clsHTTP::PozdeSmazat::operator()(clsSocket* s) const {
    s->disconnect();
    s->CloseSocket();
    s->deleteLater();
}

clsHTTP::clsHTTP() : Rnd([] { return QRandomGenerator::global()->generateDouble(); }) {
    const NastaveniObjednavek n = NactiNastaveniObjednavek(dataFile(kSouborObjednavek));
    m_spojeni = n.spojeni;
    m_server = n.server;
    m_autorizace = NactiAutorizaciProxy(dataFile(kSouborNastaveni));
    m_chybaCteni = n.chybaCteni.isEmpty() ? m_autorizace.chybaCteni : n.chybaCteni;
}

clsHTTP::~clsHTTP() {
    // The connection dialog saves and reports its changes as it closes; this is the last attempt
    // for a dialog that the restart unloads. The client goes with its window, so no one is left
    // to be told of a failure. Only what was changed here: another client may have saved newer
    // settings meanwhile.
    if (m_zmeneno) (void)Uloz_ini();
}

Vysledek<> clsHTTP::Uloz_ini() {
    // Empty values read in place of the stored ones would replace them.
    if (!m_chybaCteni.isEmpty()) return Chyba{m_chybaCteni};
    if (Vysledek<> v = UlozSpojeni(dataFile(kSouborObjednavek), m_spojeni); !v) return v;
    if (Vysledek<> v = UlozAutorizaciProxy(dataFile(kSouborNastaveni), m_autorizace); !v) return v;
    m_zmeneno = false;
    return {};
}

QByteArray clsHTTP::radkyRezimu() const {
    return http::radkyRezimu(http::rezimPripojeni(m_spojeni.Pripojeni), m_autorizace.ProxyAuthorization,
                             m_autorizace.User, m_autorizace.Password);
}

clsHTTP::Pruchod clsHTTP::proved(const http::Cil& cil, const QByteArray& hlavicka, const QByteArray& telo,
                                 Limity limity, bool chybaKonciOdpoved) {
    if (m_zaneprazdnen) return {Pruchod::Zaneprazdnen, kKlientZaneprazdnen};
    const int rezim = http::rezimPripojeni(m_spojeni.Pripojeni);
    QString host;
    QString port;
    switch (rezim) {
        case 1: host = cil.host, port = QString::number(cil.port); break;
        case 2: host = m_spojeni.Proxy, port = m_spojeni.Port; break;
        case 3: host = m_spojeni.SOCKS5Server, port = m_spojeni.SOCKS5Port; break;
        default: return {Pruchod::BezPripojeni, {}};
    }
    if (cil.host.trimmed().isEmpty()) return {Pruchod::BezServeru, kServerNenastaven};
    const QString kam = host + QLatin1Char(':') + port;

    m_zaneprazdnen = true;
    const std::unique_ptr<bool, void (*)(bool*)> uvolneni(&m_zaneprazdnen, [](bool* b) { *b = false; });
    SOCK.reset(new clsSocket(prekladac));
    clsSocket* s = SOCK.get();
    m_prilisVelka = false;
    QObject::connect(s, &clsSocket::OnDataArrival, s, [this](qint64 celkem) { SOCK_OnDataArrival(celkem); });
    try {
        // A host or port the socket cannot use is a connection that failed, as is a refused one.
        s->Connect(host, http::cisloPortu(port));
        const auto spojeno = [s] { return s->State() == clsSocket::sckConnected || s->State() == clsSocket::sckError; };
        if (cekani::cekej(spojeno, limity.pripojeni) != KonecCekani::Splneno || s->State() != clsSocket::sckConnected) {
            SOCK.reset();
            return {Pruchod::NelzePripojit, kam};
        }
        if (rezim == 3) {
            const QString socks = SOCKS5_login(cil, limity.odpoved);
            if (socks != http::socks5::kOK) return {Pruchod::Socks5, socks};
        }
        m_odpoved.clear();
        s->SendData(hlavicka);
        s->SendData(telo);
    } catch (const SocketError&) {
        SOCK.reset();
        return {Pruchod::NelzePripojit, kam};
    }
    // An HTTP proxy that refuses answers with its own status, and may break the connection
    // after it without reading the rest of the request.
    const auto odmitnuti = [&] { return rezim == 2 ? http::odmitnutiProxy(m_odpoved, s->State() == clsSocket::sckError) : std::nullopt; };
    // The server ends its reply by closing the connection.
    const auto dorazila = [&] {
        return m_prilisVelka || s->State() == clsSocket::sckClosed ||
               (s->State() == clsSocket::sckError && (chybaKonciOdpoved || odmitnuti()));
    };
    const bool dockano = cekani::cekej(dorazila, limity.odpoved) == KonecCekani::Splneno;
    const std::optional<QString> proxy = odmitnuti();
    const bool uplna = dockano && s->State() == clsSocket::sckClosed && http::odpovedUplna(m_odpoved);
    SOCK.reset();
    if (uplna && !proxy) return {Pruchod::Hotovo, ZpracujOdpoved()};
    // What came of a reply that failed is of no use to anyone.
    m_odpoved = QByteArray();
    if (m_prilisVelka) return {Pruchod::PrilisVelka, {}};
    if (proxy) return {Pruchod::ProxyOdmitl, kProxyOdmitla.arg(*proxy)};
    // A reset, or a close before the whole reply, is the reply that did not come.
    return {Pruchod::Vyprselo, {}};
}

void clsHTTP::SOCK_OnDataArrival(qint64) {
    if (!SOCK) return;
    // A reply past the limit is not read any further; what came of it goes at once.
    if (m_prilisVelka) return void(SOCK->GetData());
    if (m_odpoved.size() + SOCK->BytesReceived() <= limitOdpovedi) return void(m_odpoved += SOCK->GetData());
    m_prilisVelka = true;
    SOCK->GetData();
    m_odpoved = QByteArray();
}

QString clsHTTP::SOCKS5_login(const http::Cil& cil, qint64 limit) {
    const std::optional<QByteArray> connect = http::socks5::pozadavekConnect(cil.host, cil.port);
    if (!connect) return QStringLiteral("Název serveru je pro SOCKS5 příliš dlouhý.");
    // Two bytes of whatever came before must not pass for the proxy's answer.
    m_odpoved.clear();
    // The proxy's answers are short; a silent proxy costs no more than the operation's own limit.
    const auto dvaBajty = [this, limit] {
        return cekani::cekej([this] { return m_odpoved.size() >= 2; }, limit) == KonecCekani::Splneno;
    };
    SOCK->SendData(http::socks5::pozdrav());
    if (!dvaBajty()) {
        SOCK.reset();
        return kTimeoutVyprsel;
    }
    if (!*http::socks5::metodaPrijata(m_odpoved)) return http::socks5::kMetodaOdmitnuta;
    SOCK->SendData(*connect);
    m_odpoved.clear();
    if (!dvaBajty()) {
        SOCK.reset();
        return kTimeoutVyprsel;
    }
    return *http::socks5::vysledekConnect(m_odpoved);
}

// What an operation says when its pass brought no reply; "%1" in `nelzePripojit` stands for the
// "host:port" that could not be reached.
struct clsHTTP::Nezdar {
    QString nelzePripojit;
    QString vyprselo;
    QString prilisVelka;
    QString poOdmitnutiProxy;  // added after the proxy's own refusal
};

Vysledek<QString> clsHTTP::vysledek(const Pruchod& p, const Nezdar& n) {
    switch (p.jak) {
        case Pruchod::Hotovo:
        case Pruchod::BezPripojeni: return p.text;
        case Pruchod::NelzePripojit: return Chyba{QString(n.nelzePripojit).replace(QLatin1String("%1"), p.text)};
        case Pruchod::Vyprselo: return Chyba{n.vyprselo};
        case Pruchod::PrilisVelka: return Chyba{n.prilisVelka};
        case Pruchod::ProxyOdmitl: return Chyba{p.text + n.poOdmitnutiProxy};
        case Pruchod::BezServeru:
        case Pruchod::Socks5:
        case Pruchod::Zaneprazdnen: break;
    }
    return Chyba{p.text};
}

Vysledek<QString> clsHTTP::TestSpojeni() {
    // Settings that could not be read hold no server and no mode: the failure is what is wrong.
    if (!m_chybaCteni.isEmpty()) return Chyba{m_chybaCteni};
    const Pruchod p = proved(http::rozdelHostitele(m_server), http::hlavickaTestu(m_server, radkyRezimu()), {},
                             limitTestu, true);
    return vysledek(p, {QStringLiteral("Nelze se připojit k %1\r\nPravděpodobně máte špatně nastavené připojení k Internetu."),
                        kVyprselLimitTestu, kOdpovedPrilisVelka, {}});
}

Vysledek<QString> clsHTTP::OdeslatObjednavku(const QString& ID, const QString& mail, const QString& Zavod,
                                             const QString& Objednavka) {
    if (!m_chybaCteni.isEmpty()) return Chyba{m_chybaCteni};
    const http::Nahrani n{http::kCestaObjednavek, ID + QStringLiteral(".csv"),
                          QStringLiteral("id=%1; mail=%2; zavod=%3").arg(ID, mail, Zavod), Objednavka};
    const http::Pozadavek r = http::pozadavekNahrani(m_server, n, http::konecHranice(Rnd), radkyRezimu());
    const Pruchod p = proved(http::rozdelHostitele(m_server), r.hlavicka, r.telo, limitObjednavky, false);
    // A reply that ends before its text may still follow an order the server took.
    if (p.jak == Pruchod::Hotovo && p.text.isEmpty()) return Chyba{kObjednavkaNepotvrzena};
    // The proxy that refused did not pass the order on: it was not sent.
    return vysledek(p, {kNelzeSePripojitKServeru, kObjednavkaNepotvrzena,
                        kOdpovedPrilisVelka + QStringLiteral("\r\n") + kObjednavkaNepotvrzena,
                        QStringLiteral("\r\nObjednávka nebyla odeslána.")});
}

Vysledek<QString> clsHTTP::OdeslatNabidky(const QString& Nabidky) {
    if (!m_chybaCteni.isEmpty()) return Chyba{m_chybaCteni};
    const http::Nahrani n{http::kCestaNabidek, QStringLiteral("cmd.txt"), {}, Nabidky};
    const http::Pozadavek r = http::pozadavekNahrani(m_server, n, http::konecHranice(Rnd), radkyRezimu());
    const Pruchod p = proved(http::rozdelHostitele(m_server), r.hlavicka, r.telo, limitNabidek, false);
    return vysledek(p, {kNelzeSePripojitKServeru, kTimeoutVyprsel, kOdpovedPrilisVelka, {}});
}

Vysledek<QString> clsHTTP::StahniInfoOAktualizaci(const QString& Adresa) {
    const http::Adresa a = http::rozdelAdresu(Adresa);
    const Pruchod p = proved(http::rozdelHostitele(a.host), http::hlavickaStazeni(a, radkyRezimu()), {},
                             limitAktualizace, true);
    // Whatever else keeps the information from coming is the server being out of reach.
    if (p.jak == Pruchod::Socks5 || p.jak == Pruchod::Zaneprazdnen) return Chyba{p.text};
    return p.jak == Pruchod::Hotovo || p.jak == Pruchod::BezPripojeni ? p.text : kServerNedostupny;
}
