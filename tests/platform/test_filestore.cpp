#include "platform/FileStore.h"
#include "support/SelhaniVolani.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/seccomp.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <ucontext.h>
#include <unistd.h>
#include <utility>

TEST(FileStore, WholeFilesTailsAndFoldersMadeOnTheFirstWrite) {
    QTemporaryDir dir;
    const QString soubor = dir.filePath("a/b/c.txt");
    EXPECT_EQ(*filestore::readAll(soubor), std::nullopt);
    EXPECT_EQ(*filestore::readTail(soubor, 2), std::nullopt);
    EXPECT_EQ(filestore::readExisting(soubor).chyba(), "Soubor " + soubor + " neexistuje !");
    EXPECT_TRUE(filestore::remove(soubor));
    ASSERT_TRUE(filestore::append(soubor, "x"));
    ASSERT_TRUE(filestore::append(soubor, "yz"));
    EXPECT_EQ(*filestore::readTail(soubor, 2), "yz");
    EXPECT_EQ(*filestore::readTail(soubor, 9), "xyz");
    EXPECT_EQ(*filestore::readExisting(soubor), "xyz");
    ASSERT_TRUE(filestore::replace(soubor, "new"));
    EXPECT_EQ(*filestore::readAll(soubor), "new");
    ASSERT_TRUE(filestore::remove(soubor));
    EXPECT_EQ(*filestore::readAll(soubor), std::nullopt);
    // A file where a folder should be.
    writeBytes(dir.filePath("f"), "");
    EXPECT_FALSE(filestore::append(dir.filePath("f/x.txt"), "x"));
    EXPECT_FALSE(filestore::replace(dir.filePath("f/x.txt"), "x"));
    // A folder where the file should be: there, but not to be read.
    const QString jeAdresarem = "Soubor " + dir.path() + " nelze přečíst: Je adresářem.";
    EXPECT_EQ(filestore::readTail(dir.path(), 2).chyba(), jeAdresarem);
    EXPECT_EQ(filestore::readExisting(dir.path()).chyba(), jeAdresarem);
    EXPECT_FALSE(filestore::replace(dir.path(), "x"));
    EXPECT_FALSE(filestore::append(dir.path(), "x"));
}

// One wording for every reader: a missing file (found whatever the case of its name), one that
// is there but cannot be read, with and without the reason; a failed remove says why.
TEST(FileStore, AFailedReadAndAFailedRemoveNameTheFileAndTheReason) {
    QTemporaryDir dir;
    writeBytes(dir.filePath("Velky.txt"), "x");
    const QString slozka = dir.filePath("slozka");
    ASSERT_TRUE(QDir().mkpath(slozka + "/uvnitr"));
    const struct {
        QString cesta, duvod, zprava;
    } pripady[] = {
        {dir.filePath("nic.txt"), "", "Soubor " + dir.filePath("nic.txt") + " neexistuje !"},
        {dir.filePath("nic.txt"), "Permission denied", "Soubor " + dir.filePath("nic.txt") + " neexistuje !"},
        {dir.filePath("VELKY.TXT"), "", "Soubor " + dir.filePath("VELKY.TXT") + " nelze přečíst."},
        {slozka, "Is a directory", "Soubor " + slozka + " nelze přečíst: Is a directory."},
    };
    for (const auto& p : pripady) EXPECT_EQ(filestore::chybaCteni(p.cesta, p.duvod).zprava, p.zprava) << p.cesta.toStdString();

    const Vysledek<> v = filestore::remove(slozka);
    ASSERT_FALSE(v);
    EXPECT_TRUE(v.chyba().startsWith("Chyba při zápisu do souboru " + slozka + ": soubor nelze smazat: ")) << v.chyba().toStdString();
    EXPECT_GT(v.chyba().size(), ("Chyba při zápisu do souboru " + slozka + ": soubor nelze smazat: ").size());
}

namespace {

// Runs `f` with the process's file-size limit at `limit` bytes; a write beyond it fails
// (EFBIG) instead of killing the process.
template <class F>
Vysledek<> sLimitemVelikosti(qint64 limit, F f) {
    rlimit puvodni{};
    if (getrlimit(RLIMIT_FSIZE, &puvodni) != 0) return Chyba{QStringLiteral("getrlimit")};
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit omezeny = puvodni;
    omezeny.rlim_cur = static_cast<rlim_t>(limit);
    const bool nastaven = setrlimit(RLIMIT_FSIZE, &omezeny) == 0;
    const Vysledek<> vysledek = nastaven ? f() : Chyba{QStringLiteral("setrlimit")};
    setrlimit(RLIMIT_FSIZE, &puvodni);
    std::signal(SIGXFSZ, signal);
    EXPECT_TRUE(nastaven);
    return vysledek;
}

}  // namespace

// A write cut short half-way is a failure and leaves the old file, whether the bytes fit the
// device's buffer or not; the permissions asked for are the new file's. An append that made the
// file leaves none.
TEST(FileStore, AWriteCutShortLeavesTheOldFile) {
    const QFileDevice::Permissions jenVlastnik = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    const QFileDevice::Permissions kazdy = jenVlastnik | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    struct { const char* nazev; qsizetype velikost; std::optional<QFileDevice::Permissions> prava; bool pripojit; bool byl = true; } cases[] = {
        {"replace, buffer-sized", 4000, std::nullopt, false},
        {"replace, large", 200000, std::nullopt, false},
        {"replace for the owner", 4000, jenVlastnik, false},
        {"append, buffer-sized", 4000, std::nullopt, true},
        {"append, large", 200000, std::nullopt, true},
        {"append to no file", 4000, std::nullopt, true, false},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString soubor = dir.filePath("x.txt");
        const QByteArray stary = c.byl ? "old" : "";
        if (c.byl) writeBytes(soubor, stary);
        QFile::setPermissions(soubor, kazdy);
        const QByteArray novy(c.velikost, 'n');
        const auto zapis = [&] { return c.pripojit ? filestore::append(soubor, novy) : filestore::replace(soubor, novy, c.prava); };
        // The message names the file and the system's reason, whichever way Qt reports the short write.
        EXPECT_EQ(sLimitemVelikosti(c.velikost / 2, zapis).chyba(),
                  QStringLiteral("Chyba při zápisu do souboru %1: Soubor je příliš velký").arg(soubor))
            << c.nazev;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), c.byl ? QStringList{"x.txt"} : QStringList()) << c.nazev;
        if (c.byl) {
            EXPECT_TRUE(readBytes(soubor) == stary) << c.nazev << ": " << readBytes(soubor).size() << " bytes";
        }
        ASSERT_TRUE(zapis()) << c.nazev;
        EXPECT_TRUE(readBytes(soubor) == (c.pripojit ? stary + novy : novy)) << c.nazev;
        if (c.byl) {
            EXPECT_EQ(QFile::permissions(soubor) & kazdy, c.prava.value_or(kazdy)) << c.nazev;
        }
    }
}

namespace {

QStringList soubory(const QString& slozka) { return QDir(slozka).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

}  // namespace

// Only this file's own leftovers go, with the next write of either kind; look-alikes stay.
TEST(FileStore, TheNextWriteRemovesTemporariesOfAKilledRewrite) {
    const QStringList zbytky = {"x.txt.AbCdEf", "x.txt.qwERty", "x.txt.ZaLoha", "x.txt.zalohA"};
    const QStringList cizi = {"x.txt.backup", "x.txt.ZALOHA", "x.txt.Zaloha", "x.txt.AbCdE1", "x.txt.AbCdEfg", "x.txt.AbCdE",
                              "x.txt-AbCdEf", "y.txt.AbCdEf", ".x.txt.AbCdEf", "x.txt.bak"};
    for (const bool pripojit : {false, true}) {
        QTemporaryDir dir;
        for (const QString& n : zbytky + cizi) writeBytes(dir.filePath(n), "old password");
        const QString soubor = dir.filePath("x.txt");
        ASSERT_TRUE(pripojit ? filestore::append(soubor, "new") : filestore::replace(soubor, "new"));
        QStringList cekane = cizi + QStringList{"x.txt"};
        cekane.sort();
        EXPECT_EQ(soubory(dir.path()), cekane) << pripojit;
        EXPECT_EQ(readBytes(soubor), "new");
    }
}

#if defined(__x86_64__)
namespace {

int g_hlaseni = -1;

// The rename that would commit the rewrite stops the child where a kill would leave it.
void zastavPredPrejmenovanim(int) {
    const char c = 'r';
    if (write(g_hlaseni, &c, 1) == 1)
        for (;;) pause();
    _exit(4);
}

// In a forked child: every rename traps, and with `bezNepojmenovanych` QSaveFile names its own
// temporary.
bool omezPotomka(bool bezNepojmenovanych) {
    std::vector<PravidloVolani> pravidla;
    for (const unsigned v : {__NR_rename, __NR_renameat, __NR_renameat2}) pravidla.push_back({.volani = v, .akce = SECCOMP_RET_TRAP});
    if (bezNepojmenovanych) pravidla.push_back(kBezNepojmenovanych);
    struct sigaction sa {};
    sa.sa_handler = zastavPredPrejmenovanim;
    return sigaction(SIGSYS, &sa, nullptr) == 0 && filtrujVolani(pravidla);
}

}  // namespace

// A child process rewriting the file is killed (SIGKILL) with the new content written but not
// yet renamed: the old file stays, a real temporary of QSaveFile is left beside it, and the
// next write removes it. Both ways QSaveFile makes its temporary are covered.
TEST(FileStore, AKilledRewriteLeavesTheOldFileAndTheNextWriteItsTemporary) {
    for (const bool bezNepojmenovanych : {false, true}) {
        QTemporaryDir dir;
        const QString soubor = dir.filePath("Sorvenika.ini");
        writeBytes(soubor, "old");
        int roura[2];
        ASSERT_EQ(pipe(roura), 0);
        const pid_t potomek = fork();
        ASSERT_GE(potomek, 0);
        if (potomek == 0) {
            close(roura[0]);
            g_hlaseni = roura[1];
            if (omezPotomka(bezNepojmenovanych)) (void)filestore::replace(soubor, QByteArray(100000, 'n'));
            _exit(3);
        }
        close(roura[1]);
        char c = 0;
        // Blocks until the child stops at its rename; its end (any other way) closes the pipe.
        const bool zastaven = read(roura[0], &c, 1) == 1;
        close(roura[0]);
        kill(potomek, SIGKILL);
        int stav = 0;
        ASSERT_EQ(waitpid(potomek, &stav, 0), potomek);
        ASSERT_TRUE(zastaven) << bezNepojmenovanych << ": the child ended with " << stav;
        EXPECT_TRUE(WIFSIGNALED(stav) && WTERMSIG(stav) == SIGKILL);

        EXPECT_EQ(readBytes(soubor), "old");
        const QStringList pred = soubory(dir.path());
        ASSERT_EQ(pred.size(), 2) << pred.join(' ').toStdString();
        EXPECT_TRUE(QRegularExpression("^Sorvenika\\.ini\\.[A-Za-z]{6}$").match(pred[1]).hasMatch()) << pred[1].toStdString();
        EXPECT_EQ(readBytes(dir.filePath(pred[1])), QByteArray(100000, 'n'));

        // Qt's random suffix looks like a word ("Abcdef", "ABCDEF", "abcdef") in 3 of 64 runs: then it stays.
        const QString pripona = pred[1].right(6);
        const bool slovo = pripona == pripona.toLower() || pripona == pripona.toUpper() ||
                           (pripona.mid(1) == pripona.mid(1).toLower() && pripona[0].isUpper());
        ASSERT_TRUE(filestore::replace(soubor, "new"));
        EXPECT_EQ(soubory(dir.path()), slovo ? pred : QStringList{"Sorvenika.ini"});
        EXPECT_EQ(readBytes(soubor), "new");
    }
}

// A write the system refuses is reported with its reason in Czech, as Qt words its own, and
// leaves the old file.
TEST(FileStore, TheSystemsReasonsAreWordedInCzech) {
    const std::pair<int, const char*> duvody[] = {
        {ENOSPC, "Na zařízení není žádný volný úložný prostor"}, {EDQUOT, "Překročena disková kvóta"},
        {EFBIG, "Soubor je příliš velký"}, {EROFS, "Systém souborů je pouze pro čtení"},
        {EIO, "Chyba vstupu/výstupu"}, {EACCES, "Přístup odepřen"},
    };
    constexpr unsigned kVelikost = 77777;
    for (const auto& [chyba, duvod] : duvody) {
        QTemporaryDir dir;
        const QString soubor = dir.filePath("x.txt");
        writeBytes(soubor, "old");
        const QByteArray zprava = vPotomkovi([&]() -> QByteArray {
            if (!selhejZapis(kVelikost, chyba)) return "seccomp";
            return filestore::replace(soubor, QByteArray(kVelikost, 'n')).chyba().toUtf8();
        });
        EXPECT_EQ(QString::fromUtf8(zprava), QStringLiteral("Chyba při zápisu do souboru %1: %2").arg(soubor, QString::fromUtf8(duvod)));
        EXPECT_EQ(readBytes(soubor), "old") << duvod;
    }
}
#endif

// A rewrite whose flush to disk fails is no write: the old file stays and the reason is named.
// A read that fails once the file is open fails the read, never gives part of the file.
TEST(FileStore, AFailedFlushFailsTheRewriteAndAFailedReadTheRead) {
    QTemporaryDir dir;
    const QString soubor = dir.filePath("x.txt");
    const struct { std::initializer_list<unsigned> volani; std::function<QString()> akce; QString zprava; } pripady[] = {
        {{__NR_fdatasync, __NR_fsync}, [&] { return filestore::replace(soubor, "new").chyba(); },
         "Chyba při zápisu do souboru " + soubor + ": Chyba vstupu/výstupu"},
        {{__NR_read, __NR_readv, __NR_pread64}, [&] { return filestore::readAll(soubor).chyba(); },
         "Soubor " + soubor + " nelze přečíst: Chyba vstupu/výstupu."},
        {{__NR_read, __NR_readv, __NR_pread64}, [&] { return filestore::readTail(soubor, 2).chyba(); },
         "Soubor " + soubor + " nelze přečíst: Chyba vstupu/výstupu."},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.zprava.toStdString());
        writeBytes(soubor, "old");
        const QByteArray zprava = vPotomkovi([&]() -> QByteArray {
            if (!selhejVolani(p.volani, EIO)) return "seccomp";
            return p.akce().toUtf8();
        });
        EXPECT_EQ(QString::fromUtf8(zprava), p.zprava);
        EXPECT_EQ(readBytes(soubor), "old");
    }
}

// A file that grows while it is read (a pipe fed by another process, whose size shows as 0) is
// read to its end, never cut at the size it had when it was opened.
TEST(FileStore, AFileThatGrowsWhileItIsReadIsReadWhole) {
    QTemporaryDir dir;
    const QString roura = dir.filePath("roura");
    ASSERT_EQ(mkfifo(QFile::encodeName(roura).constData(), 0600), 0);
    QByteArray obsah;
    for (int i = 0; obsah.size() < 300000; ++i) obsah += QByteArray::number(i) + ' ';
    const pid_t pisatel = fork();
    ASSERT_GE(pisatel, 0);
    if (pisatel == 0) {
        QFile f(roura);
        _exit(f.open(QIODevice::WriteOnly) && f.write(obsah) == obsah.size() ? 0 : 1);
    }
    const Vysledek<std::optional<QByteArray>> precteno = filestore::readAll(roura);
    int stav = 0;
    ASSERT_EQ(waitpid(pisatel, &stav, 0), pisatel);
    EXPECT_EQ(stav, 0);
    ASSERT_TRUE(precteno && *precteno) << precteno.chyba().toStdString();
    EXPECT_TRUE(**precteno == obsah) << (*precteno)->size();
}

// A new file gets the first free name only whole: a file, a folder and a link that leads nowhere
// are passed over; it is its user's alone when private, else as new files are, whether the file
// system has unnamed files or not. Where it cannot rename without replacing, it is linked
// instead. No temporary stays.
TEST(FileStore, ANewFileTakesTheFirstFreeNameWhole) {
    QTemporaryDir dir;
    const QString cizi = dir.filePath("cizi");
    writeBytes(dir.filePath("a.htm"), "old");
    QDir().mkdir(dir.filePath("a-2.htm"));
    ASSERT_TRUE(QFile::link(cizi, dir.filePath("a-3.htm")));
    const auto jmeno = [&](int i) { return dir.filePath(i == 1 ? "a.htm" : QStringLiteral("a-%1.htm").arg(i)); };
    const mode_t maska = umask(022);
    const QFileDevice::Permissions jenVlastnik = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    const QFileDevice::Permissions kazdy = jenVlastnik | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    const struct {
        bool soukromy;
        std::vector<PravidloVolani> omezeni;
        QFileDevice::Permissions prava;
    } pripady[] = {
        {false, {}, kazdy},
        {true, {}, jenVlastnik},
        {false, {kBezNepojmenovanych}, kazdy},
        // Without the rename that never replaces.
        {true, {kBezNepojmenovanych, {.volani = __NR_renameat2, .akce = chybou(EINVAL)}}, jenVlastnik},
    };
    int cislo = 4;
    for (const auto& p : pripady) {
        const QString nazev = QString::fromUtf8(vPotomkovi([&]() -> QByteArray {
            if (p.omezeni.size() && !filtrujVolani(p.omezeni)) return "seccomp";
            Vysledek<filestore::TempFile> t = filestore::createTemp(jmeno(1), p.soukromy);
            if (!t || !(*t).write("new")) return "create";
            const Vysledek<QString> v = (*t).linkAs(jmeno);
            return v ? v->toUtf8() : v.chyba().toUtf8();
        }));
        EXPECT_EQ(nazev, jmeno(cislo));
        EXPECT_EQ(readBytes(jmeno(cislo)), "new");
        EXPECT_EQ(QFile::permissions(jmeno(cislo)) & 0x7077, p.prava) << cislo;
        ++cislo;
    }
    umask(maska);
    EXPECT_FALSE(QFile::exists(cizi));
    EXPECT_EQ(readBytes(dir.filePath("a.htm")), "old");
    EXPECT_EQ(soubory(dir.path()), (QStringList{"a-4.htm", "a-5.htm", "a-6.htm", "a-7.htm", "a.htm"}));
}

// A create first removes the named temporaries of writers that are gone: only one not written
// for a minute whose lock went with its writer. One still being written, one younger (its writer
// may not have locked it yet), a look-alike and anything else under such a name (a pipe, a link
// to an old file, a folder) stay, and none is waited for.
TEST(FileStore, ACreateRemovesOnlyADeadWritersOldTemporary) {
    const QString kNazev = ".sorvenika-AbCdEf012345.tmp";
    QTemporaryDir dir;
    const QString stary = dir.filePath("stary");
    writeBytes(stary, "x");
    zestarni(stary, 120);
    int zamek = -1;
    const struct {
        const char* co;
        std::function<void(const QString&)> udelej;
        int stari;
        bool odebran;
        QString nazev = {};
    } pripady[] = {
        {"a dead writer's", [](const QString& c) { writeBytes(c, "x"); }, 61, true},
        {"a dead writer's, young", [](const QString& c) { writeBytes(c, "x"); }, 50, false},
        {"a live writer's",
         [&](const QString& c) {
             writeBytes(c, "x");
             zamek = ::open(QFile::encodeName(c).constData(), O_RDONLY | O_CLOEXEC);
             EXPECT_EQ(flock(zamek, LOCK_EX | LOCK_NB), 0);
         },
         120, false},
        {"a look-alike", [](const QString& c) { writeBytes(c, "x"); }, 120, false, ".sorvenika-AbCdEf01234.tmp"},
        {"a pipe", [](const QString& c) { EXPECT_EQ(mkfifo(QFile::encodeName(c).constData(), 0600), 0); }, 120, false},
        {"a link", [&](const QString& c) { EXPECT_TRUE(QFile::link(stary, c)); }, 120, false},
        {"a folder", [](const QString& c) { EXPECT_TRUE(QDir().mkdir(c)); }, 120, false},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.co);
        const QString cesta = dir.filePath(p.nazev.isEmpty() ? kNazev : p.nazev);
        p.udelej(cesta);
        zestarni(cesta, p.stari);
        const QByteArray v = vPotomkovi([&]() -> QByteArray {
            alarm(10);
            return filestore::createTemp(dir.filePath("a.htm"), false) ? "ok" : "create";
        });
        EXPECT_EQ(v, "ok");
        struct stat st {};
        EXPECT_EQ(::lstat(QFile::encodeName(cesta).constData(), &st) != 0, p.odebran);
        if (zamek >= 0) ::close(std::exchange(zamek, -1));
        QFile::remove(cesta);
        QDir().rmdir(cesta);
    }
    EXPECT_EQ(readBytes(stary), "x");
}

#if defined(__x86_64__)
// An open, a permission change, a rename or a link the system refuses for a reason no access
// check can see (a failing device, a quota) is named in Czech too, and leaves the old file or no
// new one.
TEST(FileStore, AFailedOpenRenameOrLinkSaysWhyInCzech) {
    const std::initializer_list<unsigned> prejmenovani = {__NR_rename, __NR_renameat, __NR_renameat2, __NR_link, __NR_linkat};
    const struct {
        const char* co;
        std::initializer_list<unsigned> volani;
        int chyba;
        bool novy;  // a new file's create, else a rewrite
        bool pojmenovany = false;  // a new file's temporary named
        bool soukromy = false;     // a rewrite for the owner alone
    } pripady[] = {
        {"rewrite open", {__NR_open, __NR_openat}, EIO, false},
        {"rewrite open", {__NR_open, __NR_openat}, EDQUOT, false},
        {"rewrite rename", prejmenovani, EIO, false},
        {"new open", {__NR_open, __NR_openat}, EDQUOT, true},
        {"new link", prejmenovani, EIO, true},
        {"new named link", prejmenovani, EIO, true, true},
        {"new named lock", {__NR_flock}, ENOLCK, true, true},
        {"rewrite permissions", {__NR_fchmod, __NR_fchmodat, __NR_chmod}, EPERM, false, false, true},
    };
    for (const auto& p : pripady) {
        QTemporaryDir dir;
        const QString soubor = dir.filePath("x.txt");
        writeBytes(soubor, "old");
        const QString novy = dir.filePath("n.txt");
        const QByteArray zprava = vPotomkovi([&]() -> QByteArray {
            std::vector<PravidloVolani> pravidla;
            for (const unsigned v : p.volani) pravidla.push_back({.volani = v, .akce = chybou(p.chyba)});
            if (p.pojmenovany) pravidla.push_back(kBezNepojmenovanych);
            if (!filtrujVolani(pravidla)) return "seccomp";
            const auto prava = p.soukromy ? std::optional(QFileDevice::ReadOwner | QFileDevice::WriteOwner) : std::nullopt;
            if (!p.novy) return filestore::replace(soubor, "new", prava).chyba().toUtf8();
            Vysledek<filestore::TempFile> t = filestore::createTemp(novy, false);
            if (!t) return t.chyba().toUtf8();
            return (*t).linkAs([&](int) { return novy; }).chyba().toUtf8();
        });
        EXPECT_EQ(QString::fromUtf8(zprava), filestore::chybaZapisu(p.novy ? novy : soubor, filestore::duvodSystemu(p.chyba)).zprava)
            << p.co;
        EXPECT_EQ(soubory(dir.path()), QStringList{"x.txt"}) << p.co;
        EXPECT_EQ(readBytes(soubor), "old");
    }
}

namespace {

int g_zpravy = -1, g_pokyn = -1;
bool g_zastaven = false;

// The first lock of a new temporary stops its writer until it is told to go on; every lock is
// then taken as asked, by a call the filter lets through.
void zastavPredZamkem(int, siginfo_t*, void* kontext) {
    char c = 'z';
    if (!std::exchange(g_zastaven, true) && write(g_zpravy, &c, 1) == 1) (void)!read(g_pokyn, &c, 1);
    greg_t* r = static_cast<ucontext_t*>(kontext)->uc_mcontext.gregs;
    r[REG_RAX] = flock(static_cast<int>(r[REG_RDI]), LOCK_EX) == 0 ? 0 : -errno;
}

}  // namespace

// A named temporary whose name another program took (it removed the file and made its own there,
// which a writer by name would fill) gets no name, and that program's file stays.
TEST(FileStore, ANamedTemporaryThatLostItsNameGetsNoName) {
    QTemporaryDir dir;
    const QString cil = dir.filePath("a.xlsx");
    const QByteArray v = vPotomkovi([&]() -> QByteArray {
        if (!filtrujVolani({kBezNepojmenovanych})) return "seccomp";
        Vysledek<filestore::TempFile> t = filestore::createTemp(cil, true);
        if (!t) return t.chyba().toUtf8();
        QFile::remove(t->cesta());
        writeBytes(t->cesta(), "cizi");
        return (*t).linkAs([&](int) { return cil; }).chyba().toUtf8();
    });
    EXPECT_EQ(QString::fromUtf8(v), filestore::chybaZapisu(cil, filestore::duvodSystemu(ENOENT)).zprava);
    const QStringList zbyva = soubory(dir.path());
    ASSERT_EQ(zbyva.size(), 1);
    EXPECT_EQ(readBytes(dir.filePath(zbyva[0])), "cizi");
}

// Two writers in one folder where temporaries are named: the second one's clean-up runs while the
// first has made its temporary and not yet locked it. The first one's stays its own and gets its
// name whole; so too when it had stood there over a minute and the clean-up took it.
TEST(FileStore, AnotherWritersCleanUpNeverTakesALiveTemporary) {
    for (const bool stary : {false, true}) {
        SCOPED_TRACE(stary);
        QTemporaryDir dir;
        const QString cil = dir.filePath("a.htm");
        const QByteArray obsah(100000, 'k');
        int zpravy[2], pokyn[2];
        ASSERT_EQ(pipe(zpravy), 0);
        ASSERT_EQ(pipe(pokyn), 0);
        const pid_t prvni = fork();
        ASSERT_GE(prvni, 0);
        if (prvni == 0) {
            close(zpravy[0]);
            close(pokyn[1]);
            g_zpravy = zpravy[1];
            g_pokyn = pokyn[0];
            struct sigaction sa {};
            sa.sa_sigaction = zastavPredZamkem;
            sa.sa_flags = SA_SIGINFO;
            QByteArray v = "seccomp";
            if (sigaction(SIGSYS, &sa, nullptr) == 0 &&
                filtrujVolani({kBezNepojmenovanych, {__NR_flock, 1, ~0u, LOCK_EX | LOCK_NB, SECCOMP_RET_TRAP}})) {
                Vysledek<filestore::TempFile> t = filestore::createTemp(cil, false);
                const Vysledek<QString> nazev = !t ? t.selhani() : !(*t).write(obsah) ? Chyba{"write"} : (*t).linkAs([&](int) { return cil; });
                v = nazev ? nazev->toUtf8() : nazev.chyba().toUtf8();
            }
            (void)!write(zpravy[1], v.constData(), static_cast<size_t>(v.size()));
            _exit(0);
        }
        close(zpravy[1]);
        close(pokyn[0]);
        char c = 0;
        const bool zastaven = read(zpravy[0], &c, 1) == 1 && c == 'z';
        EXPECT_TRUE(zastaven);
        const QStringList docasne = QDir(dir.path()).entryList({".sorvenika-*"}, QDir::Files | QDir::Hidden);
        EXPECT_EQ(docasne.size(), 1);
        if (stary && zastaven) zestarni(dir.filePath(docasne.value(0)), 61);
        {
            const Vysledek<filestore::TempFile> druhy = filestore::createTemp(cil, false);
            EXPECT_TRUE(druhy);
            EXPECT_EQ(QFileInfo::exists(dir.filePath(docasne.value(0))), !stary);
        }
        EXPECT_EQ(write(pokyn[1], &c, 1), 1);
        close(pokyn[1]);
        const QByteArray v = dojdiDoKonce(zpravy[0]);
        waitpid(prvni, nullptr, 0);
        EXPECT_EQ(QString::fromUtf8(v), cil);
        EXPECT_TRUE(readBytes(cil) == obsah);
        EXPECT_EQ(soubory(dir.path()), QStringList{"a.htm"});
    }
}
#endif

// What another user (a child process running as nobody) meets: a file it may not read is not a
// missing one, and every refusal, to read or to write, gives the system's reason in Czech
// whatever the machine's language.
TEST(FileStore, AFailedOpenSaysWhyInCzech) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7755));
    const QString soubor = dir.filePath("x.txt"), chybi = dir.filePath("nic.txt");
    writeBytes(soubor, "old");
    QFile::setPermissions(soubor, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray zpravy = vPotomkovi([&]() -> QByteArray {
        if (setgid(65534) != 0 || setuid(65534) != 0) return "setuid";
        QFile f(soubor);
        const QStringList z{filestore::readAll(soubor).chyba(), filestore::openRead(f).chyba(),
                            filestore::readTail(soubor, 1).chyba(), filestore::readExisting(soubor).chyba(),
                            filestore::readAll(chybi) && !*filestore::readAll(chybi) ? "chybí" : "?",
                            filestore::append(soubor, "x").chyba(), filestore::replace(soubor, "x").chyba(),
                            filestore::replace(chybi, "x").chyba(), filestore::remove(soubor).chyba()};
        return z.join('\n').toUtf8();
    });
    const QString cteni = "Soubor " + soubor + " nelze přečíst: Přístup odepřen.", zapis = "Chyba při zápisu do souboru %1: %2Přístup odepřen";
    EXPECT_EQ(QString::fromUtf8(zpravy).split('\n'), (QStringList{cteni, cteni, cteni, cteni, "chybí", zapis.arg(soubor, ""), zapis.arg(soubor, ""),
                                                                 zapis.arg(chybi, ""), zapis.arg(soubor, "soubor nelze smazat: ")}));
    EXPECT_EQ(readBytes(soubor), "old");
}
