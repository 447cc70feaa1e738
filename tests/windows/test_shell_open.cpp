#include "outreach/modTellAFriend.h"
#include "platform/Browser.h"
#include "platform/win/ShellOpen.h"
#include "ui/modHelp.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace {

namespace help = lunetra::modHelp;
using lunetra::platform::OpenInBrowser;
using lunetra::platform::win::ToAnsiCodePage;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

std::string ExecutableFolder() {
    char path[MAX_PATH] = {};
    const std::string text(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return text.substr(0, text.find_last_of('\\') + 1);
}

// Windows-1252 bytes of the few non-ASCII letters used here. The code page lacks "Ł" and "漢":
// as on Windows, the first becomes its nearest letter and the second a question mark.
std::string InCp1252(std::string text) {
    const std::pair<std::string, std::string> letters[] = {
        {"ë", "\xEB"}, {"é", "\xE9"}, {"—", "\x97"}, {"€", "\x80"}, {"Ł", "L"}, {"漢", "?"}};
    for (const auto& [utf8, ansi] : letters)
        for (auto at = text.find(utf8); at != std::string::npos; at = text.find(utf8, at))
            text.replace(at, utf8.size(), ansi);
    return text;
}

class ShellOpenTest : public testing::Test {
protected:
    const std::string recorder = ExecutableFolder() + "lunetra_test_recorder.exe";
    const std::string record = ExecutableFolder() + "shell-open.record";

    void SetUp() override {
        ASSERT_EQ(GetACP(), 1252u) << "the expected bytes are those of Windows-1252";
        // The machine's classes: Wine's shell does not look for the handler among the user's.
        const std::string command = "\"" + recorder + "\" \"%1\"";
        ASSERT_EQ(RegSetKeyValueA(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", nullptr, REG_SZ,
                                  command.c_str(), DWORD(command.size() + 1)),
                  ERROR_SUCCESS);
        SetEnvironmentVariableA("LUNETRA_RECORD", record.c_str());
        SetEnvironmentVariableA("LUNETRA_RECORD_DELAY_MS", nullptr);
        DeleteFileA(record.c_str());
    }

    // What the next launch recorded (command line, folder, show command, NUL between them);
    // taken away, so the launch after it leaves a record of its own.
    std::string NextLaunch(std::chrono::milliseconds patience = 20s) const {
        for (const auto end = Clock::now() + patience; Clock::now() < end;
             std::this_thread::sleep_for(50ms)) {
            std::ifstream file(record, std::ios::binary);
            if (!file)
                continue;
            std::string launch(std::istreambuf_iterator<char>(file), {});
            file.close();
            DeleteFileA(record.c_str());
            return launch;
        }
        return "no launch";
    }
    std::string Expected(const std::string& address) const {
        return "\"" + recorder + "\" \"" + InCp1252(address) + "\"" + '\0' + "C:\\" + '\0' +
               std::to_string(SW_SHOWNORMAL);
    }
};

TEST(AnsiCodePage, ConvertsWhatTheCodePageHasAndReplacesTheRest) {
    // clang-format off
    const struct { std::string utf8, ansi; } rows[] = {
        {"", ""}, {"http://a.example/?x=1&y=2", "http://a.example/?x=1&y=2"},
        {"é€—", "\xE9\x80\x97"}, {"Łódź 漢", "L\xF3" "dz ?"}, {"a\r\nb \"c\"", "a\r\nb \"c\""},
        // Not UTF-8 (a lone Latin-1 byte, a cut-off sequence): passed on untouched.
        {"caf\xE9", "caf\xE9"}, {"x\xC3", "x\xC3"}};
    // clang-format on
    for (const auto& [utf8, ansi] : rows)
        EXPECT_EQ(ToAnsiCodePage(utf8), ansi) << utf8;
}

TEST_F(ShellOpenTest, HandlerGetsEveryAddressInTheCodePageWithFolderAndShowCommand) {
    const std::string referral = lunetra::modTellAFriend::BuildRequestAddress(
        {"Zoë O'Brien", "zoe@example.org", "Hi \"pal\" & co — café\r\nŁukasz paid 5€ 漢",
         "Ann & Bo", "ann@example.net"});
    ASSERT_NE(referral.find("\r\n"), std::string::npos);
    // The same page twice must reach the handler twice.
    for (const auto& address :
         {help::ProductHelpPage(), help::ProductDownloadPage(), help::MakerHomePage(),
          help::MakerSoftwarePage(), help::DonationPage(), help::FullBrandingPage(),
          help::CoBrandingPage(), referral, help::MakerHomePage()}) {
        OpenInBrowser(address);
        EXPECT_EQ(NextLaunch(), Expected(address));
    }
}

TEST_F(ShellOpenTest, NeverWaitsForTheBrowserNorComplainsWithoutOne) {
    SetEnvironmentVariableA("LUNETRA_RECORD_DELAY_MS", "3000");
    auto start = Clock::now();
    OpenInBrowser(help::DonationPage());
    EXPECT_LT(Clock::now() - start, 2s);
    EXPECT_EQ(NextLaunch(), Expected(help::DonationPage()));

    ASSERT_EQ(RegDeleteTreeA(HKEY_CLASSES_ROOT, "http\\shell"), ERROR_SUCCESS);
    start = Clock::now();
    OpenInBrowser(help::ProductHelpPage());
    EXPECT_LT(Clock::now() - start, 5s);
    EXPECT_EQ(NextLaunch(2s), "no launch");
}

} // namespace
