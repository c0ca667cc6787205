// The program's folder: where the settings files "Zentu1.pth" and
// "Zentu2.pth" live and where the sample files are found. ZENTU_HOME names it
// when set; otherwise the executable's folder when it is writable (the build
// tree, a portable copy); otherwise a per-user data folder. A folder other
// than the executable's gets the sample files that are beside the executable
// while it has no settings file yet (it was never drawn in).
#pragma once

#include <string>

namespace platform {

// The folder of the running executable (the help file and the samples lie there).
std::string ExecutableFolder();

// The program's folder, created and prepared when needed. Empty when no
// folder can be had at all.
std::string ProgramFolder();

// Copies the sample files of `from` that `to` lacks, unless `to` holds a
// settings file. Failures are ignored: a missing sample is reported by the
// Draw that reads it.
void PrepareSamples(const std::string& from, const std::string& to);

inline constexpr const char* kSampleFiles[] = {"g01.dat", "line1.dat"};

}  // namespace platform
