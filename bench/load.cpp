// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

// bench_load DATABASE [GUAGE]: opens the word database and loads one category exactly as the
// word window does at start (DataControl::Refresh with the program's password and query), then
// prints the row count, and on stderr the milliseconds Refresh took. One load a process, so it
// is also timed from outside, next to mdb-export.

#include <chrono>
#include <cstdio>

#include <QCoreApplication>

#include "words/data_control.h"
#include "words/word_query.h"

int main(int argc, char* argv[])
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: bench_load DATABASE [GUAGE]\n");
        return 2;
    }
    // The word reader is found beside this program.
    QCoreApplication app(argc, argv);
    vorlix::Module1 settings;
    if (argc == 3) settings.guage = argv[2];
    vorlix::BuildWordQuery(settings);

    vorlix::DataControl data;
    data.DatabaseName = argv[1];
    data.Connect = vorlix::wordConnect();
    data.RecordSource = vorlix::wordRecordSource(settings);
    const auto start = std::chrono::steady_clock::now();
    const bool loaded = data.Refresh() && data.finishLoading();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    if (!loaded) {
        std::fprintf(stderr, "bench_load: no words (%s)\n", data.detail().c_str());
        return 1;
    }
    std::printf("%zu\n", data.recordset().RecordCount());
    std::fprintf(stderr, "refresh_ms=%.1f\n", took.count());
    return 0;
}
