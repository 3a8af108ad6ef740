// The image's entry point: from the process start to ExitProcess.
#include "runtime/entry_args.h"
#include "runtime/runtime_failure.h"

#include <windows.h>

// Provided by the linker: the image's own header, the address it is loaded at,
// and the lists of static constructors and destructors, each a -1 or a count
// first and a null last.
extern "C" IMAGE_DOS_HEADER __ImageBase;
extern "C" void (*__CTOR_LIST__[])();
extern "C" void (*__DTOR_LIST__[])();

namespace {
// Functions registered with atexit, among them the destructors of static
// objects, run last-registered first when wWinMain has returned.
constexpr int kMaxExitFunctions = 32;
void (*exitFunctions[kMaxExitFunctions])();
int exitFunctionCount = 0;

void RunExitFunctions() {
    while (exitFunctionCount > 0) {
        exitFunctions[--exitFunctionCount]();
    }
}

void RunConstructors() {
    std::size_t count = reinterpret_cast<std::size_t>(__CTOR_LIST__[0]);
    if (count == static_cast<std::size_t>(-1)) {
        count = 0;
        while (__CTOR_LIST__[count + 1] != nullptr) {
            ++count;
        }
    }
    // Constructors run last-listed first, as GCC lays them out.
    for (std::size_t i = count; i >= 1; --i) {
        __CTOR_LIST__[i]();
    }
}

void RunDestructors() {
    for (std::size_t i = 1; __DTOR_LIST__[i] != nullptr; ++i) {
        __DTOR_LIST__[i]();
    }
}
} // namespace

extern "C" int atexit(void (*function)()) {
    if (exitFunctionCount == kMaxExitFunctions) {
        return -1;
    }
    exitFunctions[exitFunctionCount++] = function;
    return 0;
}

extern "C" __attribute__((force_align_arg_pointer, noreturn)) void TessaroProcessEntry() {
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);
    if (GetProcessHeap() == nullptr) {
        FailRuntime(L"Tessaro could not start.");
    }
    RunConstructors();

    MarkLaunchStarted();
    const int result = wWinMain(reinterpret_cast<HINSTANCE>(&__ImageBase), nullptr,
                                const_cast<LPWSTR>(SkipProgramName(GetCommandLineW())),
                                ShowCommandFrom(startup.dwFlags, startup.wShowWindow));

    RunExitFunctions();
    RunDestructors();
    ExitProcess(static_cast<UINT>(result));
}
