#include "orders/OdeslaniObjednavky.h"

#include "net/clsBase64.h"
#include "net/clsRC4.h"
#include "orders/ObjednavkaXml.h"
#include "platform/Clock.h"
#include "platform/Cp1250.h"
#include "platform/DataPaths.h"
#include "platform/FileStore.h"
#include "platform/Services.h"

#include <QFileInfo>
#include <limits>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kYYMMDD = QStringLiteral("yyMMdd");

// The number after `n`; after the largest one numbering starts again at 1 (no copy is lost to a
// repeated number, each gets a free name).
qint32 dalsiCislo(qint32 n) { return n == std::numeric_limits<qint32>::max() ? 1 : n + 1; }

// The number between the first "[" and the first "]" of a reply, if it is one an order can have.
std::optional<qint32> cisloZOdpovedi(const QString& odpoved) {
    const qsizetype od = odpoved.indexOf(QLatin1Char('[')), po = odpoved.indexOf(QLatin1Char(']'));
    if (od < 0 || po <= od) return std::nullopt;
    bool ok = false;
    const qint32 n = odpoved.mid(od + 1, po - od - 1).trimmed().toInt(&ok);
    return ok && n >= 1 ? std::optional(n) : std::nullopt;
}

// The next number is kept at once: the order it follows is already on the server.
Vysledek<> ulozCislo(clsObjednavka& o) {
    const Vysledek<> v = o.Uloz_ini();
    if (v) return {};
    return Chyba{QStringLiteral("Číslo další objednávky se nepodařilo uložit.\n") + v.chyba()};
}

// The copy of an order in the folder for copies under the first free name of `jmeno`.htm,
// `jmeno`-2.htm, -3, ... (a server that repeats its numbers), and a note for the user when that
// is not `jmeno`.htm. The copy gets its name only when it is whole on disk: a kill or a power
// cut leaves no name holding an empty or a partial copy, and no copy goes over another, nor
// through a link left under a copy's name.
Vysledek<> zapisKopii(ModelObjednavky& m, const QString& zavod, const QString& cislo, const QString& jmeno,
                      QString& poznamka) {
    const QString zaklad = m.Objednavka.Vystup() + QLatin1Char('/') + jmeno;
    const auto nazev = [&](int i) {
        return resolvePath(i == 1 ? zaklad + QStringLiteral(".htm") : zaklad + QLatin1Char('-') + QString::number(i) + QStringLiteral(".htm"));
    };
    const Vysledek<QByteArray> html = htmlObjednavky(m, zavod, cislo);
    if (!html) return html.selhani();
    Vysledek<filestore::TempFile> docasna = filestore::createTemp(nazev(1), false);
    if (!docasna) return docasna.selhani();
    filestore::TempFile& kopie = *docasna;
    if (Vysledek<> v = kopie.write(*html); !v) return v;
    const Vysledek<QString> cesta = kopie.linkAs(nazev);
    if (!cesta) return cesta.selhani();
    const QString jmenoKopie = QFileInfo(*cesta).fileName();
    if (jmenoKopie != jmeno + QStringLiteral(".htm")) poznamka = kKopiePodJinymJmenem.arg(jmeno + QStringLiteral(".htm"), jmenoKopie);
    return {};
}

}  // namespace

std::optional<Odmitnuti<Fokus>> kontrolaOdeslani(const ModelObjednavky& m, const QString& pripojeni, const QDate& dnes,
                                                 const QString& chybaKlienta) {
    if (m.lstObjednavky.isEmpty()) return Odmitnuti<Fokus>{kNeniCoOdeslat};
    // Settings that could not be read are not the user's to fill in: the file is named.
    if (!m.Objednavka.chybaCteni().isEmpty()) return Odmitnuti<Fokus>{m.Objednavka.chybaCteni()};
    if (!chybaKlienta.isEmpty()) return Odmitnuti<Fokus>{chybaKlienta};
    if (m.Objednavka.Vystup().isEmpty()) return Odmitnuti<Fokus>{kChybiVystup};
    if (m.cmbZavod < 0) return Odmitnuti<Fokus>{kVyberteZavod, Fokus::cmbZavod};
    if (m.cmbZavod == kObchodnik) return std::nullopt;
    if (m.Objednavka.Email().isEmpty() || m.Objednavka.ID().isEmpty() || Val(pripojeni) == 0)
        return Odmitnuti<Fokus>{kNenastavenoPripojeni};
    const double rok = Val(m.txtDatumExpediceRok);
    if (rok < dnes.year() || rok > dnes.year() + 1) return Odmitnuti<Fokus>{kChybnyRok, Fokus::Rok};
    const double mesic = Val(m.txtDatumExpediceMesic);
    if (mesic < 1 || mesic > 12) return Odmitnuti<Fokus>{kChybnyMesic, Fokus::Mesic};
    const double den = Val(m.txtDatumExpediceDen);
    if (den < 1 || den > 31) return Odmitnuti<Fokus>{kChybnyDen, Fokus::Den};
    if (datumExpedice(m).toString(kYYMMDD) < dnes.toString(kYYMMDD)) return Odmitnuti<Fokus>{kExpediceVMinulosti, Fokus::Den};
    return std::nullopt;
}

Vysledek<QString> ZpravaObjednavky(ModelObjednavky& m, const QDate& dnes) {
    const QString hlavicka = QStringLiteral("H;") + m.Objednavka.ID() + QStringLiteral(";;") + dnes.toString(kYYMMDD) +
                             QLatin1Char(';') + datumExpedice(m).toString(kYYMMDD) + QLatin1Char(';');
    const QString konecHlavicky = QStringLiteral(";N;") + (m.chkNabidka ? QStringLiteral("P") : QStringLiteral("N")) +
                                  QLatin1Char(';') + kCrLf;
    QString zprava;
    for (int i = 0; i < m.Objednavka.Count(); ++i) {
        if (i > 0) m.Objednavka.setCisloObjednavky(dalsiCislo(m.Objednavka.CisloObjednavky()));
        zprava += hlavicka + QString::number(m.Objednavka.CisloObjednavky()) + konecHlavicky;
        // A refused sub-order is the one shown, for the user to mend.
        const auto odmitni = [&m, i](const QString& duvod) {
            m.vyber(i);
            return Chyba{duvod};
        };
        const CenaPodobjednavky c = m.oceneni(i);
        if (c.radky.isEmpty()) return odmitni(kBezZbozi);
        for (const RadekObjednavky& r : c.radky) {
            if (r.ks == 0) return odmitni(kNulovyPocet);
            zprava += QStringLiteral("A;") + r.kod + QLatin1Char(';') + QString::number(r.ks) + QLatin1Char(';') + kCrLf;
        }
        const QString& poznamka = m.Objednavka.Item(i + 1).Poznamka;
        if (!poznamka.isEmpty())
            for (const QString& radek : poznamka.split(kCrLf)) zprava += QStringLiteral("T;") + radek + QLatin1Char(';') + kCrLf;
        zprava += kCrLf;
    }
    return zprava;
}

QString zasifrujObjednavku(ModelObjednavky& m, const QString& zprava) {
    m.RC4.RC4ini(kKlicObjednavky);
    return QString::fromLatin1(m.B64.Encode(m.RC4.EnDeCrypt(cp1250::encode(zprava))));
}

Hlaseni<Fokus> mnuOdeslat_Click(ModelObjednavky& m, clsHTTP& http) {
    if (m.odesilani()) return {};
    const QDate dnes = platform::clock().today();
    if (std::optional<Odmitnuti<Fokus>> o = kontrolaOdeslani(m, http.Pripojeni(), dnes, http.chybaCteni())) return std::move(*o);
    const ModelObjednavky::Odesilani odesilani(m);
    Hlaseni<Fokus> v;
    const auto zaznamenej = [&v](const Vysledek<>& r) {
        if (!r) v.oznameni << r.chyba();
    };
    if (m.cmbZavod == kObchodnik) {
        QString cesta;
        if (const Vysledek<> e = ExportObjednavky(m, true, cesta); !e) return e.selhani();
        const qint32 n = m.Objednavka.CisloObjednavky();
        QString poznamka;
        zaznamenej(zapisKopii(m, kZavody[kObchodnik], {}, QStringLiteral("obch_") + QString::number(n), poznamka));
        if (!poznamka.isEmpty()) v.oznameni << poznamka;
        m.vyprazdni();
        m.Objednavka.setCisloObjednavky(dalsiCislo(n));
        zaznamenej(ulozCislo(m.Objednavka));
        return v;
    }
    const Vysledek<QString> zprava = ZpravaObjednavky(m, dnes);
    if (!zprava) return zprava.selhani();
    const QString zavod = kTextyZavodu[m.cmbZavod];
    const Vysledek<QString> odpoved =
        http.OdeslatObjednavku(m.Objednavka.ID(), m.Objednavka.Email(), zavod, zasifrujObjednavku(m, *zprava));
    if (!odpoved) return odpoved.selhani();
    if (odpoved->isEmpty()) return v;
    if (!odpoved->startsWith(QLatin1String("200"))) return Chyba{odpoved->mid(4)};
    // Without a number in the reply the copy keeps the number the order was sent under.
    const qint32 n = cisloZOdpovedi(*odpoved).value_or(m.Objednavka.CisloObjednavky());
    m.Objednavka.setCisloObjednavky(n);
    QString poznamka;
    zaznamenej(zapisKopii(m, zavod, QString::number(n), QString::number(n), poznamka));
    v.oznameni.prepend(poznamka.isEmpty() ? odpoved->mid(4) : odpoved->mid(4) + QLatin1Char('\n') + poznamka);
    m.vyprazdni();
    m.Objednavka.setCisloObjednavky(dalsiCislo(n));
    zaznamenej(ulozCislo(m.Objednavka));
    return v;
}
