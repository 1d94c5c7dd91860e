// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/word_reader_limits.h"

#include <csignal>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

// AddressSanitizer maps terabytes of shadow memory: no address-space limit under it.
#if defined(__SANITIZE_ADDRESS__)
#define VORLIX_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VORLIX_ADDRESS_SANITIZER 1
#endif
#endif

#if defined(VORLIX_ADDRESS_SANITIZER)
// In place of the address-space limit below, which the sanitizer's shadow memory rules out.
extern "C" const char* __asan_default_options()
{
    return "hard_rss_limit_mb=1024";
}
#endif

namespace vorlix {

void limitThisWordReader()
{
    // No reader outlives the program, even one stuck in a loop that never writes.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    // A pipe that holds several pieces lets the reader go on while the program takes the last.
    fcntl(STDOUT_FILENO, F_SETPIPE_SZ, 1 << 20);
#if !defined(VORLIX_ADDRESS_SANITIZER)
    const rlimit limit{kWordReaderMemoryLimit, kWordReaderMemoryLimit};
    setrlimit(RLIMIT_AS, &limit);
#endif
}

void yieldToTheWindow()
{
    // A reader that cannot step back reads at the priority it has.
    [[maybe_unused]] const int priority = nice(10);
}

// Here the reader sets every limit itself, before the program gives it a file; the program only
// watches for its end.
ReaderLeash::~ReaderLeash()
{
    if (ended_ >= 0) close(ended_);
}

bool ReaderLeash::hold(int64_t processId)
{
    ended_ = static_cast<int>(syscall(SYS_pidfd_open, static_cast<pid_t>(processId), 0));
    return true;
}

}  // namespace vorlix
