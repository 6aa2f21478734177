#include "platform/Cp1250.h"
#include "platform/Cp852.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace {

const QString kPismena = QStringLiteral("áÁéÉěĚíÍóÓúÚůŮýÝčČďĎľĽňŇřŘšŠťŤžŽäëöüÄËÖÜß°");

// The C library's own code page 852 table, as a second reader of the overlay bytes.
QChar iconv852(unsigned char b) {
    iconv_t cd = iconv_open("UTF-16LE", "CP852");
    if (cd == reinterpret_cast<iconv_t>(-1)) return QChar();
    char in[1] = {static_cast<char>(b)};
    char16_t out[2] = {};
    char* pin = in;
    char* pout = reinterpret_cast<char*>(out);
    size_t nin = 1, nout = sizeof out;
    iconv(cd, &pin, &nin, &pout, &nout);
    iconv_close(cd);
    return QChar(out[0]);
}

}  // namespace

// Every byte is either one of the 42 code page 852 letters (as the C library reads that byte)
// or its Windows-1250 character; the 42 letters are exactly the listed ones.
TEST(Cp852, OverlayIsThe42LettersOfCodePage852OverWindows1250) {
    ASSERT_EQ(kPismena.size(), 42);
    QString prekryte;
    for (int b = 0; b < 256; ++b) {
        const QChar c = dbftext::toChar(static_cast<unsigned char>(b));
        if (c == cp1250::toChar(static_cast<unsigned char>(b))) continue;
        prekryte += c;
        EXPECT_EQ(c, iconv852(static_cast<unsigned char>(b))) << "byte " << b;
        EXPECT_TRUE(kPismena.contains(c)) << "byte " << b;
    }
    // Bytes whose Windows-1250 character happens to be the same letter do not show up above;
    // every one of the 42 must still come from its 852 byte.
    for (QChar c : kPismena) {
        const auto b = static_cast<unsigned char>(dbftext::toByte(c));
        EXPECT_EQ(iconv852(b), c) << static_cast<int>(c.unicode());
        EXPECT_EQ(dbftext::toChar(b), c);
    }
    EXPECT_EQ(prekryte.size(), 42);
}

TEST(Cp852, TextConversionByteForByte) {
    enum Smer { Oba, Cteni, Zapis };
    struct {
        QByteArray bajty;
        QString text;
        Smer smer;
    } pripady[] = {
        {QByteArray("\xAC\xA1slo"), QStringLiteral("Číslo"), Oba},
        {QByteArray("\xB5"), QStringLiteral("Á"), Oba},
        {QByteArray("\xC1"), QStringLiteral("Á"), Cteni},  // Windows-1250 Á; written back as 0xB5
        {QByteArray("\xE5\xC5\xE0\xD4"), QStringLiteral("ňĹÓď"), Oba},  // Slovak Ĺ is not remapped
        {QByteArray("\x80 \x83"), QStringLiteral("€ ") + QChar(0x83), Oba},
        {QByteArray("\x82"), QStringLiteral("é"), Oba},  // not the Windows-1250 low quote
        {QByteArray("\x82"), QStringLiteral("‚"), Zapis},  // ...which therefore reads back as é
        {QByteArray("?"), QStringLiteral("日"), Zapis},
    };
    for (const auto& p : pripady) {
        if (p.smer != Zapis) {
            EXPECT_EQ(dbftext::decode(p.bajty), p.text) << p.text.toStdString();
        }
        if (p.smer != Cteni) {
            EXPECT_EQ(dbftext::encode(p.text), p.bajty) << p.text.toStdString();
        }
    }
    // All 42 survive a write and a read.
    EXPECT_EQ(dbftext::decode(dbftext::encode(kPismena)), kPismena);
}

// Every character of Windows-1250 as a customer file keeps it: ASCII, the 42 letters and every
// character whose byte is none of their 852 codes as typed, written as that byte; the others,
// which would read back as one of the 42, in their plain form. What is kept reads back as itself.
TEST(Cp852, EveryWindows1250CharacterReadsBackAsKept) {
    const std::pair<char16_t, const char*> prosty[] = {
        {0x81, "?"},  {u'‚', ","}, {u'„', "\""}, {u'…', "..."}, {u'‰', "%o"}, {0x90, "?"},  {u'”', "\""}, {u'•', "*"},
        {u'–', "-"},  {u'™', "TM"}, {u'›', ">"},  {u'ś', "s"},   {u'ź', "z"},  {0xA0, " "},  {u'ˇ', "?"},   {u'˘', "?"},
        {u'Ł', "L"},  {u'¦', "|"},  {u'§', "?"},  {u'¬', "-"},   {u'µ', "u"},  {u'·', "."},  {u'Ô', "O"},   {u'Ő', "O"},
        {u'Ţ', "T"},  {u'ŕ', "r"},  {u'ĺ', "l"},  {u'ć', "c"},   {u'ç', "c"},
    };
    int zjednodusenych = 0;
    for (int b = 0; b < 256; ++b) {
        const QChar c = cp1250::toChar(static_cast<unsigned char>(b));
        const QString ulozeny = dbftext::prostyTvar(c);
        EXPECT_EQ(dbftext::decode(dbftext::encode(ulozeny)), ulozeny) << "byte " << b;
        const auto p = std::find_if(std::begin(prosty), std::end(prosty), [c](const auto& p) { return p.first == c.unicode(); });
        if (p == std::end(prosty)) {
            EXPECT_EQ(ulozeny, QString(c)) << "byte " << b;
            // Other than the 42, written as its own byte.
            if (!kPismena.contains(c)) {
                EXPECT_EQ(dbftext::encode(c), QByteArray(1, static_cast<char>(b))) << "byte " << b;
            }
        } else {
            EXPECT_EQ(ulozeny, QString::fromUtf8(p->second)) << "byte " << b;
            ++zjednodusenych;
        }
    }
    EXPECT_EQ(zjednodusenych, 29);  // 27 characters and two bytes Windows-1250 leaves undefined
    EXPECT_EQ(dbftext::prostyTvar(QStringLiteral("Wrocław, Hôrka, Őr – Łódź")), QStringLiteral("Wrocław, Hôrka, Or - Lódz"));
    // Beyond the code page: a letter with an accent the 42 lack, one typed as letter and accent,
    // a character of 32 bits.
    EXPECT_EQ(dbftext::prostyTvar(QStringLiteral("Ôsmeho ø a\u0301 日 😀.")), QStringLiteral("Osmeho ? á ? ?."));
}
