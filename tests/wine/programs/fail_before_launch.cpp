// Linked with Tessaro's run-time support: a static object whose constructor
// asks for more memory than a 32-bit process can have, before wWinMain runs.
#include "platform/win32.h"

#include <string>

namespace {
struct Greedy {
    Greedy() {
        for (;;) {
            auto* block = new std::wstring(1u << 26, L'x');
            asm volatile("" : : "r"(block) : "memory");
        }
    }
};
Greedy greedy;
} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    return 42;
}
