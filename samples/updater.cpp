// A sample updater for Tessaro to start, used by the sample run, the Wine suite
// and the benchmark. Like most updaters it is a GUI-subsystem program, so
// that it needs no console when Tessaro starts it hidden.
//
// It reads "<its own path>.cfg" (lines of key=value: exit, sleep, title,
// crash) and writes "<its own path>.log" with what it was started with: its
// command line, working directory, STARTUPINFO flags and show command, and
// the variable TESSARO_PROBE of its environment.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
std::string Utf8(const std::wstring& text) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::wstring Wide(const std::string& bytes) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, bytes.c_str(), -1, nullptr, 0);
    std::wstring text(size > 0 ? size - 1 : 0, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.c_str(), -1, text.data(), size);
    return text;
}

std::string Setting(const std::wstring& configPath, const char* key) {
    FILE* file = _wfopen(configPath.c_str(), L"rb");
    if (file == nullptr) {
        return "";
    }
    char line[4096];
    std::string found;
    const std::string prefix = std::string(key) + "=";
    while (std::fgets(line, sizeof(line), file) != nullptr) {
        std::string text = line;
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
            text.pop_back();
        }
        if (text.compare(0, prefix.size(), prefix) == 0) {
            found = text.substr(prefix.size());
        }
    }
    std::fclose(file);
    return found;
}
} // namespace

int main() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring selfPath = self;
    const std::wstring configPath = selfPath + L".cfg";

    STARTUPINFOW startup = {};
    GetStartupInfoW(&startup);
    wchar_t directory[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, directory);
    wchar_t probe[512] = {};
    const DWORD probeLength = GetEnvironmentVariableW(L"TESSARO_PROBE", probe, 512);

    FILE* log = _wfopen((selfPath + L".log").c_str(), L"wb");
    if (log != nullptr) {
        std::fprintf(log, "commandline=%s\n", Utf8(GetCommandLineW()).c_str());
        std::fprintf(log, "cwd=%s\n", Utf8(directory).c_str());
        std::fprintf(log, "dwFlags=%lu\n", static_cast<unsigned long>(startup.dwFlags));
        std::fprintf(log, "wShowWindow=%u\n", static_cast<unsigned>(startup.wShowWindow));
        std::fprintf(log, "env=%s\n", probeLength == 0 ? "<unset>" : Utf8(probe).c_str());
        std::fclose(log);
    }

    const std::string sleep = Setting(configPath, "sleep");
    if (!sleep.empty()) {
        Sleep(static_cast<DWORD>(std::strtoul(sleep.c_str(), nullptr, 10)));
    }
    const std::string title = Setting(configPath, "title");
    if (!title.empty()) {
        std::wstring ini = selfPath.substr(0, selfPath.rfind(L'\\')) + L"\\Tessaro.ini";
        WritePrivateProfileStringW(L"Common", L"AppTitle", Wide(title).c_str(), ini.c_str());
    }
    if (Setting(configPath, "crash") == "1") {
        SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
        volatile int* nowhere = nullptr;
        *nowhere = 1;
    }
    return static_cast<int>(std::strtoul(Setting(configPath, "exit").c_str(), nullptr, 10));
}
