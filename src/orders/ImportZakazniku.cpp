#include "orders/ImportZakazniku.h"

#include "platform/Cp1250.h"
#include "platform/FileStore.h"
#include "pricelist/DBF.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <algorithm>

namespace {

const QString kSloupec = QStringLiteral("Sloupec č. ");
const QByteArray kBom = QByteArrayLiteral("\xEF\xBB\xBF");

bool prazdny(const QStringList& bunky) {
    return std::all_of(bunky.begin(), bunky.end(), [](const QString& b) { return b.isEmpty(); });
}

// A row as the grid takes it: exactly `sloupcu` cells.
QStringList naSloupce(QStringList bunky, int sloupcu) {
    bunky.resize(sloupcu);
    return bunky;
}

}  // namespace

TabulkaCsv ctiZakazniciCsv(const QByteArray& obsah) {
    // One byte-order mark says UTF-8; a U+FEFF after it is text (QString::fromUtf8 would drop it).
    const QString text = obsah.startsWith(kBom)
                             ? QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)(obsah.mid(kBom.size()))
                             : cp1250::decode(obsah);
    QStringList radky = text.split(QLatin1Char('\n'));
    for (QString& r : radky)
        if (r.endsWith(QLatin1Char('\r'))) r.chop(1);
    // The grid split its rows at TAB as well: a cell holds neither.
    auto bunky = [](QStringView r) {
        QStringList b;
        qsizetype od = 0;
        for (qsizetype i = 0; i <= r.size(); ++i)
            if (i == r.size() || r[i] == u';' || r[i] == u'\t') {
                b << r.mid(od, i - od).toString();
                od = i + 1;
            }
        return b;
    };
    TabulkaCsv t;
    t.sloupcu = static_cast<int>(bunky(radky.front()).size());
    for (const QString& r : radky) {
        QStringList b = naSloupce(bunky(r), t.sloupcu);
        if (!prazdny(b)) t.radky << std::move(b);
    }
    return t;
}

const std::array<QString, kPoliZakaznika> ModelImportu::kPopisky = {
    QStringLiteral("Jméno:"), QStringLiteral("Příjmení (název společnosti):"), QStringLiteral("Ulice:"),
    QStringLiteral("PSČ:"), QStringLiteral("Město:")};

ModelImportu::ModelImportu(QString soubor) : m_soubor(std::move(soubor)) {}

void ModelImportu::nastavSloupce(int pocet) {
    T.setCols(pocet);
    for (int c = 0; c < pocet; ++c) {
        T.setTextMatrix(0, c, kSloupec + QString::number(c));
        T.setColWidth(c, kSirkaSloupce);
    }
    for (int& s : m_sloupce)
        if (s >= pocet) s = -1;
}

void ModelImportu::pridejRadek(const QStringList& bunky) {
    QStringList b = bunky;
    for (QString& s : b) s.replace(QLatin1Char('\t'), QLatin1Char(' '));
    T.AddItem(b.join(QLatin1Char('\t')));
}

Vysledek<> ModelImportu::nacti(const QString& cesta) {
    m_vybran = true;
    const QString druh = cesta.right(3).toLower();
    if (druh != QLatin1String("dbf") && druh != QLatin1String("csv")) return {};

    const QString nazev = QDir::toNativeSeparators(cesta);
    const Vysledek<QByteArray> precteno = filestore::readExisting(cesta);
    if (!precteno) return precteno.selhani();
    const QByteArray& obsah = *precteno;
    const Chyba bezDat{QStringLiteral("Soubor %1 neobsahuje žádná data.").arg(nazev)};

    if (druh == QLatin1String("csv")) {
        const TabulkaCsv t = ctiZakazniciCsv(obsah);
        if (t.radky.isEmpty()) return bezDat;
        FlexGridDavka davka(T);
        nastavSloupce(t.sloupcu);
        for (const QStringList& r : t.radky) pridejRadek(r);
    } else {
        Vysledek<DataDBF> d = zachyt([&] { return ctiDBF(obsah, nazev); });
        if (!d) return d.selhani();
        QList<QStringList> radky;
        for (const auto& zaznam : d->radky) {
            QStringList bunky;
            for (const BunkaDBF& b : zaznam) bunky << textBunky(b);
            if (!prazdny(bunky)) radky << std::move(bunky);
        }
        if (radky.isEmpty()) return bezDat;
        FlexGridDavka davka(T);
        T.setRows(1);
        nastavSloupce(d->pocetPoli());
        for (const QStringList& r : radky) pridejRadek(r);
    }
    zvyrazniNazvy();
    m_nacteno = true;
    return {};
}

void ModelImportu::zvyrazniNazvy() {
    if (T.Rows() < 2) return;
    for (int c = 0; c < T.Cols(); ++c) T.setCellFontBoldAt(1, c, m_prvniRadekNazvy);
}

void ModelImportu::setPrvniRadekNazvy(bool ano) {
    m_prvniRadekNazvy = ano;
    zvyrazniNazvy();
}

void ModelImportu::setSloupec(int seznam, int sloupec) {
    m_sloupce.at(static_cast<size_t>(seznam)) = sloupec >= 0 && sloupec < T.Cols() ? sloupec : -1;
}

QStringList ModelImportu::polozkySeznamu() const {
    QStringList l;
    if (!m_nacteno) return l;
    for (int c = 0; c < T.Cols(); ++c) l << kSloupec + QString::number(c);
    return l;
}

Zakaznici ModelImportu::zakaznici(int* zjednoduseno) const {
    // The fields in file order and the list each is taken from.
    static constexpr std::array<int, kPoliZakaznika> kZdroj = {Prijmeni, Jmeno, Ulice, Psc, Mesto};
    Zakaznici z;
    int zmeneno = 0;
    for (int r = m_prvniRadekNazvy ? 2 : 1; r < T.Rows(); ++r) {
        Zakaznik &zakaznik = z.emplace_back();
        for (size_t i = 0; i < zakaznik.size(); ++i) {
            const int c = sloupec(kZdroj[i]);
            zakaznik[i] = c < 0 ? QStringLiteral(" ") : T.TextMatrix(r, c).left(kNejdelsiText);
        }
        zmeneno += zjednodus(zakaznik);
    }
    seradZakazniky(z);
    if (zjednoduseno) *zjednoduseno = zmeneno;
    return z;
}

Vysledek<> ModelImportu::kontrola() const {
    if (std::all_of(m_sloupce.begin(), m_sloupce.end(), [](int c) { return c < 0; })) return Chyba{kZadnySloupec};
    const Zakaznici z = zakaznici();
    const bool prazdne = std::all_of(z.begin(), z.end(), [](const Zakaznik& zakaznik) {
        return std::all_of(zakaznik.begin(), zakaznik.end(), [](const QString& pole) { return pole.trimmed().isEmpty(); });
    });
    if (prazdne) return Chyba{kJenPrazdneZaznamy};
    return {};
}

Vysledek<int> ModelImportu::uloz() const {
    if (const Vysledek<> k = kontrola(); !k) return k.selhani();
    int zjednoduseno = 0;
    const Zakaznici z = zakaznici(&zjednoduseno);
    if (const Vysledek<> v = UlozZakazniky(m_soubor, z); !v) return v.selhani();
    return zjednoduseno;
}
