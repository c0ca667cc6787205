#include "render/wmf.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/numbers.h"

namespace render {

namespace {

// Record function numbers.
constexpr uint16_t kMetaEof = 0x0000;
constexpr uint16_t kMetaSetBkMode = 0x0102;
constexpr uint16_t kMetaSetWindowOrg = 0x020B;
constexpr uint16_t kMetaSetWindowExt = 0x020C;
constexpr uint16_t kMetaSelectObject = 0x012D;
constexpr uint16_t kMetaDeleteObject = 0x01F0;
constexpr uint16_t kMetaCreatePenIndirect = 0x02FA;
constexpr uint16_t kMetaCreateFontIndirect = 0x02FB;
constexpr uint16_t kMetaCreateBrushIndirect = 0x02FC;
constexpr uint16_t kMetaPolygon = 0x0324;
constexpr uint16_t kMetaPolyline = 0x0325;
constexpr uint16_t kMetaTextOut = 0x0521;

constexpr uint16_t kBrushSolid = 0;  // BS_SOLID
constexpr int kHeaderWords = 9;
constexpr int kFaceBytes = 32;      // the face field, its terminating NUL included
constexpr int kMaxObjects = 65535;  // object indices are 16-bit

uint16_t ClampUnsigned(int v, int max) { return static_cast<uint16_t>(std::clamp(v, 0, max)); }

void AppendWord(std::vector<uint8_t>& out, uint16_t w) {
  out.push_back(static_cast<uint8_t>(w & 0xFF));
  out.push_back(static_cast<uint8_t>(w >> 8));
}

void AppendDword(std::vector<uint8_t>& out, uint32_t v) {
  AppendWord(out, static_cast<uint16_t>(v & 0xFFFF));
  AppendWord(out, static_cast<uint16_t>(v >> 16));
}

bool IsShiftJisLead(uint8_t b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// The face bytes that fit the field: up to the first NUL, at most 31 bytes,
// and for Shift-JIS not ending on the first byte of a double-byte character.
std::string FittedFace(const std::string& face, int charSet) {
  const std::string s = face.substr(0, face.find('\0'));
  const size_t limit = kFaceBytes - 1;
  if (s.size() <= limit) return s;
  if (charSet != kShiftJisCharset) return s.substr(0, limit);
  size_t n = 0;
  while (n < s.size()) {
    const size_t len = IsShiftJisLead(static_cast<uint8_t>(s[n])) ? 2 : 1;
    if (n + len > limit) break;
    n += len;
  }
  return s.substr(0, n);
}

}  // namespace

int16_t WmfCoord(double v) {
  if (std::isnan(v)) return 0;
  const double r = core::RoundHalfEven(std::clamp(v, -32768.0, 32767.0));
  return static_cast<int16_t>(r);
}

int16_t WmfRecorder::Clamp16(int v) { return static_cast<int16_t>(std::clamp(v, -32768, 32767)); }

void WmfRecorder::PutWord(uint16_t w) { AppendWord(body_, w); }

void WmfRecorder::BeginRecord(uint32_t words, uint16_t function) {
  maxRecord_ = std::max(maxRecord_, words);
  AppendDword(body_, words);
  PutWord(function);
}

int WmfRecorder::NewHandle() {
  // Lowest free slot, as the player fills its object table. The table only
  // grows when every slot is live, so its size is the peak live count.
  const auto freeSlot = std::find(live_.begin(), live_.end(), false);
  if (freeSlot != live_.end()) {
    *freeSlot = true;
    return static_cast<int>(freeSlot - live_.begin());
  }
  if (live_.size() >= static_cast<size_t>(kMaxObjects))
    throw std::length_error("metafile object table full");
  live_.push_back(true);
  return static_cast<int>(live_.size()) - 1;
}

bool WmfRecorder::IsLive(int handle) const {
  return handle >= 0 && static_cast<size_t>(handle) < live_.size() && live_[handle];
}

int WmfRecorder::CreatePen(int style, int width, WmfColour c) {
  const int handle = NewHandle();
  BeginRecord(8, kMetaCreatePenIndirect);
  PutWord(ClampUnsigned(style, 0xFFFF));
  PutInt(width);  // width as a point: x is the width, y unused
  PutWord(0);
  PutWord(static_cast<uint16_t>(c.r | (c.g << 8)));
  PutWord(c.b);
  return handle;
}

int WmfRecorder::CreateBrush(WmfColour c) {
  const int handle = NewHandle();
  BeginRecord(7, kMetaCreateBrushIndirect);
  PutWord(kBrushSolid);
  PutWord(static_cast<uint16_t>(c.r | (c.g << 8)));
  PutWord(c.b);
  PutWord(0);  // hatch, unused by a solid brush
  return handle;
}

int WmfRecorder::CreateFont(int height, int width, int escapement, int weight,
                            const std::string& faceBytes, int charSet) {
  const int handle = NewHandle();
  BeginRecord(3 + 9 + kFaceBytes / 2, kMetaCreateFontIndirect);
  PutInt(height);
  PutInt(width);
  PutInt(escapement);
  PutWord(0);  // orientation
  PutInt(weight);
  PutWord(0);                                                         // italic, underline
  PutWord(static_cast<uint16_t>(ClampUnsigned(charSet, 0xFF) << 8));  // strike-out, character set
  PutWord(0);                                                         // output and clip precision
  PutWord(0);                                                         // quality, pitch and family
  std::string face = FittedFace(faceBytes, charSet);
  face.resize(kFaceBytes, '\0');
  body_.insert(body_.end(), face.begin(), face.end());
  return handle;
}

void WmfRecorder::Select(int handle) {
  if (!IsLive(handle)) return;
  BeginRecord(4, kMetaSelectObject);
  PutWord(static_cast<uint16_t>(handle));
}

void WmfRecorder::Delete(int handle) {
  if (!IsLive(handle)) return;
  live_[handle] = false;
  BeginRecord(4, kMetaDeleteObject);
  PutWord(static_cast<uint16_t>(handle));
}

void WmfRecorder::SetBkMode(int mode) {
  BeginRecord(4, kMetaSetBkMode);
  PutWord(ClampUnsigned(mode, 0xFFFF));
}

// Both window records store y before x.
void WmfRecorder::SetWindowOrg(int x, int y) {
  BeginRecord(5, kMetaSetWindowOrg);
  PutInt(y);
  PutInt(x);
}

void WmfRecorder::SetWindowExt(int x, int y) {
  BeginRecord(5, kMetaSetWindowExt);
  PutInt(y);
  PutInt(x);
}

void WmfRecorder::PutPoints(uint16_t function, const WmfPoint* pts, int n) {
  BeginRecord(4 + 2 * static_cast<uint32_t>(n), function);
  PutWord(static_cast<uint16_t>(n));
  for (int i = 0; i < n; ++i) {
    PutWord(static_cast<uint16_t>(pts[i].x));
    PutWord(static_cast<uint16_t>(pts[i].y));
  }
}

void WmfRecorder::Polygon(const std::vector<WmfPoint>& pts) {
  if (pts.empty()) return;
  if (pts.size() > static_cast<size_t>(kWmfMaxCount))
    throw std::length_error("polygon has more points than a metafile record holds");
  PutPoints(kMetaPolygon, pts.data(), static_cast<int>(pts.size()));
}

void WmfRecorder::Polyline(const std::vector<WmfPoint>& pts) {
  if (pts.empty()) return;
  // Pieces of at most kWmfMaxCount points; each next piece repeats the last
  // point of the one before, so the line stays connected.
  size_t start = 0;
  while (true) {
    const size_t n = std::min(pts.size() - start, static_cast<size_t>(kWmfMaxCount));
    PutPoints(kMetaPolyline, pts.data() + start, static_cast<int>(n));
    if (start + n >= pts.size()) break;
    start += n - 1;
  }
}

void WmfRecorder::TextOut(int x, int y, const std::string& bytes) {
  if (bytes.size() > static_cast<size_t>(kWmfMaxCount))
    throw std::length_error("text longer than a metafile record holds");
  const uint32_t textWords = static_cast<uint32_t>((bytes.size() + 1) / 2);
  BeginRecord(3 + 1 + textWords + 2, kMetaTextOut);
  PutWord(static_cast<uint16_t>(bytes.size()));
  body_.insert(body_.end(), bytes.begin(), bytes.end());
  if (bytes.size() % 2 != 0) body_.push_back(0);
  PutInt(y);
  PutInt(x);
}

std::vector<uint8_t> WmfRecorder::Finish() {
  const uint64_t totalWords = kHeaderWords + body_.size() / 2 + 3;
  if (totalWords > 0xFFFFFFFFu) throw std::length_error("metafile larger than its size field");
  std::vector<uint8_t> out;
  out.reserve(static_cast<size_t>(totalWords) * 2);
  AppendWord(out, 1);  // memory metafile
  AppendWord(out, kHeaderWords);
  AppendWord(out, 0x0300);
  AppendDword(out, static_cast<uint32_t>(totalWords));
  AppendWord(out, static_cast<uint16_t>(live_.size()));
  AppendDword(out, maxRecord_);
  AppendWord(out, 0);
  out.insert(out.end(), body_.begin(), body_.end());
  AppendDword(out, 3);
  AppendWord(out, kMetaEof);
  return out;
}

std::vector<uint8_t> MfPictRecord(int32_t mappingMode, int32_t xExt, int32_t yExt) {
  std::vector<uint8_t> out;
  for (int32_t v : {mappingMode, xExt, yExt, int32_t{0}})
    AppendDword(out, static_cast<uint32_t>(v));
  return out;
}

std::vector<uint8_t> WithPlaceableHeader(const std::vector<uint8_t>& metafile, int16_t right,
                                         int16_t bottom, uint16_t unitsPerInch) {
  std::vector<uint8_t> out;
  AppendDword(out, 0x9AC6CDD7u);
  AppendWord(out, 0);  // handle: none in a file
  for (int16_t v : {int16_t{0}, int16_t{0}, right, bottom})
    AppendWord(out, static_cast<uint16_t>(v));
  AppendWord(out, unitsPerInch);
  AppendDword(out, 0);
  uint16_t checksum = 0;
  for (size_t i = 0; i < out.size(); i += 2)
    checksum ^= static_cast<uint16_t>(out[i] | (out[i + 1] << 8));
  AppendWord(out, checksum);
  out.insert(out.end(), metafile.begin(), metafile.end());
  return out;
}

std::string ToShiftJisFaceName(std::string_view utf8) {
  // Checked byte for byte against a Shift-JIS converter.
  static const struct {
    std::string_view utf8, sjis;
  } kFaces[] = {
      {"ＭＳ Ｐ明朝", "\x82\x6C\x82\x72\x20\x82\x6F\x96\xBE\x92\xA9"},
      {"ＭＳ Ｐゴシック", "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E"},
  };
  for (const auto& f : kFaces)
    if (utf8 == f.utf8) return std::string(f.sjis);
  return std::string(utf8);
}

}  // namespace render
