// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves every setting again and again into the INI file named on the command line, until killed.
// Says "saved" on stdout once the first save is done, so that a kill lands among the saves and
// not before them, however slowly the process started.
#include <cstdio>

#include <QCoreApplication>

#include "app/module1.h"
#include "platform/linux/ini_settings_store.h"

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) return 2;
    vorlix::IniSettingsStore store(QString::fromLocal8Bit(argv[1]));
    vorlix::Module1 m;
    for (int16_t i = 1;; i = static_cast<int16_t>(i % 30000 + 1)) {
        m.n = i;
        vorlix::SaveAllSettings(store, m);
        if (i == 1) {
            std::puts("saved");
            std::fflush(stdout);
        }
    }
}
