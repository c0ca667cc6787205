// Messages the user sees, and the Reporter through which the core shows them
// and asks its questions. The texts live in core/messages.cpp.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace core {

enum class Msg {
  // Reading, lattice, gridding and writing of the main window.
  FileNotSpecified,      // no input file: the program ends
  FileCannotOpen,        // the input file cannot be opened
  DataCountInvalid,      // n/xyz or ijz point count below 3 or unusable
  DataInvalid,           // a field or a range box cannot be read
  NxInvalid,             // node count in x not above 1: continue with 2
  NyInvalid,             // node count in y not above 1: continue with 2
  NxNotNumber,           // node count in x is not a number: conversion refused
  NyNotNumber,           // node count in y is not a number: conversion refused
  TooManyNodes,          // node tables too large to hold: conversion refused
  RegionNotNumber,       // a convert region box is not a number: refused
  RegionZeroSize,        // convert region of zero width or height: refused
  NoData,                // no point to grid: refused
  RegionInvalid,         // some node still lacks points after ring 50
  GridWriteFailed,       // the grid file cannot be written
  DrawRegionUnsuitable,  // "指定" without a dragged frame: switch to auto

  // The main window.
  Greeting,           // first start: draw the sample, then convert
  ConvertStopped,     // Esc stopped a conversion: nothing written
  OutOfMemory,        // the data or the lattice do not fit in memory
  HeaderSizeInvalid,  // print: the header size is not a usable number; nothing printed
  NoPrinter,          // print: no printer is set up
  PrintFailed,        // print: the printer refused the job or could not finish it
  ClipboardFailed,    // MetaFile, BitMap: the clipboard did not take the plot

  // The calculation window: the run checks, in their order.
  CalcABNotSet,      // operation 0..2 without both A and B
  CalcANotSet,       // a empty
  CalcBNotSet,       // b empty (operations other than 1 and 2)
  CalcSizeMismatch,  // operation 0..2 with A and B of different sizes
  CalcNotSquare,     // operation 5 or 9 with nx != ny
  // The calculation window: a run that cannot finish writes nothing.
  CalcGridUnread,  // %1 ("Ａ" or "Ｂ") does not hold what its size fields announce
  CalcOverflow,    // a result beyond the range of a double

  // The checker window and its loader.
  FileExistsOverwrite,  // question (Yes/No): overwrite another existing file?
  NewFolderName,        // input box: the name of the folder to create
  FolderExists,         // the folder to create is already there
  FileMissing,          // the file of a path box does not exist
  ReadOver,             // question (OK/Cancel): more than 10000 lines, stop?
  FileUnreadable,       // the file of a path box exists but cannot be read
  CheckerReadOnly,      // the text cannot be shown faithfully: opened read-only
  CheckerWriteFailed,   // %1 could not be written: every file is as it was
  CheckerDeleteFailed,  // renamed, but the old file %1 could not be deleted
  CheckerNotEncodable,  // a character has no code in the file's encoding: not saved
  FolderNotMade,        // the new folder could not be created (not a taken name)

  // Every reader and writer of files (core/text_file.h, core/data_read.h).
  FileNotAFile,    // the input is a device, FIFO, folder or socket: refused
  FileTooLarge,    // an input without a size goes on without end: refused
  OutputNotAFile,  // the output is a folder or a socket: refused
  OutputIsInput,   // the output is the input file itself: refused
  XyzReadStopped,  // an xyz file holds a field that is not a number: %1 line, %2 points read
};

// The buttons of a message box, and the answer a user gives.
enum class Buttons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };
enum class Icon { None, Exclamation, Question };

struct MessageText {
  const char* title;  // short English title; empty: the program's name
  const char* text;   // exactly as shown; "%1", "%2", … are filled from the arguments
  Icon icon = Icon::Exclamation;
  Buttons buttons = Buttons::Ok;
};

MessageText TextOf(Msg m);

// The text of m with "%1", "%2", … replaced by args[0], args[1], …
std::string FilledText(Msg m, const std::vector<std::string>& args = {});

// "TITLE: MESSAGE" (or the message alone when it has no title), the form in
// which the command-line tool prints a message.
std::string MessageLine(Msg m, const std::vector<std::string>& args = {});

class Reporter {
 public:
  virtual ~Reporter() = default;
  // Shows m (a message or a question) and returns when the user has closed
  // it, with the button pressed: Ok for a message that has only OK.
  virtual Answer Show(Msg m, const std::vector<std::string>& args = {}) = 0;
  // An input box with m's title and prompt and `proposal` in its field; the
  // text entered, or nothing when the user cancelled.
  virtual std::optional<std::string> Input(Msg m, const std::string& proposal) = 0;
};

// The first answer of a box: Ok for OK and OK/Cancel boxes, Yes for Yes/No.
Answer DefaultAnswer(Msg m);

// Keeps every message shown, in order, and answers questions and input boxes
// from queues given beforehand (the box's default answer, and the proposal,
// once a queue is empty); for tests and batch callers.
class RecordingReporter : public Reporter {
 public:
  Answer Show(Msg m, const std::vector<std::string>& args = {}) override;
  std::optional<std::string> Input(Msg m, const std::string& proposal) override;

  std::vector<Msg> shown;                         // messages, questions and input boxes
  std::vector<std::vector<std::string>> args;     // the arguments of each, same order
  std::deque<Answer> answers;                     // answers to give, first first
  std::deque<std::optional<std::string>> inputs;  // input box entries to give
};

}  // namespace core
