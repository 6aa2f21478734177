#pragma once
// For a forked child only (the filter stays for the rest of the process): the given system calls
// end as `akce` says. False when the filter could not be set.
#include <cerrno>
#include <cstddef>
#include <initializer_list>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <vector>

inline bool nastavFiltr(std::vector<sock_filter>& program) {
    const sock_fprog fprog{static_cast<unsigned short>(program.size()), program.data()};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &fprog) == 0;
}

inline bool filtrujVolani(std::initializer_list<unsigned> volani, unsigned akce) {
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
    program.push_back(BPF_STMT(BPF_RET | BPF_K, akce));
    return nastavFiltr(program);
#else
    (void)volani;
    (void)akce;
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
#if defined(__x86_64__)
    std::vector<sock_filter> program{
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AUDIT_ARCH_X86_64, 0, 4),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, volani, 0, 2),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[0])),  // its low half
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<unsigned>(fd), 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (static_cast<unsigned>(chyba) & SECCOMP_RET_DATA)),
    };
    return nastavFiltr(program);
#else
    (void)volani;
    (void)fd;
    (void)chyba;
    return false;
#endif
}
