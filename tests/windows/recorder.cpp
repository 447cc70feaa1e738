// Stands in for the browser: the shell starts it for every http address. It writes the command
// line it was started with to the file named in LUNETRA_RECORD, all at once, so a reader never
// sees half a record.
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>

int main() {
    const char* recordPath = std::getenv("LUNETRA_RECORD");
    if (recordPath == nullptr)
        return 2;
    const std::string part = std::string(recordPath) + ".part";
    if (!(std::ofstream(part, std::ios::binary) << GetCommandLineA()))
        return 3;
    return MoveFileExA(part.c_str(), recordPath, MOVEFILE_REPLACE_EXISTING) ? 0 : 4;
}
