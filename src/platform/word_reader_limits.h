// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace vorlix {

// The word reader runs the Jet library on files it cannot trust (word_reader_process.h says why).
// These keep such a reader from outliving the program or taking the machine's memory: the part a
// reader can do for itself, and the part only the program that starts it can.

// In the reader, before it reads anything. Also readies its standard output for the word stream.
void limitThisWordReader();

// In the reader, once its first word is out: the window is starting and drawing that word, and
// the rest of the reading should take only the time the window leaves over.
void yieldToTheWindow();

// In the program: holds one started reader to the limits, from before it is given its password
// until the reader has ended; no reader outlives its ReaderLeash.
class ReaderLeash {
public:
    ReaderLeash() = default;
    ~ReaderLeash();
    ReaderLeash(const ReaderLeash&) = delete;
    ReaderLeash& operator=(const ReaderLeash&) = delete;

    // False when the reader could not be held; it must then not be given a file.
    bool hold(int64_t processId);
    // A handle that becomes readable once the held reader has ended, so that an event loop can
    // have it reaped at once; -1 where nothing is left of an ended process to reap.
    int endNotice() const { return ended_; }

private:
    void* job_ = nullptr;
    int ended_ = -1;
};

// A reader may use at most this much memory; rows are written as they are read, so it needs
// little, and a damaged length that asks for more ends the reader instead of crowding out the machine.
inline constexpr uint64_t kWordReaderMemoryLimit = uint64_t{1} << 30;

}  // namespace vorlix
