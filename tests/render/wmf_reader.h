// A small, strict reader of standard Windows metafiles for the tests: the
// header fields and the record list, with a description of the first
// structural fault found (records not tiling the file, no end record last).
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace testing_support {

struct WmfRecordView {
  uint32_t words = 0;  // record size in words, size and function included
  uint16_t function = 0;
  std::vector<uint8_t> params;
  uint16_t Word(size_t i) const {
    return static_cast<uint16_t>(params.at(2 * i) | (params.at(2 * i + 1) << 8));
  }
  int16_t Int(size_t i) const { return static_cast<int16_t>(Word(i)); }
};

struct WmfView {
  uint16_t type = 0, headerWords = 0, version = 0, objects = 0, members = 0;
  uint32_t totalWords = 0, maxRecord = 0;
  std::vector<WmfRecordView> records;  // the end record included
  std::string fault;                   // empty when the file is well formed
};

inline WmfView ReadWmf(const std::vector<uint8_t>& b) {
  WmfView v;
  auto word = [&](size_t at) { return static_cast<uint16_t>(b[at] | (b[at + 1] << 8)); };
  auto dword = [&](size_t at) { return static_cast<uint32_t>(word(at) | (word(at + 2) << 16)); };
  if (b.size() < 18 || b.size() % 2 != 0) {
    v.fault = "short or odd-sized file";
    return v;
  }
  v.type = word(0);
  v.headerWords = word(2);
  v.version = word(4);
  v.totalWords = dword(6);
  v.objects = word(10);
  v.maxRecord = dword(12);
  v.members = word(16);
  size_t at = 2 * size_t{v.headerWords};
  while (at < b.size()) {
    if (at + 6 > b.size()) {
      v.fault = "truncated record head";
      return v;
    }
    WmfRecordView r;
    r.words = dword(at);
    r.function = word(at + 4);
    if (r.words < 3 || at + 2 * size_t{r.words} > b.size()) {
      v.fault = "record size out of range";
      return v;
    }
    r.params.assign(b.begin() + at + 6, b.begin() + at + 2 * r.words);
    at += 2 * r.words;
    v.records.push_back(std::move(r));
    if (v.records.back().function == 0 && at != b.size()) {
      v.fault = "bytes after the end record";
      return v;
    }
  }
  if (v.records.empty() || v.records.back().function != 0 || v.records.back().words != 3)
    v.fault = "no end record last";
  return v;
}

// Converts the metafile file `wmf` into `svg` with libwmf's wmf2svg, the
// independent reader of the tests. Empty when it did, else why not. A missing
// reader is a failure, never a reason to skip: scripts/install-deps.sh
// installs it (libwmf-bin) and the fonts it draws text with (fonts-urw-base35).
inline std::string Wmf2Svg(const std::string& wmf, const std::string& svg) {
  if (std::system("command -v wmf2svg >/dev/null 2>&1") != 0)
    return "wmf2svg is missing: run scripts/install-deps.sh (libwmf-bin, fonts-urw-base35)";
  if (std::system(("wmf2svg -o '" + svg + "' '" + wmf + "'").c_str()) != 0)
    return "wmf2svg could not read " + wmf + " (without fonts-urw-base35 it draws no text)";
  return {};
}

}  // namespace testing_support
