// vorlix-words DATABASE QUERY, with the connection text on standard input: opens the word
// database read-only, checks its password, runs the query and writes the words as word_stream.h
// lays them out. The program runs it as a process of its own, so that a damaged file that
// crashes the Jet library or keeps it busy for ever takes only this process down.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#if defined(__linux__)
#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>
#endif
// AddressSanitizer maps terabytes of shadow memory: no address-space limit under it.
#if defined(__SANITIZE_ADDRESS__)
#define VORLIX_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VORLIX_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

#include "words/connect_text.h"
#include "words/jet/jet_database.h"
#include "words/word_stream.h"

#if defined(VORLIX_ADDRESS_SANITIZER)
// In place of the address-space limit below, which the sanitizer's shadow memory rules out.
extern "C" const char* __asan_default_options() { return "hard_rss_limit_mb=1024"; }
#endif

namespace {

using namespace vorlix;

// The first row goes out at once, so the word window can show it while the rest is read; then
// large pieces, so that reader and program each wake seldom.
constexpr size_t kWriteChunk = 256 * 1024;

void limitThisProcess()
{
#if defined(__linux__)
    // No reader outlives the program, even one stuck in a loop that never writes.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    // A pipe that holds several pieces lets the reader go on while the program takes the last.
    fcntl(STDOUT_FILENO, F_SETPIPE_SZ, 1 << 20);
#if !defined(VORLIX_ADDRESS_SANITIZER)
    // Rows are written as they are read, so the reader needs little memory: a damaged length
    // that makes the library ask for more ends this process instead of crowding out the machine.
    constexpr rlim_t kAddressSpaceLimit = rlim_t{1} << 30;
    const rlimit limit{kAddressSpaceLimit, kAddressSpaceLimit};
    setrlimit(RLIMIT_AS, &limit);
#endif
#endif
#if defined(_WIN32)
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

// Once the first word is out, the window is starting and drawing it: the rest of the reading
// should take only the time the window leaves over.
void yieldToTheWindow()
{
#if defined(__linux__)
    // A reader that cannot step back reads at the priority it has.
    [[maybe_unused]] const int priority = nice(10);
#elif defined(_WIN32)
    SetPriorityClass(GetCurrentProcess(), BELOW_NORMAL_PRIORITY_CLASS);
#endif
}

bool writeOut(const std::string& bytes)
{
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0;
}

int fail(int code, const std::string& why)
{
    writeOut(why);
    return code;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: vorlix-words DATABASE QUERY < CONNECT\n");
        return word_stream::kUsage;
    }
    limitThisProcess();
    std::string connect;
    std::getline(std::cin, connect);

    std::string out;
    int failure = word_stream::kUnreadable;
    try {
        jet::Database db(argv[1]);
        // Like the engine, a file without a password opens with any; one with a password needs
        // exactly that password, letter case included.
        if (!db.password().empty() && db.password() != connectPassword(connect)) {
            return word_stream::kWrongPassword;
        }
        failure = word_stream::kQueryFailed;
        bool first = true;
        db.select(
            argv[2], [&out](jet::Fields names) { word_stream::appendHeader(out, names); },
            [&](jet::Fields values) {
                word_stream::appendRow(out, values);
                if (first || out.size() >= kWriteChunk) {
                    // Only a program that has gone away stops reading; nobody is left to tell.
                    if (!writeOut(out)) std::exit(word_stream::kUnreadable);
                    out.clear();
                    if (first) yieldToTheWindow();
                    first = false;
                }
            });
    } catch (const jet::JetError& e) {
        return fail(failure, e.what());
    }
    return writeOut(out) ? word_stream::kComplete : word_stream::kUnreadable;
}
