#include "cli/grid_command.h"

#include <charconv>
#include <ostream>

#include "cli/stream_reporter.h"
#include "core/grid_file.h"
#include "core/numbers.h"
#include "gridding/msh.h"

namespace cli {

const char* const kGridUsage =
    "usage: zentu-cli grid INPUT [--format nxyz|ijz|xyz] [--nx N] [--ny N]\n"
    "                     [--region X1,Y1,X2,Y2|all] [--axis XMIN,XMAX,YMIN,YMAX]\n"
    "                     [--digits N] [--threads N] [-o OUTPUT]\n"
    "\n"
    "Reads INPUT and converts it into an ijz grid file, as a Draw followed by a\n"
    "Convert in the main window does.\n"
    "\n"
    "  --format F    n/xyz (nxyz, the default), ijz or xyz input\n"
    "  --nx N, --ny N\n"
    "                node counts, taken as the texts of the count boxes: \"0\" or\n"
    "                \"\" take the default, a number not above 1 is corrected to 2\n"
    "                with a warning, 2.5 rounds to 2; default: the Draw's counts\n"
    "                (sqrt(points)/2, or half the ijz lattice)\n"
    "  --region X1,Y1,X2,Y2\n"
    "                the convert region as the texts of the four region boxes\n"
    "                (either corner first); \"all\" converts the whole axis region;\n"
    "                default: the Draw's proposal, the middle half of the axis region\n"
    "  --axis XMIN,XMAX,YMIN,YMAX\n"
    "                manual axis region (default: the data range)\n"
    "  --digits N    significant digits of the values written (default 15;\n"
    "                17 writes every double exactly)\n"
    "  -o OUTPUT     the grid file (default: INPUT with \"#\" before its extension)\n"
    "  --threads N   threads for the ring searches (default: the cores available;\n"
    "                the grid is the same for any number)\n"
    "  --schedule literal\n"
    "                run the ring searches one point at a time over every ring, as\n"
    "                the reference schedule does (same grid, much slower; for\n"
    "                timing comparisons)\n"
    "\n"
    "Messages go to standard error as \"TITLE: MESSAGE\".\n"
    "Exit codes: 0 written; 1 a read, count or data error stopped the conversion,\n"
    "or the grid file could not be written (nothing written); 2 wrong usage, or a\n"
    "refused region, node count or output (a folder, or the input itself; nothing\n"
    "written); 3 written after a warning (ring 50 reached, a node count corrected,\n"
    "an xyz file read only up to a field that is not a number).\n";

namespace {

bool ParseInt(const std::string& text, int& v) {
  const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
  return r.ec == std::errc() && r.ptr == text.data() + text.size();
}

}  // namespace

std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> parts;
  size_t b = 0;
  for (;;) {
    const size_t c = text.find(',', b);
    parts.push_back(text.substr(b, c == std::string::npos ? std::string::npos : c - b));
    if (c == std::string::npos) break;
    b = c + 1;
  }
  return parts;
}

bool ParseReadOption(const std::vector<std::string>& args, size_t& i, ReadArgs& out, bool& handled,
                     std::string& error) {
  const std::string& opt = args[i];
  handled = opt == "--format" || opt == "--nx" || opt == "--ny" || opt == "--region" ||
            opt == "--axis";
  if (!handled) return true;
  if (i + 1 >= args.size()) {
    error = opt + " needs a value";
    return false;
  }
  const std::string& v = args[++i];
  if (opt == "--format") {
    if (v == "nxyz") out.read.format = core::Format::NXyz;
    else if (v == "ijz") out.read.format = core::Format::Ijz;
    else if (v == "xyz") out.read.format = core::Format::Xyz;
    else {
      error = "--format takes nxyz, ijz or xyz";
      return false;
    }
  } else if (opt == "--nx") {
    out.nx = v;
    out.nxGiven = true;
  } else if (opt == "--ny") {
    out.ny = v;
    out.nyGiven = true;
  } else if (opt == "--region") {
    out.regionGiven = true;
    if (v == "all") {
      for (auto& r : out.region) r.clear();
    } else {
      const auto parts = SplitCommas(v);
      if (parts.size() != 4) {
        error = "--region takes X1,Y1,X2,Y2 or all";
        return false;
      }
      for (int k = 0; k < 4; ++k) out.region[k] = parts[k];
    }
  } else {  // --axis
    const auto parts = SplitCommas(v);
    if (parts.size() != 4) {
      error = "--axis takes XMIN,XMAX,YMIN,YMAX";
      return false;
    }
    out.read.axisMode = core::AxisMode::Manual;
    out.read.text7 = parts[0];
    out.read.text8 = parts[1];
    out.read.text5 = parts[2];
    out.read.text6 = parts[3];
  }
  return true;
}

core::RegionTexts RegionBoxes(const ReadArgs& a, const core::DataState& s) {
  core::RegionTexts box = core::DefaultRegionTexts(a.read.format, s);
  if (a.regionGiven) {
    box.text21 = a.region[0];
    box.text22 = a.region[1];
    box.text23 = a.region[2];
    box.text24 = a.region[3];
  }
  if (a.nxGiven) box.text25 = a.nx;
  if (a.nyGiven) box.text26 = a.ny;
  return box;
}

int RunGrid(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  ReadArgs a;
  std::string output;
  int digits = 15;
  int threads = 0;
  bool literal = false;
  for (size_t i = 0; i < args.size(); ++i) {
    bool handled = false;
    std::string error;
    if (!ParseReadOption(args, i, a, handled, error)) {
      err << "zentu-cli grid: " << error << "\n" << kGridUsage;
      return kUsage;
    }
    if (handled) continue;
    const std::string& opt = args[i];
    if (opt == "--help" || opt == "-h") {
      out << kGridUsage;
      return kOk;
    } else if ((opt == "-o" || opt == "--digits" || opt == "--threads" || opt == "--schedule") &&
               i + 1 < args.size()) {
      const std::string& v = args[++i];
      if (opt == "-o") {
        output = v;
      } else if (opt == "--threads") {
        if (!ParseInt(v, threads) || threads < 1 || threads > 256) {
          err << "zentu-cli grid: --threads takes a whole number from 1 to 256\n";
          return kUsage;
        }
      } else if (opt == "--schedule") {
        if (v != "literal" && v != "engine") {
          err << "zentu-cli grid: --schedule takes literal or engine\n";
          return kUsage;
        }
        literal = v == "literal";
      } else if (!ParseInt(v, digits) || digits < 1 || digits > 17) {
        err << "zentu-cli grid: --digits takes a whole number from 1 to 17\n" << kGridUsage;
        return kUsage;
      }
    } else if (!opt.empty() && opt[0] == '-' && opt != "-") {
      err << "zentu-cli grid: unknown or incomplete option " << opt << "\n" << kGridUsage;
      return kUsage;
    } else if (a.input.empty()) {
      a.input = opt;
    } else {
      err << "zentu-cli grid: more than one input file\n" << kGridUsage;
      return kUsage;
    }
  }
  if (a.input.empty()) {
    err << kGridUsage;
    return kUsage;
  }

  StreamReporter report(err);
  core::DataState s;
  s.dataFile = a.input;
  s.gridFile = output.empty() ? core::GridFileName(a.input) : output;
  if (core::DataRead1(a.read, s, report) != core::ReadStatus::Ok) return kDataError;

  core::RegionTexts box = RegionBoxes(a, s);
  if (core::DataRead2(a.read.format, box, s, report) != core::LatticeStatus::Ok)
    return report.Saw(core::Msg::NoData) ? kDataError : kUsage;
  const gridding::MshResult r = literal ? gridding::MshLiteral(s, report) : gridding::Msh(s, report, threads);
  if (const core::WriteResult written = core::DataWrite(s, digits); !written) {
    report.Show(core::FailureMessage(written.status));
    return written.status == core::WriteStatus::CannotWrite ? kDataError : kUsage;
  }
  out << "grid written to " << s.gridFile << " (" << s.gridNx << " x " << s.gridNy
      << " nodes, region " << core::FormatGeneral(s.gridX1) << ".." << core::FormatGeneral(s.gridX2)
      << " x " << core::FormatGeneral(s.gridY1) << ".." << core::FormatGeneral(s.gridY2) << ", "
      << r.ringsRun << (r.ringsRun == 1 ? " ring search" : " ring searches") << ")\n";
  return report.shown.empty() ? kOk : kWarning;
}

}  // namespace cli
