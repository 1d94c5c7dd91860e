// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

// A word reader that fails the way a damaged file can make the real one fail, after writing the
// header and the first row of one category. FAILING_WORD_READER says how:
//   crash       the reader crashes
//   hang        it stops writing and never ends
//   cut-short   it ends as if complete, inside the second row
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "platform/word_reader_limits.h"
#include "words/word_stream.h"

int main()
{
    using namespace vorlix;
    limitThisWordReader();
    std::string stream;
    const char* columns[] = {"category", "english", "spanish"};
    const char* row[] = {"Weather", "rain", "la lluvia"};
    word_stream::appendHeader(stream, columns);
    word_stream::appendRow(stream, row);
    std::fwrite(stream.data(), 1, stream.size(), stdout);
    std::fflush(stdout);
    // What the Jet library says about a damaged page goes to the error output.
    std::fputs("warning: page 3 is not a data page\n", stderr);

    const char* how = std::getenv("FAILING_WORD_READER");
    if (how && std::strcmp(how, "crash") == 0) {
        // Under Wine, the output of a process that dies the instant it wrote can be lost on its
        // way to Qt on a loaded machine; a reader that crashes somewhat later is the case here.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        // A real crash on every system: abort() merely exits with code 3 on Windows.
        __builtin_trap();
    }
    if (how && std::strcmp(how, "hang") == 0) {
        for (;;) std::this_thread::sleep_for(std::chrono::hours(1));
    }
    std::fputs("Weather", stdout);
    return word_stream::kComplete;
}
