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
#include <algorithm>
#include <expat.h>
#include <array>
#include <cerrno>
#include <memory>
#include <minizip/unzip.h>
#include <optional>
#include <string_view>
#include <vector>
#include <xlsxwriter.h>

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

// The texts handed to the library, whose distinct ones the shared strings hold.
class Texty {
public:
    // A text goes to the library as a C string, so it ends at its first NUL; an empty one is a blank.
    void pridej(const QByteArray& text) {
        if (const qsizetype n = qstrlen(text.constData())) m_texty.push_back(text.left(n));
    }
    // The bytes of the distinct texts as the shared strings hold them once parsed, with the control
    // characters the library escapes as "_xHHHH_". Sorted, not hashed, which is the cheaper here.
    qint64 bajtu() {
        std::sort(m_texty.begin(), m_texty.end());
        m_texty.erase(std::unique(m_texty.begin(), m_texty.end()), m_texty.end());
        qint64 n = 0;
        for (const QByteArray& t : m_texty) {
            n += t.size();
            for (const char z : t)
                if (z > 0 && z < 0x20 && z != '\t' && z != '\n') n += 6;
        }
        return n;
    }

private:
    std::vector<QByteArray> m_texty;
};

// One part of the workbook parsed as its pieces come out of the archive. A write the library
// lost takes a block out of a part's middle and may leave it well-formed, so the sheet must hold
// every row and cell written and the shared strings as many as their count says, with every byte
// of their texts (a block lost inside one long text leaves the rest whole). Parsed by expat,
// which keeps the read-back a small part of the export's time.
class CastSesitu {
public:
    explicit CastSesitu(const QString& nazev)
        : m_nazev(nazev == u"xl/worksheets/sheet1.xml" ? Nazev::List : nazev == u"xl/sharedStrings.xml" ? Nazev::Retezce : Nazev::Jina),
          m_xml(XML_ParserCreate(nullptr), XML_ParserFree) {
        if (!m_xml) return;
        XML_SetUserData(m_xml.get(), this);
        XML_SetStartElementHandler(m_xml.get(), [](void* ja, const XML_Char* jmeno, const XML_Char** atributy) {
            static_cast<CastSesitu*>(ja)->zacatek(jmeno, atributy);
        });
        // Only the shared strings' texts are counted, so no other part pays for them.
        if (m_nazev != Nazev::Retezce) return;
        XML_SetEndElementHandler(m_xml.get(), [](void* ja, const XML_Char* jmeno) {
            if (std::string_view(jmeno) == "t") static_cast<CastSesitu*>(ja)->m_vTextu = false;
        });
        XML_SetCharacterDataHandler(m_xml.get(), [](void* ja, const XML_Char*, int n) {
            CastSesitu* c = static_cast<CastSesitu*>(ja);
            if (c->m_vTextu) c->m_textu += n;
        });
    }
    // False once the part is not well-formed; `posledni` ends it, so it must have ended there.
    bool pridej(const char* kus, int n, bool posledni) {
        return m_xml && XML_Parse(m_xml.get(), kus, n, posledni) == XML_STATUS_OK;
    }
    // The sheet with `radku` rows of `bunek` cells in all; the shared strings with `textu` bytes of text.
    bool cela(qsizetype radku, qsizetype bunek, qint64 textu) const {
        switch (m_nazev) {
        case Nazev::List: return m_radku == radku && m_bunek == bunek;
        case Nazev::Retezce: return m_retezcu == m_pocetRetezcu && m_textu == textu;
        case Nazev::Jina: return true;
        }
        return false;
    }

private:
    void zacatek(std::string_view jmeno, const XML_Char** atributy) {
        if (jmeno == "c") ++m_bunek;
        else if (jmeno == "row") ++m_radku;
        else if (jmeno == "si") ++m_retezcu;
        else if (jmeno == "t") m_vTextu = true;
        else if (jmeno == "sst")
            for (; *atributy; atributy += 2)
                if (std::string_view(atributy[0]) == "uniqueCount") m_pocetRetezcu = QByteArray(atributy[1]).toLongLong();
    }

    enum class Nazev { List, Retezce, Jina } m_nazev;
    std::unique_ptr<XML_ParserStruct, void (*)(XML_Parser)> m_xml;
    qsizetype m_radku = 0, m_bunek = 0, m_retezcu = 0;
    qint64 m_pocetRetezcu = -1, m_textu = 0;
    bool m_vTextu = false;
};

// The workbook read back: the library does not see a write of its own part files fail, and puts
// an empty, cut or holed part into the archive that it then reports as written. So the parts a
// workbook needs must be there, and every part whole as CastSesitu judges it.
std::optional<QString> chybaSesitu(const QString& cesta, qsizetype radku, qsizetype bunek, qint64 textu) {
    // A read the system failed has its reason; the archive's own faults have none.
    const auto chyba = [](int r, int e) {
        return r == UNZ_ERRNO && e ? filestore::duvodSystemu(e) : QStringLiteral("archiv sešitu není celý");
    };
    errno = 0;
    const std::unique_ptr<void, int (*)(unzFile)> zip(unzOpen64(QFile::encodeName(cesta).constData()), unzClose);
    if (!zip) return chyba(UNZ_ERRNO, errno);
    QStringList casti;
    std::array<char, 16384> kus;
    for (int r = unzGoToFirstFile(zip.get()); r != UNZ_END_OF_LIST_OF_FILE; r = unzGoToNextFile(zip.get())) {
        unz_file_info64 info{};
        std::array<char, 256> jmeno{};
        if (r == UNZ_OK) r = unzGetCurrentFileInfo64(zip.get(), &info, jmeno.data(), jmeno.size() - 1, nullptr, 0, nullptr, 0);
        if (r == UNZ_OK) r = unzOpenCurrentFile(zip.get());
        if (r != UNZ_OK) return chyba(r, errno);
        const QString nazev = QString::fromUtf8(jmeno.data());
        CastSesitu cast(nazev);
        quint64 precteno = 0;
        bool dobra = true;
        while (dobra && (r = unzReadCurrentFile(zip.get(), kus.data(), kus.size())) > 0) {
            dobra = cast.pridej(kus.data(), r, false);
            precteno += static_cast<quint64>(r);
        }
        const int e = errno;
        // Only a part read to its stated size has its CRC checked here.
        const int crc = unzCloseCurrentFile(zip.get());
        if (r < 0 || crc != UNZ_OK) return chyba(r < 0 ? r : crc, e);
        if (!dobra || !cast.pridej(nullptr, 0, true) || precteno != info.uncompressed_size || !cast.cela(radku, bunek, textu))
            return QStringLiteral("část %1 sešitu se nezapsala celá").arg(nazev);
        casti.append(nazev);
    }
    // The headings are texts, so every workbook has its shared strings.
    for (const char* nutna : {"[Content_Types].xml", "_rels/.rels", "xl/workbook.xml", "xl/_rels/workbook.xml.rels",
                              "xl/styles.xml", "xl/worksheets/sheet1.xml", "xl/sharedStrings.xml"})
        if (!casti.contains(QLatin1String(nutna))) return QStringLiteral("v sešitu chybí část %1").arg(QLatin1String(nutna));
    return std::nullopt;
}

}  // namespace

Vysledek<> zapisSesit(const Kalkulace& k, const QString& cesta, const QString& nazev) {
    const QString jmeno = nazev.isEmpty() ? cesta : nazev;
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
    qsizetype bunek = 0;
    Texty texty;
    const auto zapis = [&](lxw_row_t r, int c, const QString& text, double cislo, bool jeCislo, lxw_format* f) {
        nejdelsi[c] = std::max(nejdelsi[c], text.size());
        ++bunek;
        const lxw_col_t s = static_cast<lxw_col_t>(c);
        lxw_error e;
        if (jeCislo) {
            e = worksheet_write_number(list, r, s, cislo, f);
        } else {
            const QByteArray utf8 = text.toUtf8();
            e = worksheet_write_string(list, r, s, utf8.constData(), f);
            texty.pridej(utf8);
        }
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
    if (const std::optional<QString> cast = chybaSesitu(cesta, radek, bunek, texty.bajtu())) return nezapsan(*cast);
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
