// What the Windows tests need to see and do from inside Wine:
//   windows_probe hold PATH MILLISECONDS   holds a file open as a virus scanner does, without delete sharing
//   windows_probe texts                    every visible window's text and its controls', one a line
//   windows_probe run COMMAND_LINE         runs a program with exactly that command line, and ends with its exit code
//   windows_probe stacking                 raises a window into the topmost band while another is active,
//                                          the way the board does it, and says which is active after
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/platform/TopmostBand.h"

namespace {

void print(const char* prefix, const wchar_t* text) {
    char utf8[2048];
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::printf("%s%s\n", prefix, utf8);
}

// A control of another program answers WM_GETTEXT; one that does not
// answer in time is passed over.
BOOL CALLBACK printChild(HWND child, LPARAM) {
    wchar_t text[512] = L"";
    DWORD_PTR copied = 0;
    if (IsWindowVisible(child) &&
        SendMessageTimeoutW(child, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 500, &copied))
        print("  ", text);
    return TRUE;
}

BOOL CALLBACK printWindow(HWND window, LPARAM) {
    if (!IsWindowVisible(window)) return TRUE;
    wchar_t caption[512] = L"";
    GetWindowTextW(window, caption, 512);
    print("", caption);
    EnumChildWindows(window, printChild, 0);
    return TRUE;
}

HWND plainWindow(const wchar_t* title) {
    HWND window = CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 200, 100, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    UpdateWindow(window);
    return window;
}

void pumpFor(DWORD milliseconds) {
    const DWORD until = GetTickCount() + milliseconds;
    MSG message;
    while (GetTickCount() < until) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(10);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "hold" && argc == 4) {
        const HANDLE file = CreateFileA(argv[2], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return 1;
        std::puts("holding");
        std::fflush(stdout);
        Sleep(static_cast<DWORD>(std::atoi(argv[3])));
        CloseHandle(file);
        return 0;
    }
    if (command == "texts") {
        EnumWindows(printWindow, 0);
        return 0;
    }
    if (command == "run" && argc == 3) {
        wchar_t line[4096];
        MultiByteToWideChar(CP_UTF8, 0, argv[2], -1, line, 4096);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) return 127;
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        return static_cast<int>(code);
    }
    if (command == "stacking") {
        HWND board = plainWindow(L"board");
        HWND other = plainWindow(L"other");
        SetForegroundWindow(other);
        pumpFor(300);
        kmq::platform::placeInTopmostBand(board, true);
        pumpFor(300);
        std::puts(GetForegroundWindow() == other ? "other active" : "board active");
        return 0;
    }
    std::fputs("usage: windows_probe hold PATH MILLISECONDS | texts | run COMMAND_LINE | stacking\n", stderr);
    return 2;
}
