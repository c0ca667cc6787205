// The Windows metafile writer behind the metafile export: WmfRecorder turns the
// drawing calls of MetaPntDrw, MetaFrmDrw and MetaLinDrw (made through the
// metafile target) into a standard Windows metafile, the old 16-bit format
// without enhanced records; MfPictRecord builds the 16-byte clipboard record
// that accompanies it. No platform code: the result is plain bytes.
//
// Byte order is little-endian throughout. A record is its size in 16-bit words
// (32 bits, the size fields included), its function number (16 bits) and its
// parameters; coordinates are 16-bit signed logical units (twips in the export).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace render {

struct WmfColour {
  uint8_t r, g, b;
};  // stored as the colour value 0x00bbggrr
struct WmfPoint {
  int16_t x, y;
};  // logical units

// Values of the graphics enumerations the export uses.
constexpr int kPenSolid = 0;           // pen style PS_SOLID
constexpr int kBkTransparent = 1;      // background mode TRANSPARENT
constexpr int kBkOpaque = 2;           // background mode OPAQUE
constexpr int kDefaultCharset = 1;     // DEFAULT_CHARSET: the reader's code page
constexpr int kShiftJisCharset = 128;  // SHIFTJIS_CHARSET
constexpr int32_t kMmAnisotropic = 8;  // mapping mode of the clipboard record

// The largest count a record can hold (points of one polygon or polyline,
// bytes of one text): the count fields are 16-bit signed.
constexpr int kWmfMaxCount = 32767;

// A coordinate for the metafile from a page position already in device units:
// rounded to the nearest integer with halves to the even neighbour and clamped
// to -32768..32767. NaN gives 0, so no input can make the conversion undefined.
int16_t WmfCoord(double v);

// Records one metafile. Every int argument that becomes a 16-bit field
// (coordinates, extents, pen width, font sizes) is clamped to -32768..32767;
// style, mode and character-set values are clamped to their field's unsigned
// range. Nothing is clipped or reordered: records appear in call order.
class WmfRecorder {
 public:
  // Handles are object-table indices as a metafile player assigns them: the
  // lowest free slot at creation; deleting frees the slot for reuse. A call
  // with a handle that is not live records nothing, so the metafile never
  // refers to an empty slot.
  int CreatePen(int style, int width, WmfColour c);  // style kPenSolid = 0
  int CreateBrush(WmfColour c);                      // solid brush (BS_SOLID)
  // A logical font: height and width in logical units, escapement in tenths of
  // a degree (900 = text running upwards); orientation 0, no italic,
  // underline or strike-out, precision, quality and pitch/family 0.
  // faceBytes is stored as given (see ToShiftJisFaceName): at most 31 bytes,
  // NUL-terminated in its 32-byte field, cut before an embedded NUL and, for
  // the Shift-JIS character set, never inside a double-byte character.
  int CreateFont(int height, int width, int escapement, int weight, const std::string& faceBytes,
                 int charSet = kShiftJisCharset);
  void Select(int handle);
  void Delete(int handle);
  void SetBkMode(int mode);  // kBkTransparent, kBkOpaque
  void SetWindowOrg(int x, int y);
  void SetWindowExt(int x, int y);
  // An empty point list records nothing. A polygon of more than kWmfMaxCount
  // points throws std::length_error; a longer polyline is recorded as several
  // polylines, each starting at the last point of the one before, which draws
  // the same line.
  void Polygon(const std::vector<WmfPoint>& pts);
  void Polyline(const std::vector<WmfPoint>& pts);
  // The text's bytes as given (plot texts are ASCII, the same bytes in every
  // code page; other bytes are read by the selected font's character set),
  // padded with a zero byte to even length; (x, y) is the reference point.
  // More than kWmfMaxCount bytes throw std::length_error.
  void TextOut(int x, int y, const std::string& bytes);
  // The whole metafile: the 9-word header (type 1 = memory, header size 9,
  // version 0x0300, total size in words, number of objects = the most handles
  // live at one time, largest record in words, 0 parameters), the records, and
  // the end record. The recorder is left as it was, so a second call gives the
  // same bytes. Throws std::length_error above 2^32 - 1 words.
  std::vector<uint8_t> Finish();

 private:
  void BeginRecord(uint32_t words, uint16_t function);
  void PutWord(uint16_t w);
  void PutInt(int v) { PutWord(static_cast<uint16_t>(Clamp16(v))); }
  static int16_t Clamp16(int v);
  int NewHandle();
  bool IsLive(int handle) const;
  void PutPoints(uint16_t function, const WmfPoint* pts, int n);

  std::vector<uint8_t> body_;  // the records after the header
  std::vector<bool> live_;     // object table; its size is the peak live count
  uint32_t maxRecord_ = 3;     // the end record is 3 words
};

// The 16-byte clipboard record of the metafile picture: mapping mode, x
// extent, y extent and the metafile handle, four little-endian 32-bit fields.
// The export passes kMmAnisotropic and the metafile's window extent in twips
// (9354 x 8220) unconverted; a reader taking them as hundredths of a
// millimetre sizes the picture 93.54 x 82.20 mm with the right aspect ratio.
// The handle field is 0 here: the platform layer owns the metafile bytes.
std::vector<uint8_t> MfPictRecord(int32_t mappingMode, int32_t xExt, int32_t yExt);

// The same metafile with the 22-byte placeable header in front (key
// 0x9AC6CDD7, bounding box (0, 0)-(right, bottom) in logical units,
// unitsPerInch logical units per inch, 1440 for twips, and the checksum of
// its first ten words), for receivers that size a metafile file by that header.
std::vector<uint8_t> WithPlaceableHeader(const std::vector<uint8_t>& metafile, int16_t right,
                                         int16_t bottom, uint16_t unitsPerInch);

// The Shift-JIS bytes of the plot fonts' face names "ＭＳ Ｐ明朝" and
// "ＭＳ Ｐゴシック" given in UTF-8, for CreateFont with kShiftJisCharset. Any
// other name is returned unchanged (ASCII names such as "Arial" are the same
// bytes in both).
std::string ToShiftJisFaceName(std::string_view utf8);

}  // namespace render
