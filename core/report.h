// Messages the user sees, and the Reporter through which the core shows them.
// The texts live in core/messages.cpp.
#pragma once

#include <string>
#include <vector>

namespace core {

enum class Msg {
  FileNotSpecified,   // no input file: the program ends
  FileCannotOpen,     // the input file cannot be opened
  DataCountInvalid,   // n/xyz or ijz point count below 3 or unusable
  DataInvalid,        // a field or a range box cannot be read
  NxInvalid,          // node count in x not above 1: continue with 2
  NyInvalid,          // node count in y not above 1: continue with 2
  NxNotNumber,        // node count in x is not a number: conversion refused
  NyNotNumber,        // node count in y is not a number: conversion refused
  TooManyNodes,       // node tables too large to hold: conversion refused
  RegionNotNumber,    // a convert region box is not a number: refused
  RegionZeroSize,     // convert region of zero width or height: refused
  NoData,             // no point to grid: refused
  RegionInvalid,      // some node still lacks points after ring 50
  GridWriteFailed,    // the grid file cannot be written
  DrawRegionUnsuitable,  // "指定" without a dragged frame: switch to auto
};

struct MessageText {
  const char* title;  // short English title; empty for none
  const char* text;   // the Japanese message, exactly as shown
};

MessageText TextOf(Msg m);

// "TITLE: MESSAGE" (or the message alone when it has no title), the form in
// which the command-line tool prints a message.
std::string MessageLine(Msg m);

class Reporter {
 public:
  virtual ~Reporter() = default;
  virtual void Show(Msg m) = 0;  // returns when the user has closed the message
};

// Keeps every message shown, in order; for tests and batch callers.
class RecordingReporter : public Reporter {
 public:
  void Show(Msg m) override { shown.push_back(m); }
  std::vector<Msg> shown;
};

}  // namespace core
