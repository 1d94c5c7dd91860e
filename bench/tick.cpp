// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

// bench_tick DATABASE [TICKS] [GUAGE] [half-known]: builds the real word window over DATABASE (as
// its reg.ocx) on the offscreen platform, then runs TICKS ticks, each as the event loop runs it:
// the timer's handler (move to the next row, fit the window, repaint), then whatever that posted.
// Prints key=value lines: the cost of one tick and the resident memory before and after the ticks.
//
// With half-known, a second window over the same rows has every second pair marked as known, and
// the two take turns, in rounds of ticks: the cost of passing known pairs over, as the median of
// the per-round ratios to the plain window.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QFile>

#include "doubles/resident_memory.h"
#include "ui/word_window/word_window_fixture.h"
#include "words/known_words_file.h"
#include "words/today.h"

using vorlix::test::WordWindowFixture;
using vorlix::test::residentKilobytes;

namespace {

using Clock = std::chrono::steady_clock;

double percentile(std::vector<double> sorted, double p)
{
    std::sort(sorted.begin(), sorted.end());
    return sorted[static_cast<size_t>(p * static_cast<double>(sorted.size() - 1))];
}

double microsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// The window over `database`, with every row in and its own timer stopped: the ticks are driven
// here, back to back, where the timer would only add waiting.
vorlix::FrmShow* startWindow(WordWindowFixture& f, const char* database, const std::string& guage, bool halfKnown)
{
    if (!QFile::copy(QString::fromLocal8Bit(database), f.folder.filePath(QStringLiteral("reg.ocx")))) {
        std::fprintf(stderr, "bench_tick: cannot copy %s\n", database);
        return nullptr;
    }
    f.store.values = {{"xxx", "1"}, {"guage", guage}};
    vorlix::FrmShow& w = f.start();
    w.Data1.finishLoading();
    w.Timer1->stop();
    if (halfKnown) {
        vorlix::Recordset& rows = w.Data1.recordset();
        vorlix::KnownWords marks;
        for (rows.MoveFirst(); !rows.eof(); rows.MoveNext(), rows.MoveNext())
            marks.mark(rows.value(rows.columnIndex("english")), rows.value(rows.columnIndex("spanish")),
                       vorlix::today());
        rows.MoveFirst();
        vorlix::KnownWordsFile(f.learnerFolder().toStdString()).write(marks);
        // The window reads the marks when its menu is about to open, if it has not yet.
        emit w.mnumain->aboutToShow();
    }
    QCoreApplication::processEvents();
    return &w;
}

double tick(vorlix::FrmShow& w)
{
    const Clock::time_point t0 = Clock::now();
    w.Timer1_Timer();
    QCoreApplication::processEvents();
    return microsSince(t0);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2 || argc > 5 || (argc == 5 && std::strcmp(argv[4], "half-known") != 0)) {
        std::fprintf(stderr, "usage: bench_tick DATABASE [TICKS] [GUAGE] [half-known]\n");
        return 2;
    }
    const int ticks = argc > 2 ? std::stoi(argv[2]) : 10000;
    const std::string guage = argc > 3 ? argv[3] : "29";
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    WordWindowFixture f;
    vorlix::FrmShow* w = startWindow(f, argv[1], guage, false);
    if (!w) return 1;

    if (argc == 5) {
        WordWindowFixture knownFixture;
        vorlix::FrmShow* known = startWindow(knownFixture, argv[1], guage, true);
        if (!known) return 1;
        constexpr int kRounds = 20;
        std::vector<double> plain, halfKnown, ratios;
        for (int round = 0; round < kRounds; ++round) {
            double sums[2] = {0, 0};
            for (int side = 0; side < 2; ++side) {
                for (int i = 0; i < ticks / kRounds; ++i) sums[side] += tick(side == 0 ? *w : *known);
            }
            plain.push_back(sums[0] / (ticks / kRounds));
            halfKnown.push_back(sums[1] / (ticks / kRounds));
            ratios.push_back(sums[1] / sums[0]);
        }
        std::printf("rows=%zu\n", w->Data1.recordset().RecordCount());
        std::printf("tick_us_plain=%.1f\n", percentile(plain, 0.5));
        std::printf("tick_us_half_known=%.1f\n", percentile(halfKnown, 0.5));
        std::printf("half_known_ratio=%.2f\n", percentile(ratios, 0.5));
        return 0;
    }

    QCoreApplication::processEvents();
    const long startKb = residentKilobytes();
    std::vector<double> micros;
    micros.reserve(static_cast<size_t>(ticks));
    const Clock::time_point begin = Clock::now();
    for (int i = 0; i < ticks; ++i) micros.push_back(tick(*w));
    const double totalMicros = microsSince(begin);

    std::printf("rows=%zu\n", w->Data1.recordset().RecordCount());
    std::printf("ticks=%d\n", ticks);
    std::printf("tick_us_mean=%.1f\n", totalMicros / ticks);
    std::printf("tick_us_median=%.1f\n", percentile(micros, 0.5));
    std::printf("tick_us_p99=%.1f\n", percentile(micros, 0.99));
    std::printf("rss_start_kb=%ld\n", startKb);
    std::printf("rss_after_ticks_kb=%ld\n", residentKilobytes());
    return 0;
}
