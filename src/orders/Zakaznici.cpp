#include "orders/Zakaznici.h"

#include "platform/Cp852.h"
#include "platform/DataPaths.h"
#include "pricelist/DBF.h"

#include <QCollator>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

namespace {

const QStringList kNazvyPoli = {QStringLiteral("PRIJMENI"), QStringLiteral("JMENO"), QStringLiteral("ULICE"),
                                QStringLiteral("PSC"), QStringLiteral("MESTO")};

}  // namespace

QString souborZakazniku(const Nastaveni& n) { return dataDir() + QLatin1Char('/') + n.Zakaznici; }

Vysledek<Zakaznici> NactiZakazniky(const QString& soubor, QString* varovani) {
    if (varovani) varovani->clear();
    // The first change creates the file at close.
    if (!QFileInfo::exists(resolvePath(soubor + QStringLiteral(".dbf")))) return Zakaznici{};
    return zachyt([&] {
        CtecDBF ctec(soubor);
        Zakaznici z;
        z.reserve(static_cast<size_t>(ctec.nejvyseZaznamu()));
        for (std::vector<BunkaDBF> radek; ctec.dalsi(radek);) {
            Zakaznik &zakaznik = z.emplace_back();
            for (size_t i = 0; i < zakaznik.size() && i < radek.size(); ++i) zakaznik[i] = textBunky(radek[i]);
        }
        if (varovani) *varovani = ctec.varovani();
        return z;
    });
}

Vysledek<> UlozZakazniky(const QString& soubor, const Zakaznici& zakaznici) {
    DataDBF d;
    d.nazvy = kNazvyPoli;
    d.radky.reserve(zakaznici.size());
    for (Zakaznik z : zakaznici) {
        zjednodus(z);
        d.radky.emplace_back(z.begin(), z.end());
    }
    return zachyt([&] { UlozDBF(soubor, d); });
}

int zjednodus(Zakaznik& zakaznik) {
    int zmeneno = 0;
    for (QString& pole : zakaznik) {
        const QString prosty = dbftext::prostyTvar(pole);
        if (prosty != pole) {
            pole = prosty;
            ++zmeneno;
        }
    }
    return zmeneno;
}

void seradZakazniky(Zakaznici& zakaznici) {
    QCollator c(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    c.setCaseSensitivity(Qt::CaseSensitive);
    std::stable_sort(zakaznici.begin(), zakaznici.end(),
                     [&](const Zakaznik& a, const Zakaznik& b) { return c.compare(a[PRIJMENI], b[PRIJMENI]) < 0; });
}

RadkyZakaznika radkyZakaznika(const Zakaznik& z) {
    return {z[PRIJMENI] + QLatin1Char(' ') + z[JMENO], z[ULICE], z[PSC] + QStringLiteral("  ") + z[MESTO]};
}

ModelAdresare::ModelAdresare(QString soubor) : m_soubor(std::move(soubor)) {}

Vysledek<> ModelAdresare::nacti() {
    Vysledek<Zakaznici> z = NactiZakazniky(m_soubor, &m_varovani);
    if (!z) return z.selhani();
    m_tabulka = std::move(*z);
    seradZakazniky(m_tabulka);
    m_zmenitSmazat = !m_tabulka.empty();
    Schovej_tlacitka();
    if (!m_tabulka.empty()) vyber(0);
    Zmena = false;
    return {};
}

QStringList ModelAdresare::seznam() const {
    QStringList l;
    l.reserve(static_cast<qsizetype>(m_tabulka.size()));
    for (const Zakaznik& z : m_tabulka) l << z[PRIJMENI];
    return l;
}

void ModelAdresare::vyber(int pozice) {
    if (pozice < 0 || pozice >= static_cast<int>(m_tabulka.size())) {
        m_vybrany = -1;
        m_cislo.clear();
        return;
    }
    m_vybrany = pozice;
    m_texty = m_tabulka[static_cast<size_t>(pozice)];
    m_cislo = QStringLiteral("Záznam č. %1 z %2").arg(pozice + 1).arg(m_tabulka.size());
}

void ModelAdresare::L_Click(int pozice) {
    if (!m_upravy) vyber(pozice);
}

void ModelAdresare::setText(int pole, const QString& text) {
    if (m_upravy) m_texty.at(static_cast<size_t>(pole)) = text.left(pole == PSC ? kNejdelsiPsc : kNejdelsiText);
}

void ModelAdresare::Refresh_dat() {
    seradZakazniky(m_tabulka);
    // Rebuilding the list leaves no entry chosen; the callers choose one.
    m_vybrany = -1;
}

QString ModelAdresare::cmbPrikaz_Click(int prikaz) {
    switch (prikaz) {
    case Novy:
        if (m_upravy) break;
        Akce = 0;
        Zobraz_tlacitka();
        Aktualni_zaznam = m_vybrany;
        m_texty = {};
        m_puvodni = {};
        m_zmenitSmazat = true;
        m_cisloViditelne = false;
        break;
    case Zmenit:
        // Without a chosen customer there is nothing to change.
        if (m_upravy || m_vybrany < 0) break;
        Akce = 1;
        Zobraz_tlacitka();
        Aktualni_zaznam = m_vybrany;
        m_puvodni = m_texty;
        break;
    case Smazat: {
        if (m_upravy || m_vybrany < 0) break;
        Aktualni_zaznam = m_vybrany;
        m_tabulka.erase(m_tabulka.begin() + Aktualni_zaznam);
        Refresh_dat();
        Zmena = true;
        if (m_tabulka.empty()) {
            m_texty = {};
            m_cislo.clear();
            m_zmenitSmazat = false;
            return QStringLiteral("Toto byl poslední záznam v databázi");
        }
        vyber(std::min(Aktualni_zaznam, static_cast<int>(m_tabulka.size()) - 1));
        break;
    }
    case Ok:
        if (!m_upravy) break;
        if (Akce == 0) {
            Zakaznik novy;
            for (size_t i = 0; i < novy.size(); ++i) novy[i] = m_texty[i].trimmed();
            // Stored and shown as the file will keep it.
            zjednodus(novy);
            m_tabulka.push_back(novy);
            Refresh_dat();
            Aktualni_zaznam = static_cast<int>(std::find(m_tabulka.begin(), m_tabulka.end(), novy) - m_tabulka.begin());
        } else {
            Zakaznik& zmeneny = m_tabulka[static_cast<size_t>(Aktualni_zaznam)];
            zmeneny = m_texty;
            zjednodus(zmeneny);
            Refresh_dat();
        }
        m_cisloViditelne = true;
        Schovej_tlacitka();
        vyber(Aktualni_zaznam);
        Zmena = true;
        break;
    case Storno:
        if (!m_upravy) break;
        m_cisloViditelne = true;
        Schovej_tlacitka();
        // "Nový" on an empty book: nothing to show again, and nothing to change or delete.
        if (m_tabulka.empty()) {
            m_texty = {};
            m_zmenitSmazat = false;
        }
        vyber(Aktualni_zaznam);
        break;
    }
    return {};
}

Vysledek<> ModelAdresare::uloz() {
    if (!Zmena) return {};
    Vysledek<> v = UlozZakazniky(m_soubor, m_tabulka);
    if (v) Zmena = false;
    return v;
}
