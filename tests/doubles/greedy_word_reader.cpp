// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

// A word reader that takes memory without end, held to the limits every word reader is held to.
// Like the real one, it waits for a line on its standard input before it starts, by when the
// program holds it. Exit code 0: it got 2 GiB; 1: it was refused more.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "platform/word_reader_limits.h"

int main()
{
    vorlix::limitThisWordReader();
    std::string go;
    std::getline(std::cin, go);
    constexpr size_t kBlock = size_t{64} << 20;
    std::vector<char*> taken;
    for (int i = 0; i < 32; ++i) {
        char* block = static_cast<char*>(std::malloc(kBlock));
        if (!block) return 1;
        std::memset(block, i + 1, kBlock);  // pages not touched would cost nothing
        taken.push_back(block);
        // As a reader going through pages would: a sanitizer checks its memory limit now and then.
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::printf("took %zu MiB\n", taken.size() * (kBlock >> 20) + static_cast<size_t>(taken.back()[kBlock - 1] - 32));
    return 0;
}
