#include "platform/FileStore.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

TEST(FileStore, WholeFilesTailsAndFoldersMadeOnTheFirstWrite) {
    QTemporaryDir dir;
    const QString soubor = dir.filePath("a/b/c.txt");
    EXPECT_FALSE(filestore::readAll(soubor));
    EXPECT_FALSE(filestore::readTail(soubor, 2));
    EXPECT_TRUE(filestore::remove(soubor));
    ASSERT_TRUE(filestore::append(soubor, "x"));
    ASSERT_TRUE(filestore::append(soubor, "yz"));
    EXPECT_EQ(*filestore::readTail(soubor, 2), "yz");
    EXPECT_EQ(*filestore::readTail(soubor, 9), "xyz");
    ASSERT_TRUE(filestore::replace(soubor, "new"));
    EXPECT_EQ(*filestore::readAll(soubor), "new");
    ASSERT_TRUE(filestore::remove(soubor));
    EXPECT_FALSE(filestore::readAll(soubor));
    // A file where a folder should be.
    writeBytes(dir.filePath("f"), "");
    EXPECT_FALSE(filestore::append(dir.filePath("f/x.txt"), "x"));
    EXPECT_FALSE(filestore::replace(dir.filePath("f/x.txt"), "x"));
    // A folder where the file should be.
    EXPECT_FALSE(filestore::replace(dir.path(), "x"));
    EXPECT_FALSE(filestore::append(dir.path(), "x"));
}

namespace {

// Runs `f` with the process's file-size limit at `limit` bytes; a write beyond it fails
// (EFBIG) instead of killing the process.
template <class F>
bool sLimitemVelikosti(qint64 limit, F f) {
    rlimit puvodni{};
    if (getrlimit(RLIMIT_FSIZE, &puvodni) != 0) return false;
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit omezeny = puvodni;
    omezeny.rlim_cur = static_cast<rlim_t>(limit);
    const bool nastaven = setrlimit(RLIMIT_FSIZE, &omezeny) == 0;
    const bool vysledek = nastaven && f();
    setrlimit(RLIMIT_FSIZE, &puvodni);
    std::signal(SIGXFSZ, signal);
    EXPECT_TRUE(nastaven);
    return vysledek;
}

}  // namespace

// A write cut short half-way is a failure and leaves the old file, whether the bytes fit the
// device's buffer or not; the permissions asked for are the new file's.
TEST(FileStore, AWriteCutShortLeavesTheOldFile) {
    const QFileDevice::Permissions jenVlastnik = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    const QFileDevice::Permissions kazdy = jenVlastnik | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    struct { const char* nazev; qsizetype velikost; std::optional<QFileDevice::Permissions> prava; bool pripojit; } cases[] = {
        {"replace, buffer-sized", 4000, std::nullopt, false},
        {"replace, large", 200000, std::nullopt, false},
        {"replace for the owner", 4000, jenVlastnik, false},
        {"append, buffer-sized", 4000, std::nullopt, true},
        {"append, large", 200000, std::nullopt, true},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString soubor = dir.filePath("x.txt");
        writeBytes(soubor, "old");
        QFile::setPermissions(soubor, kazdy);
        const QByteArray novy(c.velikost, 'n');
        const auto zapis = [&] { return c.pripojit ? filestore::append(soubor, novy) : filestore::replace(soubor, novy, c.prava); };
        EXPECT_FALSE(sLimitemVelikosti(c.velikost / 2, zapis)) << c.nazev;
        EXPECT_TRUE(readBytes(soubor) == "old") << c.nazev << ": " << readBytes(soubor).size() << " bytes";
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"x.txt"}) << c.nazev;
        ASSERT_TRUE(zapis()) << c.nazev;
        EXPECT_TRUE(readBytes(soubor) == (c.pripojit ? "old" + novy : novy)) << c.nazev;
        EXPECT_EQ(QFile::permissions(soubor) & kazdy, c.prava.value_or(kazdy)) << c.nazev;
    }
}
