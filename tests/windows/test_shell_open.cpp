#include "core/WebAddresses.h"
#include "outreach/modTellAFriend.h"
#include "platform/Browser.h"
#include "platform/win/ShellOpen.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace {

using lunetra::platform::OpenInBrowser;
using lunetra::platform::win::ToAnsiCodePage;
using lunetra::web::Address;
using lunetra::web::Page;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

std::string ExecutableFolder() {
    char path[MAX_PATH] = {};
    const std::string text(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return text.substr(0, text.find_last_of('\\') + 1);
}

// "Ł" and "漢" are not in Windows-1252: as on Windows, the first becomes its nearest letter and
// the second a question mark.
TEST(AnsiCodePage, ConvertsWhatTheCodePageHasAndReplacesTheRest) {
    // clang-format off
    const struct { std::string utf8, ansi; } rows[] = {
        {"", ""}, {"http://a.example/?x=1&y=2", "http://a.example/?x=1&y=2"},
        {"é€—ë", "\xE9\x80\x97\xEB"}, {"Łódź 漢", "L\xF3" "dz ?"}, {"a\r\nb \"c\"", "a\r\nb \"c\""},
        // Not UTF-8 (a lone Latin-1 byte, a cut-off sequence): passed on untouched.
        {"caf\xE9", "caf\xE9"}, {"x\xC3", "x\xC3"}};
    // clang-format on
    for (const auto& [utf8, ansi] : rows)
        EXPECT_EQ(ToAnsiCodePage(utf8), ansi) << utf8;
}

// The shell starts the recorder for every http address, as it would the browser.
TEST(ShellOpen, HandlerGetsEveryAddressInTheCodePageUnwaitedAndNothingWithoutAHandler) {
    ASSERT_EQ(GetACP(), 1252u) << "the expected bytes are those of Windows-1252";
    const std::string recorder = ExecutableFolder() + "lunetra_test_recorder.exe",
                      record = ExecutableFolder() + "shell-open.record",
                      command = "\"" + recorder + "\" \"%1\"";
    // The machine's classes: Wine's shell does not look for the handler among the user's.
    ASSERT_EQ(RegSetKeyValueA(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", nullptr, REG_SZ,
                              command.c_str(), DWORD(command.size() + 1)),
              ERROR_SUCCESS);
    SetEnvironmentVariableA("LUNETRA_RECORD", record.c_str());
    DeleteFileA(record.c_str());
    // What the next launch recorded (command line, folder, show command, NUL between them);
    // taken away, so the launch after it leaves a record of its own.
    const auto nextLaunch = [&](std::chrono::milliseconds patience = 20s) {
        for (const auto end = Clock::now() + patience; Clock::now() < end;
             std::this_thread::sleep_for(50ms)) {
            if (std::ifstream file{record, std::ios::binary}) {
                std::string launch(std::istreambuf_iterator<char>(file), {});
                file.close();
                DeleteFileA(record.c_str());
                return launch;
            }
        }
        return std::string("no launch");
    };
    const auto expected = [&](const std::string& address) {
        return "\"" + recorder + "\" \"" + ToAnsiCodePage(address) + "\"" + '\0' + "C:\\" + '\0' +
               std::to_string(SW_SHOWNORMAL);
    };

    const std::string referral = lunetra::modTellAFriend::BuildRequestAddress(
        {"Zoë O'Brien", "zoe@example.org", "Hi \"pal\" & co — café\r\nŁukasz paid 5€ 漢",
         "Ann & Bo", "ann@example.net"});
    ASSERT_NE(referral.find("\r\n"), std::string::npos);
    // In the code page checked above, from a slow browser that is never waited for; the same
    // page twice must reach the handler twice.
    SetEnvironmentVariableA("LUNETRA_RECORD_DELAY_MS", "3000");
    for (const auto& address : {Address(Page::Donation), referral, Address(Page::Donation)}) {
        OpenInBrowser(address);
        EXPECT_FALSE(std::ifstream(record)) << "the launch waited for the browser";
        EXPECT_EQ(nextLaunch(), expected(address));
    }
    SetEnvironmentVariableA("LUNETRA_RECORD_DELAY_MS", nullptr);

    // Without a handler: no complaint, and no launch.
    ASSERT_EQ(RegDeleteTreeA(HKEY_CLASSES_ROOT, "http\\shell"), ERROR_SUCCESS);
    OpenInBrowser(Address(Page::ProductHelp));
    EXPECT_EQ(nextLaunch(2s), "no launch");
}

} // namespace
