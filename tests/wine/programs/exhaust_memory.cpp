// Linked with Tessaro's run-time support: asks for memory until there is
// none, so that the support's own failure path ends the process.
#include "platform/win32.h"

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    for (;;) {
        // 128 MiB a string, never freed; the barrier keeps the compiler from
        // leaving the allocation out.
        auto* block = new std::wstring(1u << 26, L'x');
        asm volatile("" : : "r"(block) : "memory");
    }
}
