// Whole-file reading and writing: the one reader of the bytes of a user's
// file and the one writer every file of the program goes through.
//
// Reading takes regular files only: a device, a FIFO, a folder or a socket is
// refused before a byte is read, so an endless input (/dev/zero, a pipe) can
// never fill the memory.
//
// Writing never leaves a half-written file and never loses the old one: the
// bytes go to an unnamed temporary file in the target's folder (a short
// hidden name where the file system has no unnamed files), which is put in
// the target's place only once it is complete. A device or FIFO is written
// straight through; a folder or a socket is refused; a symbolic link is
// written through (its target is replaced); an output that is one of the
// command's inputs is refused.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/report.h"

namespace core {

// The bytes of a stream from its current position to its end.
std::string ReadAll(std::istream& in);

// Files whose size the system does not tell (it says 0, as for many files of
// /proc) are read as a stream up to this many bytes.
inline constexpr int64_t kMaxUnsizedFileBytes = int64_t{64} << 20;

enum class [[nodiscard]] ReadFileStatus{
    Read,
    CannotOpen,   // missing, no permission, or a read error
    NotAFile,     // a device, FIFO, folder or socket: refused before reading
    TooLarge,     // a file without a size that goes on beyond kMaxUnsizedFileBytes
    OutOfMemory,  // the file does not fit in memory
};

// Reads the whole regular file `path` into `bytes` (left empty on failure).
ReadFileStatus ReadFileBytes(const std::string& path, std::string& bytes);

// The same, nothing on any failure.
std::optional<std::string> ReadFileBytes(const std::string& path);

enum class WriteStatus {
  Written,
  CannotWrite,  // cannot be created or written (no folder, no permission, disk
                // full, file-size limit): the old file is kept byte for byte
  NotAFile,     // a folder, a socket or another thing that is not a file: refused
  SameAsInput,  // the very file of one of the inputs, however spelt: refused
};

// The result of a write: true when written. Not looking at it is an error at
// compile time (-Werror).
struct [[nodiscard]] WriteResult {
  WriteStatus status = WriteStatus::CannotWrite;
  operator bool() const { return status == WriteStatus::Written; }  // NOLINT: reads as a bool
};

// Writes `bytes` as the file `path`, replacing it whole (see the top of this
// file). `inputs` are the files the output was made from: a `path` that names
// one of them (the same file, whatever the spelling: other folders, links) is
// refused and nothing is written.
WriteResult WriteFileReplacing(const std::string& path, std::string_view bytes,
                               const std::vector<std::string>& inputs = {});

// The message that tells the user why a read or a write failed.
Msg FailureMessage(ReadFileStatus status);
Msg FailureMessage(WriteStatus status);

}  // namespace core
