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

// Every character of Windows-1250 as a customer file keeps it: ASCII and the 42 letters as
// typed, every other in its plain form; what is kept reads back as itself.
TEST(Cp852, EveryWindows1250CharacterReadsBackAsKept) {
    const std::pair<char16_t, const char*> prosty[] = {
        {u'€', "EUR"}, {0x81, "?"},   {u'‚', ","},  {0x83, "?"},  {u'„', "\""},  {u'…', "..."}, {u'†', "+"},   {u'‡', "+"},
        {0x88, "?"},   {u'‰', "%o"},  {u'‹', "<"},  {u'Ś', "S"},  {u'Ź', "Z"},   {0x90, "?"},   {u'‘', "'"},   {u'’', "'"},
        {u'“', "\""},  {u'”', "\""},  {u'•', "*"},  {u'–', "-"},  {u'—', "-"},   {0x98, "?"},   {u'™', "TM"},  {u'›', ">"},
        {u'ś', "s"},   {u'ź', "z"},   {0xA0, " "},  {u'ˇ', "?"},  {u'˘', "?"},   {u'Ł', "L"},   {u'¤', "?"},   {u'Ą', "A"},
        {u'¦', "|"},   {u'§', "?"},   {u'¨', "?"},  {u'©', "(C)"}, {u'Ş', "S"},  {u'«', "\""},  {u'¬', "-"},   {0xAD, ""},
        {u'®', "(R)"}, {u'Ż', "Z"},   {u'±', "+-"}, {u'˛', "?"},  {u'ł', "l"},   {u'´', "?"},   {u'µ', "u"},   {u'¶', "?"},
        {u'·', "."},   {u'¸', "?"},   {u'ą', "a"},  {u'ş', "s"},  {u'»', "\""},  {u'˝', "?"},   {u'ż', "z"},   {u'Ŕ', "R"},
        {u'Â', "A"},   {u'Ă', "A"},   {u'Ĺ', "L"},  {u'Ć', "C"},  {u'Ç', "C"},   {u'Ę', "E"},   {u'Î', "I"},   {u'Đ', "D"},
        {u'Ń', "N"},   {u'Ô', "O"},   {u'Ő', "O"},  {u'×', "x"},  {u'Ű', "U"},   {u'Ţ', "T"},   {u'ŕ', "r"},   {u'â', "a"},
        {u'ă', "a"},   {u'ĺ', "l"},   {u'ć', "c"},  {u'ç', "c"},  {u'ę', "e"},   {u'î', "i"},   {u'đ', "d"},   {u'ń', "n"},
        {u'ô', "o"},   {u'ő', "o"},   {u'÷', ":"},  {u'ű', "u"},  {u'ţ', "t"},   {u'˙', "?"},
    };
    int zjednodusenych = 0;
    for (int b = 0; b < 256; ++b) {
        const QChar c = cp1250::toChar(static_cast<unsigned char>(b));
        const QString ulozeny = dbftext::prostyTvar(c);
        EXPECT_EQ(dbftext::decode(dbftext::encode(ulozeny)), ulozeny) << "byte " << b;
        const auto p = std::find_if(std::begin(prosty), std::end(prosty), [c](const auto& p) { return p.first == c.unicode(); });
        if (p == std::end(prosty)) {
            EXPECT_TRUE(b < 0x80 || kPismena.contains(c)) << "byte " << b;
            EXPECT_EQ(ulozeny, QString(c)) << "byte " << b;
        } else {
            EXPECT_EQ(ulozeny, QString::fromUtf8(p->second)) << "byte " << b;
            ++zjednodusenych;
        }
    }
    EXPECT_EQ(zjednodusenych, 86);
    // Beyond the code page: a letter with an accent the 42 lack, one typed as letter and accent,
    // a character of 32 bits.
    EXPECT_EQ(dbftext::prostyTvar(QStringLiteral("Ôsmeho ø a\u0301 日 😀.")), QStringLiteral("Osmeho ? á ? ?."));
}
