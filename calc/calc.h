// The calculation window's arithmetic: the run checks (CheckRun), Calc with
// its twelve operations on grids A and B, and the profile files of
// operations 10 and 11. No Qt: the window (calc/calc_window.cpp) and
// `zentu-cli calc` (cli/calc_command.cpp) fill the same RunInputs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/data_state.h"
#include "core/report.h"

namespace calc {

inline constexpr int kOperationCount = 12;

// The operation list `Combo1`: list index 0..11 is the operation number.
extern const char* const kOperationTexts[kOperationCount];

// The file every run writes, in A's or B's folder.
inline constexpr const char* kOutputName = "Cal#.dat";

// Grids A and B and the folders they were picked from (empty until a pick).
// A grid holds nx·ny values in file order: A(i, j), 1-based, is element
// i + nx·(j−1) counted from 1, so gridA[(i − 1) + nx·(j − 1)].
struct Grids {
  std::vector<double> gridA, gridB;
  std::string dirA, dirB;
};

// The texts of the window's boxes that a run reads.
struct RunInputs {
  int operation = 0;           // Combo1
  std::string text11, text12;  // paths of A and B
  std::string text2, text3;    // nx, ny of A, as DataRead wrote them
  std::string text4, text5;    // nx, ny of B
  std::string text21 = "1";    // a
  std::string text22 = "-1";   // b
  bool option1 = false;        // C into A's folder; otherwise into B's
};

// Operations 0..2 combine A with B.
inline bool UsesGridB(int operation) { return operation >= 0 && operation <= 2; }
// Every operation but 1 and 2 uses the number b.
inline bool UsesNumberB(int operation) { return operation != 1 && operation != 2; }

// The first run check that fails, in the window's order: A and B both set
// (operations 0..2), a set, b set (not for 1 and 2), A and B of the same size
// (0..2, comparing the texts of the size fields), A square (5 and 9). Empty
// means "no text at all"; a text that is not a number passes here and is
// refused by Calc.
std::optional<core::Msg> CheckRun(const RunInputs& in);

// Where C goes: "Cal#.dat" in A's folder when option1 is set, otherwise in
// B's; in A's folder as well when no B folder is known, so that the output
// never lands in the process's current folder by accident.
std::string OutputPath(const RunInputs& in, const Grids& g);

// The numbers of a run once everything has been checked. `b` is 0 when the
// operation does not use it.
struct Operands {
  int operation = 0;
  int32_t nx = 0, ny = 0;
  double a = 0, b = 0;
};

// The bytes of C for operations 0..9 (an ijz grid, as the grid writer writes
// one) and of the profile file for 10 and 11, each number with `digits`
// significant digits. Nothing when a result is not a finite number (a value
// beyond the range of a double). A holds nx·ny values, and B as well for
// operations 0..2; operations 5 and 9 need nx = ny.
std::optional<std::string> CalcText(const Operands& op, const std::vector<double>& A,
                                    const std::vector<double>& B, int digits = 15);

// Calc, after CheckRun has passed, for an operation 0..11: takes nx and ny from A's size fields, a
// and b from their boxes, writes C whole to `outputPath` (the old file stays
// until the new one is complete), and on success stores the path in
// main.gridFile and the sizes in main.inNx, main.inNy and main.nData (never
// beyond the points main holds). A run that cannot finish shows one message
// and writes nothing: no A picked for operations 3..11 (FileNotSpecified), a
// grid that does not hold the values its size fields announce
// (CalcGridUnread, "Ａ" or "Ｂ"), a or b not a number (CalcANotSet,
// CalcBNotSet), a result beyond the range of a double (CalcOverflow), a file
// that cannot be written (the writer's message). `inputs` are files the
// output must not replace (an output the user named that is A or B itself);
// "Cal#.dat" of the window may replace a "Cal#.dat" read whole as A or B.
bool Calc(const RunInputs& in, const Grids& g, const std::string& outputPath, int digits,
          core::DataState& main, core::Reporter& report,
          const std::vector<std::string>& inputs = {});

}  // namespace calc
