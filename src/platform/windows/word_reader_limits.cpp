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
    // The word stream is bytes: no line-end translation on the way to the program.
    _setmode(_fileno(stdout), _O_BINARY);
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
