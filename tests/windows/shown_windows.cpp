// Lists the shown top-level windows with the title given, one a line: the handle and whether
// Windows keeps the window topmost (WS_EX_TOPMOST), as any Windows program would read them.
#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    EnumWindows(
        [](HWND window, LPARAM title) -> BOOL {
            char text[256] = {};
            GetWindowTextA(window, text, sizeof text);
            if (IsWindowVisible(window) && std::strcmp(text, reinterpret_cast<char*>(title)) == 0)
                std::printf("%p %s\n", static_cast<void*>(window),
                            GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST ? "topmost"
                                                                                   : "normal");
            return TRUE;
        },
        reinterpret_cast<LPARAM>(argv[1]));
    return 0;
}
