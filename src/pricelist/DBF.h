#pragma once
// Whole dBase III tables, read and written in one call each. The price list and the customer
// address book come from here; character fields carry the code-page-852 letters (Cp852.h).
#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <bit>
#include <cstring>
#include <memory>
#include <string_view>
#include <variant>
#include <vector>

// One cell: empty, text, number or date. After a read a character field gives text, a numeric
// field a number and a date field the text of the date in the regional short form; a date cell
// only ever comes from a caller that wants a date field written.
namespace filestore {
class FileReader;
}

using BunkaDBF = std::variant<std::monostate, QString, double, QDate>;

// A table: the field names (row 0 where a grid shows it) and the records in file order, each
// record one cell per field.
struct DataDBF {
    QStringList nazvy;
    std::vector<std::vector<BunkaDBF>> radky;

    int pocetPoli() const { return static_cast<int>(nazvy.size()); }
    int pocetZaznamu() const { return static_cast<int>(radky.size()); }
};

// Reads cesta + ".dbf". A missing, unreadable or malformed file throws a RuntimeError whose
// text names the file; deleted records are skipped, a record cut short at the end is dropped.
DataDBF NactiDBF(const QString& cesta);
// Writes the table to cesta + ".dbf", replacing the file only once the new one is complete.
// Each field's type follows its cells: all dates D, all numbers N, otherwise C, as wide as its
// longest text (records empty in every field keep a blank in each, so that they read back).
void UlozDBF(const QString& cesta, const DataDBF& data);

// The two halves of the above over bytes in memory; `soubor` names the file in messages.
DataDBF ctiDBF(const QByteArray& obsah, const QString& soubor);
QByteArray zapisDBF(const DataDBF& data, const QDate& dnes, const QString& soubor);

// Record by record, for a reader that keeps the rows in its own form (the article table).
class CtecDBF {
public:
    // Checks the header; a malformed one throws a RuntimeError naming `soubor`.
    CtecDBF(const QByteArray& obsah, const QString& soubor);
    // Reads cesta + ".dbf" a block of records at a time, with the errors of NactiDBF.
    explicit CtecDBF(const QString& cesta);
    // The same from a reader already open, named as the reader names its file.
    explicit CtecDBF(std::unique_ptr<filestore::FileReader> zdroj);
    ~CtecDBF();

    const QString& soubor() const { return m_soubor; }
    const QStringList& nazvy() const { return m_nazvy; }
    // At most this many records follow, deleted ones included.
    qsizetype nejvyseZaznamu() const { return m_zaznamu; }
    // Once every record is read: when the file ends before the records its header counts (a file
    // cut short), the warning naming the file and both counts; empty otherwise.
    QString varovani() const;
    // The next record that is not deleted, one cell per field; false after the last.
    bool dalsi(std::vector<BunkaDBF>& radek);

    // The same without the cells: the bytes of the next record that is not deleted, valid until
    // the next call; nullptr after the last.
    const char* dalsiZaznam();
    char typ(size_t pole) const { return m_pole[pole].typ; }
    size_t sirka(size_t pole) const { return static_cast<size_t>(m_pole[pole].konec - m_pole[pole].od); }
    // A field of such a record as it stands, and without its leading and trailing blanks.
    std::string_view surove(const char* zaznam, size_t pole) const {
        return {zaznam + m_pole[pole].od, static_cast<size_t>(m_pole[pole].konec - m_pole[pole].od)};
    }
    std::string_view bajty(const char* zaznam, size_t pole) const;
    // A field of such a record as dalsi gives it.
    BunkaDBF bunka(const char* zaznam, size_t pole) const;

private:
    struct Pole {
        char typ;
        int od, konec;  // the field's bytes in a record, cut to the record's length
    };
    void ctiHlavicku(const char* d, qsizetype velikost);
    const char* zaznam(qsizetype i);

    QByteArray m_obsah;              // the whole file, or the block of records being read
    std::unique_ptr<filestore::FileReader> m_zdroj;  // when reading from a file
    qsizetype m_blokOd = 0;          // the first record in m_obsah when reading from a file
    qsizetype m_blokZaznamu = 0;
    QString m_soubor;
    QStringList m_nazvy;
    std::vector<Pole> m_pole;
    int m_delkaHlavicky = 0;
    int m_delkaZaznamu = 0;
    qsizetype m_zaznamu = 0;
    quint32 m_zaznamuVHlavicce = 0;
    qsizetype m_dalsi = 0;
};

namespace dbf {

// Cuts the blanks off both ends of z..k.
inline void orizni(const char*& z, const char*& k) {
    // Fields are mostly blank padding, skipped a word at a time: xor with eight blanks leaves
    // zero bytes for the blanks, and the first or last byte that is not zero ends the padding.
    static_assert(std::endian::native == std::endian::little);
    constexpr quint64 kMezery = 0x2020202020202020;
    quint64 w;
    while (k - z >= 8) {
        std::memcpy(&w, z, 8);
        w ^= kMezery;
        z += w ? std::countr_zero(w) / 8 : 8;
        if (w) break;
    }
    while (z < k && *z == ' ') ++z;
    while (k - z >= 8) {
        std::memcpy(&w, k - 8, 8);
        w ^= kMezery;
        k -= w ? std::countl_zero(w) / 8 : 8;
        if (w) break;
    }
    while (k > z && k[-1] == ' ') --k;
}

}  // namespace dbf

inline std::string_view CtecDBF::bajty(const char* zaznam, size_t pole) const {
    const char* z = zaznam + m_pole[pole].od;
    const char* k = zaznam + m_pole[pole].konec;
    dbf::orizni(z, k);
    return {z, static_cast<size_t>(k - z)};
}

// The two bytes of n, low byte first, as the header holds its counts and lengths; n outside
// 0..65535 is an overflow error.
QByteArray IntNa2Bajty(int n);

// `text` with each character found in character table `zdroj` replaced by the one at the same
// place in table `cil`: 0 the letters' code-page-852 bytes as Windows-1250 reads them, 1 the
// letters, 2 their Kamenický bytes, 3 the letters without diacritics. Other characters stay, and
// a table number outside 0..3 converts nothing. The reader and writer map the bytes themselves
// (Cp852.h), the same way as tables 0 and 1.
QString PrevedZnaky(const QString& text, int zdroj, int cil);

// A cell as text, as a value turns into text anywhere in the program (numbers "12,5", dates
// in the short form, empty "").
QString textBunky(const BunkaDBF& bunka);
