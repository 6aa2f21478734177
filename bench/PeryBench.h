#pragma once
// What the network benchmarks run against on 127.0.0.1, for the whole run: the stand-in
// manufacturer's server (its folder "server"), tinyproxy with Basic authorisation (user "tester",
// password "heslo") and microsocks, all in one temporary folder.
#include "support/Peers.h"

#include <QTemporaryDir>
#include <memory>

struct PeryBench {
    QTemporaryDir dir;
    std::unique_ptr<Peer> server, proxy, socks;

    PeryBench();
    // Why a peer does not run; empty when all three do.
    QString chyba() const;
    QString adresaServeru() const;
    // Settings of the data folder `data` for connection mode `rezim` (1 direct, 2 HTTP proxy,
    // 3 SOCKS5) through these peers: Objednavky.ini (the section NASTAVENI ends with `dalsi`, CR LF
    // lines) and Sorvenika.ini with the proxy's user.
    void nastav(const QString& data, int rezim, const QString& dalsi = {}) const;
};
