// The settings store as Windows builds it: an INI file in the user's application-data folder
// (its format is test_platform's). The named mutex is the installed round's.
#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

using namespace lunetra::platform;
namespace fs = std::filesystem;

TEST(SettingsStoreOnWindows, KeepsTheDayInTheUsersFolderAndNeverReplacesAFolder) {
    const fs::path folder = fs::temp_directory_path() / "lunetra-settings";
    fs::remove_all(folder);
    fs::create_directories(folder / "taken.ini");
    ASSERT_EQ(_putenv_s("APPDATA", folder.string().c_str()), 0);
    SettingsStore store("lunetra");
    EXPECT_EQ(store.read("Settings", "LastUpdateReminder"), "");
    store.write("Settings", "LastUpdateReminder", "2026-12-06");
    EXPECT_EQ(SettingsStore("lunetra").read("Settings", "LastUpdateReminder"), "2026-12-06");

    SettingsStore taken = SettingsStore::atFile((folder / "taken.ini").string());
    EXPECT_EQ(taken.read("Settings", "LastUpdateReminder"), "");
    EXPECT_THROW(taken.write("Settings", "LastUpdateReminder", "2026-12-06"), std::runtime_error);
    EXPECT_TRUE(fs::is_directory(folder / "taken.ini"));

    fs::remove_all(folder);
}
