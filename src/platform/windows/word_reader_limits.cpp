// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/word_reader_limits.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace vorlix {

void limitThisWordReader()
{
    // A reader that crashes on a damaged file ends there and then, with the crash's own code,
    // which the program reads as a crash: no error box for the user to close (Wine would start
    // its debugger), which would also keep the reader alive until then.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter([](EXCEPTION_POINTERS* crash) -> LONG {
        TerminateProcess(GetCurrentProcess(), crash->ExceptionRecord->ExceptionCode);
        return EXCEPTION_EXECUTE_HANDLER;
    });
    // The word stream is bytes: no line-end translation on the way to the program.
    _setmode(_fileno(stdout), _O_BINARY);
    // What the Jet library says about a damaged file reaches the program as it is said, also
    // from a reader that is ended later; the runtime would otherwise hold it back in a buffer.
    std::setvbuf(stderr, nullptr, _IONBF, 0);
}

void yieldToTheWindow()
{
    SetPriorityClass(GetCurrentProcess(), BELOW_NORMAL_PRIORITY_CLASS);
}

// A process cannot bind itself to die with the program, so the program puts the reader in a job
// of its own: closing the job's last handle, which the system does when the program ends in any
// way, ends the reader; and the job caps the reader's memory.
ReaderLeash::~ReaderLeash()
{
    if (job_) CloseHandle(static_cast<HANDLE>(job_));
}

bool ReaderLeash::hold(int64_t processId)
{
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    if (!job) return false;
    job_ = job;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | JOB_OBJECT_LIMIT_PROCESS_MEMORY;
    limits.ProcessMemoryLimit = static_cast<SIZE_T>(kWordReaderMemoryLimit);
    if (!SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits)) return false;
    HANDLE reader = OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE, static_cast<DWORD>(processId));
    if (!reader) return false;
    const bool held = AssignProcessToJobObject(job, reader) != FALSE;
    CloseHandle(reader);
    return held;
}

}  // namespace vorlix
