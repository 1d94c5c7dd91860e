// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

// bench_tick DATABASE [TICKS] [GUAGE]: builds the real word window over DATABASE (as its reg.ocx)
// on the offscreen platform, then runs TICKS ticks, each as the event loop runs it: the timer's
// handler (move to the next row, fit the window, repaint), then whatever that posted. Prints
// key=value lines: the cost of one tick and the resident memory before and after the ticks.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QFile>

#include "doubles/resident_memory.h"
#include "ui/word_window/word_window_fixture.h"

using vorlix::test::WordWindowFixture;
using vorlix::test::residentKilobytes;

namespace {

double percentile(std::vector<double> sorted, double p)
{
    std::sort(sorted.begin(), sorted.end());
    return sorted[static_cast<size_t>(p * static_cast<double>(sorted.size() - 1))];
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: bench_tick DATABASE [TICKS] [GUAGE]\n");
        return 2;
    }
    const int ticks = argc > 2 ? std::stoi(argv[2]) : 10000;
    const std::string guage = argc > 3 ? argv[3] : "29";
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    WordWindowFixture f;
    if (!QFile::copy(QString::fromLocal8Bit(argv[1]), f.folder.filePath(QStringLiteral("reg.ocx")))) {
        std::fprintf(stderr, "bench_tick: cannot copy %s\n", argv[1]);
        return 1;
    }
    f.store.values = {{"xxx", "1"}, {"guage", guage}};
    vorlix::FrmShow& w = f.start();
    // The first tick would take in the rows still on their way; the figures are for the whole set.
    w.Data1.finishLoading();
    // The ticks are driven here, back to back; the window's own timer would only add waiting.
    w.Timer1->stop();
    QCoreApplication::processEvents();
    const long startKb = residentKilobytes();

    std::vector<double> micros;
    micros.reserve(static_cast<size_t>(ticks));
    using Clock = std::chrono::steady_clock;
    const Clock::time_point begin = Clock::now();
    for (int i = 0; i < ticks; ++i) {
        const Clock::time_point t0 = Clock::now();
        w.Timer1_Timer();
        QCoreApplication::processEvents();
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    }
    const double totalMicros = std::chrono::duration<double, std::micro>(Clock::now() - begin).count();

    std::printf("rows=%zu\n", w.Data1.recordset().RecordCount());
    std::printf("ticks=%d\n", ticks);
    std::printf("tick_us_mean=%.1f\n", totalMicros / ticks);
    std::printf("tick_us_median=%.1f\n", percentile(micros, 0.5));
    std::printf("tick_us_p99=%.1f\n", percentile(micros, 0.99));
    std::printf("rss_start_kb=%ld\n", startKb);
    std::printf("rss_after_ticks_kb=%ld\n", residentKilobytes());
    return 0;
}
