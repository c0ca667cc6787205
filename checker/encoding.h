// The encodings of the files the checker shows: UTF-8, and CP932 (the
// Japanese Windows code page) for files that are not valid UTF-8. A file is
// written back in the encoding it was read in, never silently re-encoded.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace checker {

// Utf8Bom: UTF-8 that starts with the byte order mark EF BB BF, which the
// text does not hold and the file gets back when written.
enum class Encoding { Utf8, Utf8Bom, Cp932 };

// True when `bytes` are well-formed UTF-8: no overlong forms, no surrogates,
// nothing above U+10FFFF, no sequence cut short.
bool IsUtf8(std::string_view bytes);

struct DecodedText {
  std::string text;  // UTF-8
  Encoding encoding = Encoding::Utf8;
  // True when encoding `text` back gives `bytes` exactly. False when some
  // bytes had to be shown as U+FFFD, or when CP932 has two codes for one
  // character and the file uses the one that is not written back.
  bool exact = true;
};

// Valid UTF-8 is taken as it is (without its byte order mark); anything else
// is read as CP932. Bytes that
// neither can read become U+FFFD, in whichever of the two readings needs
// fewer of them.
DecodedText Decode(std::string bytes);

// `utf8` in `encoding`; nothing when a character has no code there. UTF-8
// is handed back as it is, without a copy.
std::optional<std::string> Encode(std::string utf8, Encoding encoding);

}  // namespace checker
