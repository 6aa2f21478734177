#pragma once
// For a forked child only (the filter stays for the rest of the process): the given system calls
// end as their rules say. False when the filter could not be set.
#include <atomic>
#include <cerrno>
#include <cstddef>
#include <fcntl.h>
#include <future>
#include <initializer_list>
#include <string>
#include <string_view>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
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

// The writes (write(2)) of this thread and of the threads it starts, but for those into a pipe,
// are counted from now on by a thread of their own, and only the `n`th (from 1; none for 0) fails with `chyba`: one write the
// system failed among many that it made. Gives the count so far; nullptr when it cannot be set.
inline const std::atomic<unsigned>* selhejNtyZapis(unsigned n, int chyba) {
#if defined(__x86_64__)
    static std::atomic<unsigned> zapisu{0};
    // The counting thread starts before the filter: starting a thread may write (the sanitizers'
    // checks do), and under the filter that write would wait for a counter not yet there.
    std::promise<int> posluchac;
    std::thread([f = posluchac.get_future(), n, chyba]() mutable {
        for (const int fd = f.get(); fd >= 0;) {
            seccomp_notif zapis{};
            if (ioctl(fd, SECCOMP_IOCTL_NOTIF_RECV, &zapis) != 0) {
                if (errno == EINTR) continue;
                return;
            }
            seccomp_notif_resp odpoved{.id = zapis.id, .val = 0, .error = 0, .flags = SECCOMP_USER_NOTIF_FLAG_CONTINUE};
            // A pipe is the sanitizers' probe of memory, which aborts on an error it did not expect.
            char cil[16] = {};
            const std::string odkaz = "/proc/self/fd/" + std::to_string(zapis.data.args[0]);
            const bool roura = readlink(odkaz.c_str(), cil, sizeof cil - 1) > 0 && std::string_view(cil).starts_with("pipe:");
            if (!roura && ++zapisu == n) odpoved = {.id = zapis.id, .val = 0, .error = -chyba, .flags = 0};
            ioctl(fd, SECCOMP_IOCTL_NOTIF_SEND, &odpoved);
        }
    }).detach();
    sock_filter program[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AUDIT_ARCH_X86_64, 0, 3),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_write, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_USER_NOTIF),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog fprog{static_cast<unsigned short>(std::size(program)), program};
    const int fd = prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0
                       ? -1
                       : static_cast<int>(syscall(__NR_seccomp, SECCOMP_SET_MODE_FILTER, SECCOMP_FILTER_FLAG_NEW_LISTENER, &fprog));
    posluchac.set_value(fd);
    return fd >= 0 ? &zapisu : nullptr;
#else
    (void)n, (void)chyba;
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
