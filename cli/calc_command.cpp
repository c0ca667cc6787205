#include "cli/calc_command.h"

#include <charconv>
#include <filesystem>
#include <optional>
#include <ostream>

#include "calc/calc.h"
#include "calc/data_read.h"
#include "cli/grid_command.h"
#include "cli/stream_reporter.h"

namespace cli {

const char* const kCalcUsage =
    "usage: zentu-cli calc OP A [B] [--a TEXT] [--b TEXT] [--digits N] [-o OUTPUT]\n"
    "\n"
    "Combines the ijz grids A and B with the numbers a and b as the run button of\n"
    "the calculation window does, and writes the result C.\n"
    "\n"
    "  OP            the operation, its index in the window's list:\n"
    "                  0  C(i,j) = a*A(i,j) + b*B(i,j)\n"
    "                  1  C(i,j) = (a*A(i,j))*B(i,j)               (b not used)\n"
    "                  2  C(i,j) = (a*A(i,j))/B(i,j), and A(i,j)*(a*100000)\n"
    "                     where B(i,j) = 0                         (b not used)\n"
    "                  3  C(i,j) = a*ln|A(i,j)+b|, and -100000*a where A(i,j)+b = 0\n"
    "                  4  C(i,j) = a*A(i,j) + b\n"
    "                  5  C(i,j) = a*A(j,i) + b                    (A square)\n"
    "                  6  C(i,j) = a*A(nx+1-i,j) + b\n"
    "                  7  C(i,j) = a*A(i,ny+1-j) + b\n"
    "                  8  C(i,j) = a*A(nx+1-i,ny+1-j) + b\n"
    "                  9  C(i,j) = a*A(ny+1-j,nx+1-i) + b          (A square)\n"
    "                 10  profiles along j: for each column i a line with ny,\n"
    "                     then ny lines \"a+(j-1)*b A(i,j)\"\n"
    "                 11  profiles along i: for each row j a line with nx,\n"
    "                     then nx lines \"a+(i-1)*b A(i,j)\"\n"
    "                (i = 1..nx, j = 1..ny, i fastest, as in the ijz file)\n"
    "  A, B          ijz grid files; B is needed by operations 0, 1 and 2 only\n"
    "                (when given to another operation it is read all the same)\n"
    "  --a TEXT      the text of the a box, taken as it stands (default \"1\")\n"
    "  --b TEXT      the text of the b box (default \"-1\"); may be empty for 1 and 2\n"
    "                (a text such as -1E+2 is a value here, not an option)\n"
    "  --digits N    significant digits of the values written (default 15;\n"
    "                17 writes every double exactly)\n"
    "  -o OUTPUT     the file written (default: \"Cal#.dat\" in A's folder)\n"
    "  --            the arguments after it are OP, A and B even when they\n"
    "                start with \"-\"\n"
    "\n"
    "A is read, then B, each with the messages of the window's reading; then the\n"
    "window's run checks apply in its order (A and B set, a set, b set, A and B of\n"
    "the same size, A square). The first message goes to standard error as\n"
    "\"TITLE: MESSAGE\" and nothing is written. C is written whole and then put in\n"
    "place of an older file.\n"
    "Exit codes: 0 written; 1 a message stopped the run (nothing written);\n"
    "2 wrong usage.\n";

namespace {

int Usage(std::ostream& err, const std::string& problem) {
  err << "zentu-cli calc: " << problem << "\n" << kCalcUsage;
  return kUsage;
}

bool ParseWhole(const std::string& text, int& v) {
  const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
  return !text.empty() && r.ec == std::errc() && r.ptr == text.data() + text.size();
}

// The folder a file lies in, as the file list shows it: empty for a bare name.
std::string FolderOf(const std::string& path) {
  return std::filesystem::path(path).parent_path().string();
}

}  // namespace

int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::vector<std::string> positional;
  calc::RunInputs in;
  std::string output;
  bool outputGiven = false;
  int digits = 15;
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& opt = args[i];
    if (optionsEnded || opt.empty() || opt[0] != '-' || opt == "-") {
      positional.push_back(opt);
    } else if (opt == "--") {
      optionsEnded = true;
    } else if (opt == "--help" || opt == "-h") {
      out << kCalcUsage;
      return kOk;
    } else if (opt == "--a" || opt == "--b" || opt == "--digits" || opt == "-o") {
      if (i + 1 >= args.size()) return Usage(err, opt + " needs a value");
      const std::string& v = args[++i];
      if (opt == "--a") {
        in.text21 = v;
      } else if (opt == "--b") {
        in.text22 = v;
      } else if (opt == "-o") {
        output = v;
        outputGiven = true;
      } else if (!ParseWhole(v, digits) || digits < 1 || digits > 17) {
        return Usage(err, "--digits takes a whole number from 1 to 17");
      }
    } else {
      return Usage(err, "unknown option " + opt);
    }
  }
  if (positional.size() < 2) return Usage(err, "OP and A are needed");
  if (positional.size() > 3) return Usage(err, "more than OP, A and B");
  if (!ParseWhole(positional[0], in.operation) || in.operation < 0 ||
      in.operation >= calc::kOperationCount)
    return Usage(err, "OP takes a whole number from 0 to 11");
  if (outputGiven && output.empty()) return Usage(err, "-o needs a file name");

  StreamReporter report(err);
  core::DataState main;
  calc::Grids grids;
  // A pick, as a click on a file does: the path box, the folder, the grid
  // and the size fields.
  auto pick = [&](calc::Target target, const std::string& path, std::string& box, std::string& dir,
                  std::string& nx, std::string& ny) {
    box = path;
    dir = FolderOf(path);
    const calc::ReadOutcome r = calc::DataRead(target, path, grids, main, report);
    nx = r.nxText;
    ny = r.nyText;
    return r.status == core::ReadStatus::Ok;
  };
  if (!pick(calc::Target::A, positional[1], in.text11, grids.dirA, in.text2, in.text3))
    return kDataError;
  if (positional.size() == 3 &&
      !pick(calc::Target::B, positional[2], in.text12, grids.dirB, in.text4, in.text5))
    return kDataError;
  if (const std::optional<core::Msg> refused = calc::CheckRun(in)) {
    report.Show(*refused);
    return kDataError;
  }
  in.option1 = true;  // C into A's folder
  const std::string path = outputGiven ? output : calc::OutputPath(in, grids);
  // An output named with -o must not be A or B itself.
  std::vector<std::string> inputs;
  if (outputGiven) inputs.assign(positional.begin() + 1, positional.end());
  if (!calc::Calc(in, grids, path, digits, main, report, inputs)) return kDataError;
  out << "written to " << path << " (" << calc::kOperationTexts[in.operation] << ", " << main.inNx
      << " x " << main.inNy << ")\n";
  return kOk;
}

}  // namespace cli
