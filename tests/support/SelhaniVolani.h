#pragma once
// For a forked child only (the filter stays for the rest of the process): the given system calls
// end as their rules say. False when the filter could not be set.
#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <future>
#include <initializer_list>
#include <string>
#include <string_view>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/uio.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

// A rule: the call `volani` whose argument number `argument` has, in the bits of `maska`, the
// value `hodnota` (a mask of 0 matches every call) ends as `akce` says.
struct PravidloVolani {
    unsigned volani, argument = 0, maska = 0, hodnota = 0, akce = SECCOMP_RET_KILL_PROCESS;
};

// The action of a call failed with `chyba`.
inline unsigned chybou(int chyba) { return SECCOMP_RET_ERRNO | (static_cast<unsigned>(chyba) & SECCOMP_RET_DATA); }

// The first rule that matches a call decides it; a call no rule matches runs.
inline bool filtrujVolani(const std::vector<PravidloVolani>& pravidla) {
#if defined(__x86_64__)
    std::vector<sock_filter> program{
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AUDIT_ARCH_X86_64, 0, static_cast<unsigned char>(6 * pravidla.size())),
    };
    for (const PravidloVolani& p : pravidla) {
        // The argument's lower half, which holds every flag and size the rules look at.
        const std::vector<sock_filter> pravidlo{
            BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, p.volani, 0, 4),
            BPF_STMT(BPF_LD | BPF_W | BPF_ABS, static_cast<unsigned>(offsetof(seccomp_data, args) + 8 * p.argument)),
            BPF_STMT(BPF_ALU | BPF_AND | BPF_K, p.maska),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, p.hodnota, 0, 1),
            BPF_STMT(BPF_RET | BPF_K, p.akce),
        };
        program.insert(program.end(), pravidlo.begin(), pravidlo.end());
    }
    program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    const sock_fprog fprog{static_cast<unsigned short>(program.size()), program.data()};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &fprog) == 0;
#else
    (void)pravidla;
    return false;
#endif
}

// With `deskriptor`, only the calls on that descriptor (their first argument).
inline bool filtrujVolani(std::initializer_list<unsigned> volani, unsigned akce, int deskriptor = -1) {
    std::vector<PravidloVolani> pravidla;
    const unsigned maska = deskriptor >= 0 ? ~0u : 0u, hodnota = deskriptor >= 0 ? static_cast<unsigned>(deskriptor) : 0u;
    for (const unsigned v : volani) pravidla.push_back({.volani = v, .argument = 0, .maska = maska, .hodnota = hodnota, .akce = akce});
    return filtrujVolani(pravidla);
}

// They fail with `chyba`, as the system would fail them on a full disk, a read-only file system or
// a failing device.
inline bool selhejVolani(std::initializer_list<unsigned> volani, int chyba) {
    return filtrujVolani(volani, chybou(chyba));
}

// The process is killed at the first of them, before it runs, as a kill or a power cut would
// stop it there.
inline bool zabijPriVolani(std::initializer_list<unsigned> volani) { return filtrujVolani(volani, SECCOMP_RET_KILL_PROCESS); }

// A write of exactly `n` bytes fails with `chyba`, as the system would fail it on a full disk, an
// exceeded quota, a read-only file system or a failing device.
inline bool selhejZapis(unsigned n, int chyba) { return filtrujVolani({{__NR_write, 2, ~0u, n, chybou(chyba)}}); }

// Why a listener of calls (poslouchejVolani, selhejNtyZapis, predCtenim) cannot be set up here, for
// the test to skip with; empty when it can. It lets calls carry on, which seccomp user notification
// allows from Linux 5.5 (the filter here is for x86-64).
inline std::string bezPosluchace() {
#if defined(__x86_64__)
    utsname system{};
    unsigned hlavni = 0, vedlejsi = 0;
    if (uname(&system) != 0 || std::sscanf(system.release, "%u.%u", &hlavni, &vedlejsi) != 2)
        return "the kernel's version cannot be read";
    if (hlavni < 5 || (hlavni == 5 && vedlejsi < 5))
        return std::string("seccomp user notification lets a call carry on from Linux 5.5, this is ") + system.release;
    unsigned akce = SECCOMP_RET_USER_NOTIF;
    if (syscall(__NR_seccomp, SECCOMP_GET_ACTION_AVAIL, 0, &akce) != 0)
        return std::string("seccomp user notification is not available: ") + std::strerror(errno);
    // A filter above this process (a sandbox's, or one with a listener of its own) may refuse a
    // new listener all the same: tried in a child, whose filter ends with it.
    const pid_t dite = fork();
    sock_filter vse = BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW);
    const sock_fprog fprog{1, &vse};
    if (dite == 0)
        _exit(prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) || syscall(__NR_seccomp, SECCOMP_SET_MODE_FILTER, SECCOMP_FILTER_FLAG_NEW_LISTENER, &fprog) < 0 ? errno : 0);
    int stav = 0;
    if (dite < 0 || waitpid(dite, &stav, 0) != dite || !WIFEXITED(stav)) return "a child cannot try a listener of calls here";
    if (WEXITSTATUS(stav) != 0) return std::string("a new listener of calls cannot be set up here: ") + std::strerror(WEXITSTATUS(stav));
    return {};
#else
    return "the filter of calls is written for x86-64 only";
#endif
}

#if defined(__x86_64__)
// The calls `volani` of this thread and of the threads it starts wait from now on for a thread of
// their own, which hands each to `odpovez(volani, posli)`; that answers it with posli(odpoved),
// false when the call was interrupted before it (and is made again or not at all). False, errno
// saying why, when it cannot be set. The listener is a thread of this process, so it ends with it;
// one that can no longer answer ends the process, whose calls would otherwise wait for ever.
// `odpovez` runs while a call waits, so it must not need a lock the caller may hold (the heap's
// is free at a write or an open).
template <class Odpoved>
bool poslouchejVolani(unsigned volani, Odpoved odpovez) {
    // The listener starts before the filter: starting a thread may make the calls (the sanitizers'
    // checks write), and under the filter they would wait for a listener not yet there.
    std::promise<int> posluchac;
    std::thread([f = posluchac.get_future(), odpovez]() mutable {
        const int fd = f.get();
        const auto konec = [](const char* volani) {
            char zprava[160];
            const int delka = std::snprintf(zprava, sizeof zprava, "poslouchejVolani: %s: %s\n", volani, std::strerror(errno));
            (void)!write(STDERR_FILENO, zprava, static_cast<size_t>(std::max(delka, 0)));
            _exit(125);
        };
        const auto posli = [&](seccomp_notif_resp odpoved) {
            if (ioctl(fd, SECCOMP_IOCTL_NOTIF_SEND, &odpoved) == 0) return true;
            if (errno != ENOENT) konec("SECCOMP_IOCTL_NOTIF_SEND");
            return false;
        };
        while (fd >= 0) {
            seccomp_notif volani{};
            if (ioctl(fd, SECCOMP_IOCTL_NOTIF_RECV, &volani) == 0) odpovez(volani, posli);
            // ENOENT: the call was interrupted before it was handed over.
            else if (errno != EINTR && errno != ENOENT) konec("SECCOMP_IOCTL_NOTIF_RECV");
        }
    }).detach();
    sock_filter program[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AUDIT_ARCH_X86_64, 0, 3),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, volani, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_USER_NOTIF),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog fprog{static_cast<unsigned short>(std::size(program)), program};
    const int fd = prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0
                       ? -1
                       : static_cast<int>(syscall(__NR_seccomp, SECCOMP_SET_MODE_FILTER, SECCOMP_FILTER_FLAG_NEW_LISTENER, &fprog));
    const int e = errno;
    posluchac.set_value(fd);
    errno = e;
    return fd >= 0;
}

// The answer that lets a call carry on as the system makes it.
inline seccomp_notif_resp pokracuj(const seccomp_notif& volani) {
    return {.id = volani.id, .val = 0, .error = 0, .flags = SECCOMP_USER_NOTIF_FLAG_CONTINUE};
}
#endif

// The writes (write(2)) of this thread and of the threads it starts, but for those into a pipe,
// are counted from now on, and only the `n`th (from 1; none for 0) fails with `chyba`: one write
// the system failed among many that it made; with `chyba` 0 (in a forked child only) the process
// is killed before it, as a kill or a power cut would stop it. Gives the count so far; nullptr
// (errno says why) when it cannot be set.
inline const std::atomic<unsigned>* selhejNtyZapis(unsigned n, int chyba) {
#if defined(__x86_64__)
    static std::atomic<unsigned> zapisu{0};
    const bool nastaveno = poslouchejVolani(__NR_write, [n, chyba](const seccomp_notif& zapis, const auto& posli) {
        // A pipe is the sanitizers' probe of memory, which aborts on an error it did not expect.
        char odkaz[64], cil[16] = {};
        std::snprintf(odkaz, sizeof odkaz, "/proc/%u/fd/%llu", zapis.pid, static_cast<unsigned long long>(zapis.data.args[0]));
        const bool pocitany = !(readlink(odkaz, cil, sizeof cil - 1) > 0 && std::string_view(cil).starts_with("pipe:"));
        const bool nty = pocitany && zapisu + 1 == n;
        if (nty && chyba == 0) kill(getpid(), SIGKILL);
        if (posli(nty ? seccomp_notif_resp{.id = zapis.id, .val = 0, .error = -chyba, .flags = 0} : pokracuj(zapis)) && pocitany) ++zapisu;
    });
    return nastaveno ? &zapisu : nullptr;
#else
    (void)n, (void)chyba;
    errno = ENOSYS;
    return nullptr;
#endif
}

// The first time this thread, or one it starts, opens `cesta` for reading only, `akce` runs before
// the open does: a file changed on disk between its writer's close and its reader's open. Gives
// whether it has run and succeeded; nullptr (errno says why) when it cannot be set.
inline const std::atomic<bool>* predCtenim(const std::string& cesta, const std::function<bool()>& akce) {
#if defined(__x86_64__)
    static std::atomic<bool> hotovo{false};
    const bool nastaveno = poslouchejVolani(__NR_openat, [cesta, akce, probehla = false](const seccomp_notif& otevreni,
                                                                                        const auto& posli) mutable {
        // The name lies in the opener's memory, read as the system reads another process's: up to
        // the end of its page, then on, as the next page may not be there for a short name.
        std::array<char, 4096> jmeno{};
        const std::uintptr_t od = otevreni.data.args[1];
        const std::size_t naStrance = std::min<std::size_t>((od | 4095) + 1 - od, jmeno.size() - 1);
        const iovec sem{jmeno.data(), jmeno.size() - 1};
        const iovec odtud[] = {{reinterpret_cast<void*>(od), naStrance},
                               {reinterpret_cast<void*>(od + naStrance), jmeno.size() - 1 - naStrance}};
        const bool cteni = (otevreni.data.args[2] & O_ACCMODE) == O_RDONLY;
        if (!probehla && cteni && process_vm_readv(static_cast<pid_t>(otevreni.pid), &sem, 1, odtud, 2, 0) > 0 &&
            cesta == jmeno.data()) {
            probehla = true;
            hotovo = akce();
        }
        posli(pokracuj(otevreni));
    });
    return nastaveno ? &hotovo : nullptr;
#else
    (void)cesta, (void)akce;
    errno = ENOSYS;
    return nullptr;
#endif
}

// An unnamed temporary file is refused, as on a file system without O_TMPFILE.
inline const PravidloVolani kBezNepojmenovanych{__NR_openat, 2, __O_TMPFILE, __O_TMPFILE, chybou(EOPNOTSUPP)};

// Only the call on descriptor `fd` fails with `chyba`: one file of several that a writer has open.
inline bool selhejVolaniNa(unsigned volani, int fd, int chyba) {
    return filtrujVolani({volani}, chybou(chyba), fd);
}

// The sanitizers' own checks need system calls and descriptors that a test may take away.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSeSanitizery = true;
#else
inline constexpr bool kSeSanitizery = false;
#endif

// Files opened from now until konec() cannot be read: as on a failing device or share (EIO: the
// reads of the descriptor the next open gets fail) or in a process out of descriptors (EMFILE:
// they do not open). After konec() files open and read again (false when that cannot be
// promised). The EIO filter stays, on a descriptor konec() keeps taken: for a forked child only.
class SelhaniCteni {
public:
    explicit SelhaniCteni(int chyba) : m_chyba(chyba) {
        // The lowest free descriptor is the one the next open gets.
        m_deskriptor = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        ::close(m_deskriptor);
        if (chyba == EMFILE) {
            if (getrlimit(RLIMIT_NOFILE, &m_limit) != 0) return;
            rlimit nizky = m_limit;
            nizky.rlim_cur = static_cast<rlim_t>(m_deskriptor);
            m_nastaveno = setrlimit(RLIMIT_NOFILE, &nizky) == 0;
        } else {
            m_nastaveno = filtrujVolani({__NR_read, __NR_readv, __NR_pread64, __NR_preadv, __NR_preadv2}, chybou(chyba),
                                        m_deskriptor);
        }
    }
    bool nastaveno() const { return m_nastaveno; }
    bool konec() {
        if (m_chyba == EMFILE) return m_nastaveno && setrlimit(RLIMIT_NOFILE, &m_limit) == 0;
        return ::open("/dev/null", O_RDONLY | O_CLOEXEC) == m_deskriptor;
    }

private:
    int m_chyba;
    int m_deskriptor;
    rlimit m_limit{};
    bool m_nastaveno = false;
};
