#include "net/clsBase64.h"
#include "platform/Errors.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <random>

// RFC 4648 vectors both ways, and Qt's codec as a second reader and writer on random bytes.
TEST(Base64, PublishedVectorsAndQtAgree) {
    const std::pair<QByteArray, QByteArray> vektory[] = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"},
    };
    for (const auto& [bajty, text] : vektory) {
        EXPECT_EQ(clsBase64::Encode(bajty), text) << bajty.constData();
        EXPECT_EQ(clsBase64::Decode(text), bajty) << text.constData();
    }
    std::mt19937 gen(12345);
    for (int n = 0; n < 200; ++n) {
        QByteArray bajty(n, Qt::Uninitialized);
        for (char& c : bajty) c = static_cast<char>(gen());
        const QByteArray text = clsBase64::Encode(bajty);
        ASSERT_EQ(text, bajty.toBase64()) << n;
        ASSERT_EQ(clsBase64::Decode(clsBase64::ClearCRLF(clsBase64::MakeLine(text))), bajty) << n;
    }
}

TEST(Base64, TextTravelsAsWindows1250NotUtf8) {
    const QString text = QStringLiteral("žluťoučký kůň");
    EXPECT_EQ(clsBase64::Encode(text), QStringLiteral("nmx1nW916Gv9IGv58g=="));
    EXPECT_EQ(clsBase64::Decode(QStringLiteral("nmx1nW916Gv9IGv58g==")), text);
    // Every byte value survives the text form: \x81 and the like are characters of their own.
    QByteArray vsechny(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i) vsechny[i] = static_cast<char>(i);
    EXPECT_EQ(clsBase64::Encode(clsBase64::Decode(QString::fromLatin1(vsechny.toBase64()))), QString::fromLatin1(vsechny.toBase64()));
}

TEST(Base64, ShortAndRaggedInputGivesOnlyDecodedBytes) {
    const std::pair<QByteArray, QByteArray> pripady[] = {
        {"YWJ", ""}, {"===", ""},
        // A tail of 1 to 3 characters is ignored and adds no filler.
        {"YWJjZ", "abc"}, {"YWJjZm9", "abc"}, {"YWJjZ=", "abc"}, {"Zm8=X", "fo"},
        // Pads inside the text skip their bytes without leaving a gap.
        {"YQ==YWJj", "aabc"},
    };
    for (const auto& [text, bajty] : pripady) {
        EXPECT_EQ(clsBase64::Decode(text), bajty) << text.constData();
        EXPECT_EQ(clsBase64::DecodeChecked(text), std::optional<QByteArray>(bajty)) << text.constData();
    }
}

TEST(Base64, CharactersOutsideTheAlphabetAreError13) {
    const QByteArray spatne[] = {"YWJj\r\nYWJj", "YW-j", QByteArray("YWJ\0", 4), "YWJ\xE9", "MDAw!DAwMA=="};
    for (const QByteArray& text : spatne) {
        EXPECT_EQ(cisloChyby([&] { clsBase64::Decode(text); }), 13) << text.toHex().constData();
        EXPECT_FALSE(clsBase64::DecodeChecked(text).has_value()) << text.toHex().constData();
        EXPECT_FALSE(clsBase64::DecodeChecked(QString::fromLatin1(text)).has_value());
    }
    // Only whole groups are looked at, so a bad character in an ignored tail passes.
    EXPECT_EQ(clsBase64::Decode(QByteArray("YWJj!")), QByteArray("abc"));
    // A character outside Windows-1250 cannot slip through as a valid symbol.
    EXPECT_EQ(cisloChyby([] { clsBase64::Decode(QStringLiteral("YWJ\u4E00")); }), 13);
}

TEST(Base64, MakeLineBreaksAt76AndClearCRLFUndoesIt) {
    QByteArray x160(160, Qt::Uninitialized);
    for (int i = 0; i < 160; ++i) x160[i] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"[i % 36];
    const std::pair<QByteArray, QByteArray> pripady[] = {
        {"", "\r\n"},
        {x160.left(75), x160.left(75) + "\r\n"},
        {x160.left(76), x160.left(76) + "\r\n\r\n"},
        {x160, x160.left(76) + "\r\n" + x160.mid(76, 76) + "\r\n" + x160.right(8) + "\r\n"},
    };
    for (const auto& [text, radky] : pripady) {
        EXPECT_EQ(clsBase64::MakeLine(text), radky) << text.size();
        EXPECT_EQ(clsBase64::MakeLine(QString::fromLatin1(text)), QString::fromLatin1(radky)) << text.size();
        EXPECT_EQ(clsBase64::ClearCRLF(QString::fromLatin1(radky)), QString::fromLatin1(text));
    }
    EXPECT_EQ(clsBase64::ClearCRLF(QStringLiteral("a\rb\nc\r\n\n\rd")), QStringLiteral("abcd"));
}
