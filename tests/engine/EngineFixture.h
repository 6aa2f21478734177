#pragma once
// A price list of tab-separated text (code, old code, name, price, weight) searched by linear scan,
// a second reader beside the article table's binary search.
#include "engine/GlobalniData.h"
#include "engine/Artikly.h"
#include "engine/Sorvenika.h"
#include "platform/FlexGrid.h"
#include "platform/Regional.h"
#include "support/TestSupport.h"
#include "costing/Kalkulace.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <stdexcept>
#include <vector>

class CenikFixture : public IArtikly {
public:
    struct Artikl {
        QString kod, stary, nazev;
        Currency cena;
        float vaha = 0;
    };

    explicit CenikFixture(const QString& soubor = QStringLiteral("engine/Cenik.txt")) {
        QFile f(testData(soubor));
        if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error(soubor.toStdString());
        const QStringList radky = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        for (qsizetype i = 1; i < radky.size(); ++i) {
            const QStringList p = radky[i].split(QLatin1Char('\t'));
            m_artikly.push_back({p[0], p[1], p[2], Currency::fromRaw(qRound64(p[3].toDouble() * 10000)), p[4].toFloat()});
        }
    }

    int NajdiArtikl(QString& kod) const override {
        if (kod == QLatin1String("-")) return 0;
        kod = kod.toUpper();
        for (size_t i = 0; i < m_artikly.size(); ++i)
            if (m_artikly[i].kod.toUpper() == kod) return static_cast<int>(i) + 1;
        return -1;
    }
    QString ObjZnak(int r) const override { return at(r).kod; }
    QString ObjZnakPuvodni(int r) const override { return at(r).stary; }
    QString Nazev(int r) const override { return at(r).nazev; }
    Currency Cena(int r) const override { return at(r).cena; }
    float Vaha(int r) const override { return at(r).vaha; }

private:
    const Artikl& at(int r) const { return m_artikly.at(static_cast<size_t>(r - 1)); }
    std::vector<Artikl> m_artikly;
};

// The costing sheet's two grids as it prepares them.
struct MrizkyFixture {
    FlexGrid tabulka{1, 6};
    FlexGrid tabSuma{1, 3};
    MrizkyFixture() {
        const QStringList hlavicka = QStringLiteral("Název dílu|Obj.č.|Obj.č. původní|Ks|Cena/Ks|Cena celkem").split(u'|');
        for (int c = 0; c < 6; ++c) tabulka.setTextMatrix(0, c, hlavicka[c]);
        tabSuma.setFixedRows(0);
        tabSuma.setRows(0);
        for (const char* r : {"Z původní ceny\t100\t%", "Celkem\t\tks", "Ceníková cena bez DPH \t\tKč", "Cena bez DPH \t\tKč",
                              "Cena s 20% DPH\t\tKč", "Předpokládaná váha\t\tKg"})
            tabSuma.AddItem(QString::fromUtf8(r));
    }
    MrizkySorveniky mrizky() { return {tabulka, tabSuma}; }
    QStringList radek(int r) const {
        QStringList t;
        for (int c = 0; c < tabulka.Cols(); ++c) t << tabulka.TextMatrix(r, c);
        return t;
    }
    QString suma(int r) const { return tabSuma.TextMatrix(r, 1); }
};

// Regional settings pinned for one test.
struct PevneNastaveni {
    explicit PevneNastaveni(const QString& locale = QStringLiteral("cs_CZ")) { Regional::setCurrent(locale); }
    ~PevneNastaveni() { Regional::setCurrent(QString()); }
};

// A state with the test system as code 1 ("TEST.txt", three cross-sections).
inline GlobalniData stavSTestSystemem(const QString& system = QStringLiteral("TEST")) {
    GlobalniData g;
    g.Systemy.resize(2);
    g.Systemy[1].Data = QStringLiteral("TEST.txt");
    g.Systemy[1].Nazev = QStringLiteral("Testovací systém");
    g.Systemy[1].NazevTisk = QStringLiteral("TEST tisk");
    g.Systemy[1].PiktogramPrurez = QStringLiteral("a.gif||b.gif");
    g.Systemy[1].PiktogramTisk = QStringLiteral("tisk.gif");
    g.sorvenikaParametry.SystemKod = 1;
    g.sorvenikaParametry.System = system;
    g.nastaveni.DPH = Currency::fromInt(20);
    return g;
}
