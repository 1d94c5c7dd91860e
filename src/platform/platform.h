#pragma once

#include <memory>

#include "app/settings_store.h"
#include "app/startup_entry.h"

namespace vorlix {

// One implementation of each per operating system, chosen by the build.
std::unique_ptr<SettingsStore> makeSettingsStore();
std::unique_ptr<StartupEntry> makeStartupEntry();

}  // namespace vorlix
