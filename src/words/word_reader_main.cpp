// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

// vorlix-words DATABASE QUERY, with the connection text on standard input: opens the word
// database read-only, checks its password, runs the query and writes the words as word_stream.h
// lays them out. The program runs it as a process of its own, so that a damaged file that
// crashes the Jet library or keeps it busy for ever takes only this process down. After the
// first row it reads on only once its standard input has ended: the program ends it when the
// window has shown that row, so that the rest is not read while the window is being made.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <string>
#include <vector>

#include "platform/command_line.h"
#include "platform/word_reader_limits.h"
#include "words/connect_text.h"
#include "words/jet/jet_database.h"
#include "words/word_stream.h"

namespace {

using namespace vorlix;

// The first row goes out at once, so the word window can show it while the rest is read; then
// large pieces, so that reader and program each wake seldom.
constexpr size_t kWriteChunk = 256 * 1024;

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
    const std::vector<std::string> args = commandLineArguments(argc, argv);
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: vorlix-words DATABASE QUERY < CONNECT\n");
        return word_stream::kUsage;
    }
    limitThisWordReader();
    std::string connect;
    std::getline(std::cin, connect);

    std::string out;
    int failure = word_stream::kUnreadable;
    bool first = true;
    try {
        jet::Database db(args[1]);
        // Like the engine, a file without a password opens with any; one with a password needs
        // exactly that password, letter case included.
        if (!db.password().empty() && db.password() != connectPassword(connect)) {
            return word_stream::kWrongPassword;
        }
        failure = word_stream::kQueryFailed;
        db.select(
            args[2], [&out](jet::Fields names) { word_stream::appendHeader(out, names); },
            [&](jet::Fields values) {
                word_stream::appendRow(out, values);
                if (first || out.size() >= kWriteChunk) {
                    // Only a program that has gone away stops reading; nobody is left to tell.
                    if (!writeOut(out)) std::exit(word_stream::kUnreadable);
                    out.clear();
                    if (first) {
                        yieldToTheWindow();
                        std::cin.ignore(std::numeric_limits<std::streamsize>::max());
                    }
                    first = false;
                }
            });
    } catch (const jet::DamagedFile& e) {
        // The rows read before the damage are sound: they go out, and then why no more came.
        if (!first && !writeOut(out)) return word_stream::kUnreadable;
        return fail(word_stream::kUnreadable, e.what());
    } catch (const jet::JetError& e) {
        return fail(failure, e.what());
    }
    return writeOut(out) ? word_stream::kComplete : word_stream::kUnreadable;
}
