// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "app/module1.h"
#include "app/startup_entry/recording_startup_entry.h"
#include "doubles/memory_settings_store.h"
#include "ui/options/frm_option.h"

// One options dialog on doubles of the store and the log-on entry, its controls found by name.
struct OptionDialogFixture {
    vorlix::Module1 settings;
    vorlix::test::MemorySettingsStore store;
    RecordingStartupEntry entry;
    QPointer<vorlix::frmOption> dialog;

    static constexpr const char* kExecutablePath = "/opt/vorlix/vorlix";

    vorlix::frmOption* open()
    {
        dialog = new vorlix::frmOption(settings, store, entry, kExecutablePath);
        return dialog;
    }

    template <typename Control>
    Control* control(const QString& name) const
    {
        return dialog->findChild<Control*>(name);
    }

    ~OptionDialogFixture() { delete dialog; }
};
