#include "launcher/launcher.h"

// Tessaro takes nothing from its command line or show command.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    return RunLaunchSequence();
}
