// Whole-file reading and writing. A file the program writes is written whole
// to a temporary file beside it and then renamed over the target, so a failed
// write never leaves a half-written file or loses the old one.
#pragma once

#include <istream>
#include <optional>
#include <string>

namespace core {

// The bytes of a stream from its current position to its end.
std::string ReadAll(std::istream& in);

// The bytes of a file, or nothing when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Replaces `path` with `bytes`. Returns false, with the old file untouched and
// no temporary file left behind, when the file cannot be written.
bool WriteFileReplacing(const std::string& path, const std::string& bytes);

}  // namespace core
