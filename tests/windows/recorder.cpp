// Stands in for the browser: the shell starts it for every http address. It writes what it
// was started with (command line, working folder, show command) to the file named in
// LUNETRA_RECORD, all at once, so a reader never sees half a record.
#include <windows.h>

#include <string>

int main() {
    char recordPath[MAX_PATH] = {};
    if (GetEnvironmentVariableA("LUNETRA_RECORD", recordPath, MAX_PATH) == 0)
        return 2;
    char delay[16] = {};
    if (GetEnvironmentVariableA("LUNETRA_RECORD_DELAY_MS", delay, sizeof delay) > 0)
        Sleep(static_cast<DWORD>(std::stoul(delay)));

    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    STARTUPINFOA start{};
    GetStartupInfoA(&start);
    const int show = (start.dwFlags & STARTF_USESHOWWINDOW) ? start.wShowWindow : -1;
    // NUL separates the fields: the command line may hold any other character.
    const std::string record =
        std::string(GetCommandLineA()) + '\0' + folder + '\0' + std::to_string(show);

    const std::string part = std::string(recordPath) + ".part";
    const HANDLE file =
        CreateFileA(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 3;
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(file);
    return ok && MoveFileExA(part.c_str(), recordPath, MOVEFILE_REPLACE_EXISTING) ? 0 : 4;
}
