#include "platform/FileStore.h"
#include "support/SelhaniVolani.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

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

// In a forked child: every rename traps, and with `bezNepojmenovanych` an unnamed temporary
// file is refused as on a file system without O_TMPFILE, so that QSaveFile names its own.
bool omezPotomka(bool bezNepojmenovanych) {
    const unsigned maska = bezNepojmenovanych ? __O_TMPFILE : 0;
    sock_filter program[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AUDIT_ARCH_X86_64, 0, 8),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_rename, 7, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_renameat, 6, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_renameat2, 5, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_openat, 0, 3),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[2])),
        BPF_STMT(BPF_ALU | BPF_AND | BPF_K, maska),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __O_TMPFILE, 2, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_TRAP),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EOPNOTSUPP),
    };
    const sock_fprog fprog{static_cast<unsigned short>(std::size(program)), program};
    struct sigaction sa {};
    sa.sa_handler = zastavPredPrejmenovanim;
    return sigaction(SIGSYS, &sa, nullptr) == 0 && prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &fprog) == 0;
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

namespace {

// In a forked child: a write of exactly `n` bytes fails with `chyba`, as the system would
// fail it on a full disk, an exceeded quota, a read-only file system or a failing device.
bool selhejZapis(unsigned n, int chyba) {
    sock_filter program[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AUDIT_ARCH_X86_64, 0, 4),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_write, 0, 2),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[2])),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, n, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (static_cast<unsigned>(chyba) & SECCOMP_RET_DATA)),
    };
    const sock_fprog fprog{static_cast<unsigned short>(std::size(program)), program};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &fprog) == 0;
}

}  // namespace

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

// A new file gets the first free name only whole: a file, a folder and a link that leads nowhere
// are passed over; it is its user's alone when private, else as new files are. Where the file
// system cannot rename without replacing, it is linked instead. Temporaries whose writer is gone
// are removed by the next create, one still being written and a look-alike stay.
TEST(FileStore, ANewFileTakesTheFirstFreeNameWhole) {
    QTemporaryDir dir;
    const QString cizi = dir.filePath("cizi");
    writeBytes(dir.filePath("a.htm"), "old");
    QDir().mkdir(dir.filePath("a-2.htm"));
    ASSERT_TRUE(QFile::link(cizi, dir.filePath("a-3.htm")));
    const auto jmeno = [&](int i) { return dir.filePath(i == 1 ? "a.htm" : QStringLiteral("a-%1.htm").arg(i)); };
    const mode_t maska = umask(022);
    const struct {
        bool soukromy;
        std::initializer_list<unsigned> odmitnuta;  // a file system without the rename that never replaces
        QFileDevice::Permissions prava;
    } pripady[] = {
        {false, {}, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther},
        {true, {}, QFileDevice::ReadOwner | QFileDevice::WriteOwner},
        {true, {__NR_renameat2}, QFileDevice::ReadOwner | QFileDevice::WriteOwner},
    };
    int cislo = 4;
    for (const auto& p : pripady) {
        const QString nazev = QString::fromUtf8(vPotomkovi([&]() -> QByteArray {
            if (p.odmitnuta.size() && !selhejVolani(p.odmitnuta, EINVAL)) return "seccomp";
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

    writeBytes(dir.filePath(".sorvenika-AbCdEf012345.tmp"), "a dead writer's");
    writeBytes(dir.filePath(".sorvenika-AbCdEf01234.tmp"), "a look-alike");
    {
        const Vysledek<filestore::TempFile> zivy = filestore::createTemp(jmeno(1), false);
        ASSERT_TRUE(zivy);
        ASSERT_TRUE(filestore::createTemp(jmeno(1), false));
        EXPECT_TRUE(QFile::exists(zivy->cesta()));
    }
    EXPECT_EQ(soubory(dir.path()), (QStringList{".sorvenika-AbCdEf01234.tmp", "a-4.htm", "a-5.htm", "a-6.htm", "a.htm"}));
}

#if defined(__x86_64__)
// An open, a rename or a link the system refuses for a reason no access check can see (a failing
// device, a quota) is named in Czech too, and leaves the old file or no new one.
TEST(FileStore, AFailedOpenRenameOrLinkSaysWhyInCzech) {
    const std::initializer_list<unsigned> prejmenovani = {__NR_rename, __NR_renameat, __NR_renameat2, __NR_link, __NR_linkat};
    const struct {
        const char* co;
        std::initializer_list<unsigned> volani;
        int chyba;
        bool novy;  // a new file's create, else a rewrite
    } pripady[] = {
        {"rewrite open", {__NR_open, __NR_openat}, EIO, false},
        {"rewrite open", {__NR_open, __NR_openat}, EDQUOT, false},
        {"rewrite rename", prejmenovani, EIO, false},
        {"new open", {__NR_open, __NR_openat}, EDQUOT, true},
        {"new link", prejmenovani, EIO, true},
    };
    for (const auto& p : pripady) {
        QTemporaryDir dir;
        const QString soubor = dir.filePath("x.txt");
        writeBytes(soubor, "old");
        const QString novy = dir.filePath("n.txt");
        const QByteArray zprava = vPotomkovi([&]() -> QByteArray {
            if (!selhejVolani(p.volani, p.chyba)) return "seccomp";
            if (!p.novy) return filestore::replace(soubor, "new").chyba().toUtf8();
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
