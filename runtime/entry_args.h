// The arguments that the process entry hands to wWinMain, worked out from
// what Windows gives the process.
#pragma once

#include <cstdint>

// The command line after the program's own name (quoted or not) and the
// blanks that follow it.
const wchar_t* SkipProgramName(const wchar_t* commandLine);

// The show command: `showWindow` when `flags` hold STARTF_USESHOWWINDOW,
// else SW_SHOWDEFAULT.
int ShowCommandFrom(std::uint32_t flags, std::uint16_t showWindow);
