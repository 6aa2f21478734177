#pragma once
// The calling thread loses root's right to pass over file permissions, so that a file or folder
// the user could not read or write is so for a test run as root too; the right comes back when
// the object goes. Without root nothing changes.
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

struct BezPravaCist {
    __user_cap_header_struct hlavicka{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct puvodni[2]{};
    BezPravaCist() {
        syscall(SYS_capget, &hlavicka, puvodni);
        __user_cap_data_struct bez[2] = {puvodni[0], puvodni[1]};
        bez[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &hlavicka, bez);
    }
    ~BezPravaCist() { syscall(SYS_capset, &hlavicka, puvodni); }
    BezPravaCist(const BezPravaCist&) = delete;
    BezPravaCist& operator=(const BezPravaCist&) = delete;
};
