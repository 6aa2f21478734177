#pragma once
// For a forked child only (the filter stays for the rest of the process): the given system calls
// end as `akce` says. False when the filter could not be set.
#include <cerrno>
#include <cstddef>
#include <fcntl.h>
#include <initializer_list>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

// With `deskriptor`, only the calls on that descriptor (their first argument).
inline bool filtrujVolani(std::initializer_list<unsigned> volani, unsigned akce, int deskriptor = -1) {
#if defined(__x86_64__)
    std::vector<sock_filter> program{
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AUDIT_ARCH_X86_64, 0, static_cast<unsigned char>(volani.size() + 1)),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
    };
    // Each match jumps over the ones left and the allow to the failure.
    unsigned zbyva = static_cast<unsigned>(volani.size());
    for (const unsigned v : volani) program.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, v, static_cast<unsigned char>(zbyva--), 0));
    program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    if (deskriptor >= 0) {
        program.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[0])));
        program.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<unsigned>(deskriptor), 1, 0));
        program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    }
    program.push_back(BPF_STMT(BPF_RET | BPF_K, akce));
    const sock_fprog fprog{static_cast<unsigned short>(program.size()), program.data()};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &fprog) == 0;
#else
    (void)volani;
    (void)akce;
    (void)deskriptor;
    return false;
#endif
}

// They fail with `chyba`, as the system would fail them on a full disk, a read-only file system or
// a failing device.
inline bool selhejVolani(std::initializer_list<unsigned> volani, int chyba) {
    return filtrujVolani(volani, SECCOMP_RET_ERRNO | (static_cast<unsigned>(chyba) & SECCOMP_RET_DATA));
}

// The process is killed at the first of them, before it runs, as a kill or a power cut would
// stop it there.
inline bool zabijPriVolani(std::initializer_list<unsigned> volani) { return filtrujVolani(volani, SECCOMP_RET_KILL_PROCESS); }

// Only the call on descriptor `fd` fails with `chyba`: one file of several that a writer has open.
inline bool selhejVolaniNa(unsigned volani, int fd, int chyba) {
    return filtrujVolani({volani}, SECCOMP_RET_ERRNO | (static_cast<unsigned>(chyba) & SECCOMP_RET_DATA), fd);
}

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
            m_nastaveno = filtrujVolani({__NR_read, __NR_readv, __NR_pread64, __NR_preadv, __NR_preadv2},
                                        SECCOMP_RET_ERRNO | (static_cast<unsigned>(chyba) & SECCOMP_RET_DATA), m_deskriptor);
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
