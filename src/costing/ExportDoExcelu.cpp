#include "costing/ExportDoExcelu.h"

#include "costing/ObsahVystupu.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/FileStore.h"
#include "platform/Regional.h"
#include "platform/Services.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <array>
#include <xlsxwriter.h>

namespace {

constexpr int kSloupcu = 6;
const QString kChyba = QStringLiteral("Chyba při exportu.\n");

enum class Druh { Zaznam, Text, Cislo, Cena };
constexpr std::array<Druh, kSloupcu> kDruhy = {Druh::Zaznam, Druh::Text, Druh::Text, Druh::Cislo, Druh::Cena, Druh::Cena};

// The text's width in characters, as the spreadsheet's own fit would make it.
double sirka(qsizetype znaku) { return static_cast<double>(znaku) * 1.1 + 2; }

}  // namespace

Vysledek<> zapisSesit(const Kalkulace& k, const QString& cesta, const QString& nazev) {
    const QString jmeno = nazev.isEmpty() ? cesta : nazev;
    lxw_workbook* sesit = workbook_new(QFile::encodeName(cesta).constData());
    if (!sesit) return Chyba{kChyba + QStringLiteral("Soubor ") + jmeno + QStringLiteral(" nelze vytvořit.")};
    lxw_worksheet* list = workbook_add_worksheet(sesit, k.parametry.System.toUtf8().constData());
    if (!list) {
        workbook_close(sesit);
        return Chyba{kChyba + QStringLiteral("Neplatný název listu: ") + k.parametry.System};
    }

    std::array<lxw_format*, kSloupcu> bunky{}, nadpisy{};
    for (int c = 0; c < kSloupcu; ++c) {
        const uint8_t zarovnani = c < 3 ? LXW_ALIGN_LEFT : LXW_ALIGN_RIGHT;
        bunky[c] = workbook_add_format(sesit);
        format_set_align(bunky[c], zarovnani);
        if (kDruhy[c] == Druh::Cena) format_set_num_format(bunky[c], "# ### ##0.00");
        nadpisy[c] = workbook_add_format(sesit);
        format_set_align(nadpisy[c], zarovnani);
        format_set_bold(nadpisy[c]);
    }

    const Regional& reg = Regional::current();
    std::array<qsizetype, kSloupcu> nejdelsi{};
    const auto zapis = [&](lxw_row_t r, int c, const QString& text, double cislo, bool jeCislo, lxw_format* f) {
        nejdelsi[c] = std::max(nejdelsi[c], text.size());
        if (jeCislo) worksheet_write_number(list, r, static_cast<lxw_col_t>(c), cislo, f);
        else worksheet_write_string(list, r, static_cast<lxw_col_t>(c), text.toUtf8().constData(), f);
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

    const lxw_error e = workbook_close(sesit);
    if (e == LXW_NO_ERROR) return {};
    return Chyba{kChyba + filestore::chybaZapisu(jmeno, QString::fromUtf8(lxw_strerror(e))).zprava};
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
