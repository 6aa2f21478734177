#include "platform/Cp1250.h"

#include <gtest/gtest.h>

TEST(Cp1250, EveryByteDecodesToOneCharacterAndBack) {
    QByteArray all(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i) all[i] = static_cast<char>(i);
    const QString s = cp1250::decode(all);
    ASSERT_EQ(s.size(), 256);
    EXPECT_EQ(cp1250::encode(s), all);
    // Codes are upper-cased and searched for "-s" in their bytes: only ASCII bytes decode to ASCII.
    for (int b = 0; b < 256; ++b) EXPECT_EQ(s[b].unicode() < 0x80, b < 0x80) << b;
    EXPECT_EQ(s.left(0x80), QString::fromLatin1(all.left(0x80)));
}

TEST(Cp1250, CzechLettersAndSymbols) {
    struct { QString text; QByteArray bytes; } cases[] = {
        {QStringLiteral("žluťoučký kůň"), QByteArray("\x9Elu\x9Dou\xE8k\xFD k\xF9\xF2")},
        {QStringLiteral("Čč Řř Šš Ťť Ůů"), QByteArray("\xC8\xE8 \xD8\xF8 \x8A\x9A \x8D\x9D \xD9\xF9")},
        {QStringLiteral("€ „“ –"), QByteArray("\x80 \x84\x93 \x96")},
        {QString(QChar(0x00A0)), QByteArray("\xA0")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp1250::encode(c.text), c.bytes) << c.text.toStdString();
        EXPECT_EQ(cp1250::decode(c.bytes), c.text) << c.text.toStdString();
    }
}

TEST(Cp1250, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(cp1250::encode(QStringLiteral("ñ→日")), QByteArray("???"));
    EXPECT_FALSE(cp1250::representable(QChar(0x00F1)));
    EXPECT_TRUE(cp1250::representable(QChar(0x0161)));
    EXPECT_EQ(cp1250::encode(QString(QChar(0))), QByteArray(1, '\0'));
}

TEST(Cp1250, HtmlKeepsCharactersOutsideTheCodePageAsReferences) {
    EXPECT_EQ(cp1250::encodeHtml(QStringLiteral("č ñ→😀") + QChar(0xD800)), QByteArray("\xE8 &#241;&#8594;&#128512;&#55296;"));
}
