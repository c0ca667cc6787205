#include "checker/encoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace checker {

namespace {

// The length of the well-formed UTF-8 sequence at bytes[i], or 0.
size_t Utf8SequenceLength(std::string_view bytes, size_t i) {
  const auto at = [&](size_t k) { return static_cast<unsigned char>(bytes[k]); };
  const unsigned char b = at(i);
  if (b < 0x80) return 1;
  size_t len;
  unsigned char lo = 0x80, hi = 0xBF;  // the allowed range of the second byte
  if (b >= 0xC2 && b <= 0xDF) {
    len = 2;
  } else if (b >= 0xE0 && b <= 0xEF) {
    len = 3;
    if (b == 0xE0) lo = 0xA0;  // overlong
    if (b == 0xED) hi = 0x9F;  // surrogates
  } else if (b >= 0xF0 && b <= 0xF4) {
    len = 4;
    if (b == 0xF0) lo = 0x90;  // overlong
    if (b == 0xF4) hi = 0x8F;  // above U+10FFFF
  } else {
    return 0;
  }
  if (i + len > bytes.size()) return 0;
  if (at(i + 1) < lo || at(i + 1) > hi) return 0;
  for (size_t k = 2; k < len; ++k)
    if ((at(i + k) & 0xC0) != 0x80) return 0;
  return len;
}

// UTF-8 with each byte that starts no valid sequence shown as U+FFFD.
std::string LossyUtf8(std::string_view bytes, size_t& replaced) {
  std::string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    const size_t len = Utf8SequenceLength(bytes, i);
    if (len == 0) {
      out += "\xEF\xBF\xBD";
      ++replaced;
      ++i;
    } else {
      out.append(bytes.substr(i, len));
      i += len;
    }
  }
  return out;
}

// One iconv conversion descriptor, closed at the end of its scope.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts `in`. A byte sequence that cannot be converted ends the
  // conversion (nothing returned) unless `replacement` is given: then it is
  // written instead of the first byte, which is skipped, and counted.
  std::optional<std::string> Run(std::string_view in, const char* replacement, size_t& replaced) {
    if (!ok()) return std::nullopt;
    std::string out(in.size() * 3 + 16, '\0');  // CP932 -> UTF-8 grows at most threefold
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    size_t used = 0;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    while (srcLeft > 0) {
      char* dst = out.data() + used;
      size_t dstLeft = out.size() - used;
      const size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      used = out.size() - dstLeft;
      if (r != static_cast<size_t>(-1)) break;
      if (errno == E2BIG) {
        out.resize(out.size() * 2);
        continue;
      }
      if (!replacement) return std::nullopt;  // EILSEQ, or EINVAL at the end
      const size_t rl = std::strlen(replacement);
      if (out.size() - used < rl) out.resize(out.size() * 2 + rl);
      std::memcpy(out.data() + used, replacement, rl);
      used += rl;
      ++src;
      --srcLeft;
      ++replaced;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(used);
    return out;
  }

 private:
  iconv_t cd_;
};

}  // namespace

bool IsUtf8(std::string_view bytes) {
  size_t i = 0;
  const size_t n = bytes.size();
  while (i < n) {
    // Eight ASCII bytes at a time: most data files are plain ASCII.
    if (i + 8 <= n) {
      uint64_t word;
      std::memcpy(&word, bytes.data() + i, 8);
      if ((word & 0x8080808080808080ULL) == 0) {
        i += 8;
        continue;
      }
    }
    const size_t len = Utf8SequenceLength(bytes, i);
    if (len == 0) return false;
    i += len;
  }
  return true;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

DecodedText Decode(std::string bytes) {
  if (IsUtf8(bytes)) {
    if (std::string_view(bytes).substr(0, 3) != kByteOrderMark)
      return {std::move(bytes), Encoding::Utf8, true};
    bytes.erase(0, 3);
    return {std::move(bytes), Encoding::Utf8Bom, true};
  }
  size_t none = 0;
  if (std::optional<std::string> text = Converter("UTF-8", "CP932").Run(bytes, nullptr, none)) {
    const std::optional<std::string> back = Encode(*text, Encoding::Cp932);
    const bool exact = back && *back == bytes;
    return {std::move(*text), Encoding::Cp932, exact};
  }
  size_t cpReplaced = 0, utfReplaced = 0;
  std::optional<std::string> cp =
      Converter("UTF-8", "CP932").Run(bytes, "\xEF\xBF\xBD", cpReplaced);
  std::string utf = LossyUtf8(bytes, utfReplaced);
  if (cp && cpReplaced < utfReplaced) return {std::move(*cp), Encoding::Cp932, false};
  return {std::move(utf), Encoding::Utf8, false};
}

std::optional<std::string> Encode(std::string utf8, Encoding encoding) {
  if (encoding == Encoding::Utf8) return utf8;
  if (encoding == Encoding::Utf8Bom) return utf8.insert(0, kByteOrderMark);
  size_t none = 0;
  return Converter("CP932", "UTF-8").Run(utf8, nullptr, none);
}

}  // namespace checker
