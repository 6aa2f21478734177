#include "costing/ExportDoExcelu.h"

#include "costing/ObsahVystupu.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/FileStore.h"
#include "platform/Regional.h"
#include "platform/Services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <memory>
#include <optional>
#include <xlsxwriter.h>
#include <zlib.h>

extern "C" int __vfprintf_chk(FILE* f, int flag, const char* format, va_list a);

namespace {

thread_local bool t_tichaKnihovna = false;

// Keeps the library's own messages off stderr while this thread writes a workbook.
struct TichaKnihovna {
    TichaKnihovna() { t_tichaKnihovna = true; }
    ~TichaKnihovna() { t_tichaKnihovna = false; }
    TichaKnihovna(const TichaKnihovna&) = delete;
    TichaKnihovna& operator=(const TichaKnihovna&) = delete;
};

}  // namespace

// libxlsxwriter prints each failure to stderr itself, with no switch to turn that off (it is
// compiled in); the export tells the user the reason in Czech instead. Only the thread writing a
// workbook is kept quiet: whatever another thread prints meanwhile goes out as always.
extern "C" int __fprintf_chk(FILE* f, int flag, const char* format, ...) {
    if (t_tichaKnihovna && f == stderr) return 0;
    va_list a;
    va_start(a, format);
    const int n = __vfprintf_chk(f, flag, format, a);
    va_end(a);
    return n;
}

namespace {

constexpr int kSloupcu = 6;
const QString kChyba = QStringLiteral("Chyba při exportu.\n");

enum class Druh { Zaznam, Text, Cislo, Cena };
constexpr std::array<Druh, kSloupcu> kDruhy = {Druh::Zaznam, Druh::Text, Druh::Text, Druh::Cislo, Druh::Cena, Druh::Cena};

// The text's width in characters, as the spreadsheet's own fit would make it.
double sirka(qsizetype znaku) { return static_cast<double>(znaku) * 1.1 + 2; }

// Why the library failed, in Czech; with the system's reason where the call that failed left one.
QString duvodKnihovny(lxw_error e, int chyba) {
    const QString system = chyba ? filestore::duvodSystemu(chyba) : QString();
    const auto s = [&](const QString& krok) { return system.isEmpty() ? krok : krok + QStringLiteral(": ") + system; };
    switch (e) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED: return QStringLiteral("nedostatek paměti");
    case LXW_ERROR_CREATING_TMPFILE: return s(QStringLiteral("dočasný soubor pro část sešitu nelze vytvořit"));
    case LXW_ERROR_READING_TMPFILE: return s(QStringLiteral("dočasný soubor s částí sešitu nelze přečíst"));
    case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED: return QStringLiteral("text buňky je delší než 32 767 znaků");
    case LXW_ERROR_CREATING_XLSX_FILE: return system.isEmpty() ? QStringLiteral("soubor nelze vytvořit") : system;
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_PARAMETER_ERROR:
    case LXW_ERROR_ZIP_BAD_ZIP_FILE:
    case LXW_ERROR_ZIP_INTERNAL_ERROR:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE: return system.isEmpty() ? QStringLiteral("archiv sešitu nelze dokončit") : system;
    default: return QStringLiteral("chyba knihovny sešitů č. %1").arg(static_cast<int>(e));
    }
}

// The members of a zip archive without ZIP64, as the library writes it, in the archive's order,
// each inflated and checked against the size and CRC of its central record; nullopt when any of
// them is not whole.
std::optional<QList<std::pair<QString, QByteArray>>> rozbalZip(const QByteArray& zip) {
    const auto* d = reinterpret_cast<const uchar*>(zip.constData());
    const auto u16 = [&](qsizetype i) { return quint32{qFromLittleEndian<quint16>(d + i)}; };
    const auto u32 = [&](qsizetype i) { return qFromLittleEndian<quint32>(d + i); };
    const qsizetype konec = zip.size() - 22;  // the end record, without a comment
    if (konec < 0 || u32(konec) != 0x06054b50) return std::nullopt;
    const qsizetype adresar = u32(konec + 16), pocet = u16(konec + 10);
    if (adresar + u32(konec + 12) != konec) return std::nullopt;
    QList<std::pair<QString, QByteArray>> casti;
    for (qsizetype i = adresar; casti.size() < pocet;) {
        if (i + 46 > konec || u32(i) != 0x02014b50) return std::nullopt;
        const quint32 metoda = u16(i + 10), crc = u32(i + 16), zabaleno = u32(i + 20), velikost = u32(i + 24);
        const qsizetype jmeno = u16(i + 28), lokalni = u32(i + 42);
        QString nazev = QString::fromUtf8(zip.mid(i + 46, jmeno));
        i += 46 + jmeno + u16(i + 30) + u16(i + 32);
        if (i > konec || lokalni + 30 > adresar || u32(lokalni) != 0x04034b50) return std::nullopt;
        const qsizetype data = lokalni + 30 + u16(lokalni + 26) + u16(lokalni + 28);
        if (data + zabaleno > adresar || (metoda != Z_DEFLATED && (metoda != 0 || zabaleno != velikost))) return std::nullopt;
        QByteArray obsah = metoda == 0 ? zip.mid(data, zabaleno) : QByteArray(velikost, Qt::Uninitialized);
        if (metoda == Z_DEFLATED) {
            z_stream z{};
            if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return std::nullopt;
            z.next_in = const_cast<Bytef*>(d + data);
            z.avail_in = zabaleno;
            z.next_out = reinterpret_cast<Bytef*>(obsah.data());
            z.avail_out = velikost;
            const int r = inflate(&z, Z_FINISH);
            const bool cely = r == Z_STREAM_END && z.avail_in == 0 && z.avail_out == 0;
            inflateEnd(&z);
            if (!cely) return std::nullopt;
        }
        if (crc32(0, reinterpret_cast<const Bytef*>(obsah.constData()), static_cast<uInt>(obsah.size())) != crc) return std::nullopt;
        casti.append({std::move(nazev), std::move(obsah)});
    }
    return casti;
}

// A part cut anywhere loses its root's end tag, which the library writes last.
bool celyDokument(const QByteArray& xml) {
    qsizetype i = 0;
    // The root is the first tag that is no declaration, comment or processing instruction.
    while ((i = xml.indexOf('<', i)) >= 0 && i + 1 < xml.size() && (xml[i + 1] == '?' || xml[i + 1] == '!')) ++i;
    if (i < 0) return false;
    qsizetype konecJmena = i + 1;
    while (konecJmena < xml.size() && !QByteArrayView(" \t\r\n/>").contains(xml[konecJmena])) ++konecJmena;
    const QByteArray koren = xml.mid(i + 1, konecJmena - i - 1);
    return !koren.isEmpty() && xml.trimmed().endsWith("</" + koren + '>');
}

// The workbook read back: the library does not see a write of its own part files fail, and puts
// an empty or cut part into the archive that it then reports as written. So the parts a workbook
// needs must be there, and every part must end with its root's end tag.
std::optional<QString> chybaSesitu(const QByteArray& zip) {
    const std::optional<QList<std::pair<QString, QByteArray>>> casti = rozbalZip(zip);
    if (!casti) return QStringLiteral("archiv sešitu není celý");
    for (const char* nutna : {"[Content_Types].xml", "_rels/.rels", "xl/workbook.xml", "xl/_rels/workbook.xml.rels",
                              "xl/styles.xml", "xl/worksheets/sheet1.xml"})
        if (std::none_of(casti->begin(), casti->end(), [&](const auto& c) { return c.first == QLatin1String(nutna); }))
            return QStringLiteral("v sešitu chybí část %1").arg(QLatin1String(nutna));
    for (const auto& [nazev, obsah] : *casti)
        if (!celyDokument(obsah)) return QStringLiteral("část %1 sešitu se nezapsala celá").arg(nazev);
    return std::nullopt;
}

}  // namespace

Vysledek<> zapisSesit(const Kalkulace& k, const QString& cesta, const QString& nazev) {
    const QString jmeno = nazev.isEmpty() ? cesta : nazev;
    const TichaKnihovna ticho;
    // The parts go beside the workbook, not wherever the library would look.
    QByteArray slozka = QFile::encodeName(QFileInfo(jmeno).absolutePath());
    lxw_workbook_options volby{};
    volby.tmpdir = slozka.data();
    // Freed unwritten on every way out but the close.
    std::unique_ptr<lxw_workbook, void (*)(lxw_workbook*)> sesit(workbook_new_opt(QFile::encodeName(cesta).constData(), &volby),
                                                                 lxw_workbook_free);
    if (!sesit) return Chyba{kChyba + QStringLiteral("Soubor ") + jmeno + QStringLiteral(" nelze vytvořit.")};
    lxw_worksheet* list = workbook_add_worksheet(sesit.get(), k.parametry.System.toUtf8().constData());
    if (!list) return Chyba{kChyba + QStringLiteral("Neplatný název listu: ") + k.parametry.System};

    std::array<lxw_format*, kSloupcu> bunky{}, nadpisy{};
    for (int c = 0; c < kSloupcu; ++c) {
        const uint8_t zarovnani = c < 3 ? LXW_ALIGN_LEFT : LXW_ALIGN_RIGHT;
        bunky[c] = workbook_add_format(sesit.get());
        format_set_align(bunky[c], zarovnani);
        if (kDruhy[c] == Druh::Cena) format_set_num_format(bunky[c], "# ### ##0.00");
        nadpisy[c] = workbook_add_format(sesit.get());
        format_set_align(nadpisy[c], zarovnani);
        format_set_bold(nadpisy[c]);
    }

    const Regional& reg = Regional::current();
    std::array<qsizetype, kSloupcu> nejdelsi{};
    lxw_error bunka = LXW_NO_ERROR;  // the first cell the sheet did not take
    const auto zapis = [&](lxw_row_t r, int c, const QString& text, double cislo, bool jeCislo, lxw_format* f) {
        nejdelsi[c] = std::max(nejdelsi[c], text.size());
        const lxw_col_t s = static_cast<lxw_col_t>(c);
        const lxw_error e = jeCislo ? worksheet_write_number(list, r, s, cislo, f)
                                    : worksheet_write_string(list, r, s, text.toUtf8().constData(), f);
        if (bunka == LXW_NO_ERROR) bunka = e;
    };
    const QStringList hlavicka = Kalkulace::nadpisy();
    for (int c = 0; c < kSloupcu; ++c) zapis(0, c, hlavicka[c], 0, false, nadpisy[c]);
    lxw_row_t radek = 1;
    for (const RadekKalkulace* r : radkySKusy(k)) {
        const QStringList t = Kalkulace::texty(*r);
        for (int c = 0; c < kSloupcu; ++c) {
            switch (kDruhy[c]) {
            case Druh::Zaznam: {
                // A plain number without an exponent; anything else is text.
                const bool pismena = std::any_of(t[c].begin(), t[c].end(), [](QChar z) { return z.isLetter(); });
                const Vysledek<double> cislo = pismena ? Vysledek<double>(Chyba{}) : zachyt([&] { return reg.CDbl(t[c]); });
                zapis(radek, c, t[c], cislo ? *cislo : 0, static_cast<bool>(cislo), bunky[c]);
                break;
            }
            case Druh::Text: zapis(radek, c, t[c], 0, false, bunky[c]); break;
            case Druh::Cislo: zapis(radek, c, t[c], reg.CDbl(t[c]), true, bunky[c]); break;
            case Druh::Cena: zapis(radek, c, t[c], (c == 4 ? r->CenaKs : r->CenaCelkem).toDouble(), true, bunky[c]); break;
            }
        }
        ++radek;
    }
    for (int c = 0; c < kSloupcu; ++c)
        worksheet_set_column(list, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), sirka(nejdelsi[c]), nullptr);
    worksheet_activate(list);

    const auto nezapsan = [&](const QString& duvod) { return Chyba{kChyba + filestore::chybaZapisu(jmeno, duvod).zprava}; };
    if (bunka != LXW_NO_ERROR) return nezapsan(duvodKnihovny(bunka, 0));
    errno = 0;
    const lxw_error e = workbook_close(sesit.release());
    const int chyba = errno;
    if (e != LXW_NO_ERROR) return nezapsan(duvodKnihovny(e, chyba));
    const Vysledek<QByteArray> zpet = filestore::readExisting(cesta);
    if (!zpet) return Chyba{kChyba + zpet.chyba()};
    if (const std::optional<QString> cast = chybaSesitu(*zpet)) return nezapsan(*cast);
    return {};
}

Vysledek<QString> ExportDoExcelu(const Kalkulace& k) {
    // Never in Data/SorvTemp, which the mail command empties. The shared temporary folder is
    // safe for it: the workbook is the user's alone from its first byte and takes a name
    // nothing holds, so no file or link planted there by another user can own or receive it.
    const QString zaklad = QDir::temp().filePath(QStringLiteral("Sorvenika-") + k.parametry.System + QLatin1Char('-') +
                                                 platform::clock().now().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    const QString prvni = zaklad + QStringLiteral(".xlsx");
    Vysledek<filestore::TempFile> docasny = filestore::createTemp(prvni, true);
    if (!docasny) return Chyba{kChyba + docasny.chyba()};
    filestore::TempFile& sesit = *docasny;
    if (const Vysledek<> v = zapisSesit(k, sesit.cesta(), prvni); !v) return v.selhani();
    const Vysledek<QString> cesta = sesit.linkAs(
        [&](int n) { return n == 1 ? prvni : zaklad + QLatin1Char('-') + QString::number(n) + QStringLiteral(".xlsx"); });
    if (!cesta) return Chyba{kChyba + cesta.chyba()};
    if (!platform::desktop().otevri(*cesta))
        return Chyba{kChyba + QStringLiteral("Sešit je uložen v souboru ") + *cesta + QStringLiteral(", ale nepodařilo se jej otevřít.")};
    return *cesta;
}
