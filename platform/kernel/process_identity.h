// What a process of the machine was started with. The creator passes it in the environment:
//   WINSIM_IMAGE    the Windows path of the program file
//   WINSIM_CMDLINE  the exact command line (UTF-8)
//   WINSIM_CWD      the Windows current directory to start in
// A program started from Linux without them gets its Linux command line and, for its image,
// the Windows path of its file (or C:\Tarvolt\<name> when the file lies outside the root).
#pragma once

#include <string>

namespace platform::process {

const std::u16string& image_path();
const std::u16string& command_line();
// The directory to start in: WINSIM_CWD, or the folder of the image.
std::u16string initial_directory();

}  // namespace platform::process
