// Stands in for the browser: the shell starts it for every http address. It writes what it
// was started with (command line, working folder, show command) to the file named in
// LUNETRA_RECORD, all at once, so a reader never sees half a record.
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>

int main() {
    const char* recordPath = std::getenv("LUNETRA_RECORD");
    if (recordPath == nullptr)
        return 2;
    if (const char* delay = std::getenv("LUNETRA_RECORD_DELAY_MS"))
        Sleep(static_cast<DWORD>(std::stoul(delay)));

    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    STARTUPINFOA start{};
    GetStartupInfoA(&start);
    const int show = (start.dwFlags & STARTF_USESHOWWINDOW) ? start.wShowWindow : -1;
    // NUL separates the fields: the command line may hold any other character.
    const std::string part = std::string(recordPath) + ".part";
    if (!(std::ofstream(part, std::ios::binary)
          << GetCommandLineA() << '\0' << folder << '\0' << show))
        return 3;
    return MoveFileExA(part.c_str(), recordPath, MOVEFILE_REPLACE_EXISTING) ? 0 : 4;
}
