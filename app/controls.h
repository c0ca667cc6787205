// The main window's controls as the commands read and write them: the
// texts of the boxes, the list selections, the captions and which of the
// switchable controls are shown. The window copies its widgets into a
// Controls before a command and puts the result back after it (and at the
// moments a command asks to be seen), so every command can run and be
// tested without a window.
#pragma once

#include <string>

#include "core/data_read.h"
#include "core/lattice.h"
#include "render/plot.h"

namespace app {

// Captions of Command1: the window's state.
inline constexpr const char* kDraw = "描画";
inline constexpr const char* kDrawing = "描画中";
inline constexpr const char* kConvert = "変換";
inline constexpr const char* kConverting = "変換中";
// Captions of the export buttons.
inline constexpr const char* kMetaFile = "MetaFile";
inline constexpr const char* kBitMap = "BitMap";
inline constexpr const char* kPrint = "印刷";
inline constexpr const char* kPrintAgain = "再印刷";
inline constexpr const char* kBusyExport = "計算中";

// The items of the lists, in their order.
inline constexpr const char* kFormats[] = {"n/xyz→ijz", "ijz→ijz", "xyz→ijz"};  // Combo1
inline constexpr const char* kAutoManual[] = {"自動", "手動"};                  // Combo2
inline constexpr const char* kAxisModes[] = {"自動", "手動", "指定"};           // Combo6
inline constexpr const char* kOffOn[] = {"Off", "On"};                          // Combo8
inline constexpr const char* kAlignments[] = {"左端", "中央", "右端"};          // Combo5
inline constexpr int kHeaderSizes = 9;   // Combo4: "1" … "9"
inline constexpr int kPointSizes = 100;  // Combo7: "1" … "100"
inline constexpr int kAngles = 361;      // Combo9: "0" … "360"

struct Controls {
  // Lists: the index chosen (-1: a text typed that is no item).
  int combo1 = 0;  // format
  int combo2 = 0;  // Height Meter: 自動, 手動
  int combo3 = 0;  // header font (render::kHeaderFaces)
  int combo4 = 4;  // header size; its text is combo4Text
  int combo5 = 1;  // header alignment
  int combo6 = 0;  // Axis Region: 自動, 手動, 指定
  int combo8 = 1;  // Lines: Off, On
  std::string combo4Text = "5";
  std::string combo7Text = "5";  // Point Size
  std::string combo9Text = "0";  // angle of the overlay lines, degrees

  // Boxes.
  std::string text1 = "*.dat";         // file pattern of File1
  std::string text2, text3;            // colour scale maximum, minimum
  std::string text4;                   // header of the printed page
  std::string text5, text6;            // y minimum, maximum
  std::string text7, text8;            // x minimum, maximum
  std::string text11, text12, text13;  // dataFile, gridFile, lineFile as shown
  core::RegionTexts region;            // Text21 … Text26

  // The file browser: the volume of Drive1 and the folder of Dir1.
  std::string drive, folder;

  // Captions.
  std::string command1 = kDraw;
  std::string command5 = kMetaFile;
  std::string command7 = "サイズ Ａ";
  std::string command8 = kBitMap;
  std::string command9 = kPrint;

  // Controls that come and go; all others are always shown.
  bool command1Shown = true;
  bool outputShown = false;      // Label2, Command12, Text12: the output of a Convert
  bool exportsShown = false;     // Command5, Command8, Command9: after a Draw
  bool meterBoxesShown = false;  // Label14, Text2, Text3: Combo2 at 手動
  bool axisBoxesShown = false;   // Label17, Label18, Text5 … Text8: Combo6 at 手動
  bool lineButtonsShown = true;  // Command13, Command14, Combo9: Combo8 at On
  bool text13Shown = true;       // Text13: with the line buttons, apart at start-up
};

// What DataRead1 reads of the controls.
core::ReadOptions ReadOptionsOf(const Controls& c);
// What the plot procedures read of the controls.
render::PlotControls PlotControlsOf(const Controls& c);

}  // namespace app
