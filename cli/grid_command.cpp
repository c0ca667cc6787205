#include "cli/grid_command.h"

#include <charconv>
#include <ostream>

#include "core/numbers.h"

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
  handled =
      opt == "--format" || opt == "--nx" || opt == "--ny" || opt == "--region" || opt == "--axis";
  if (!handled) return true;
  if (i + 1 >= args.size()) {
    error = opt + " needs a value";
    return false;
  }
  const std::string& v = args[++i];
  app::Controls& c = out.controls;
  if (opt == "--format") {
    if (v == "nxyz")
      c.combo1 = static_cast<int>(core::Format::NXyz);
    else if (v == "ijz")
      c.combo1 = static_cast<int>(core::Format::Ijz);
    else if (v == "xyz")
      c.combo1 = static_cast<int>(core::Format::Xyz);
    else {
      error = "--format takes nxyz, ijz or xyz";
      return false;
    }
  } else if (opt == "--nx") {
    out.typed.nx = v;
  } else if (opt == "--ny") {
    out.typed.ny = v;
  } else if (opt == "--region") {
    app::TypedRegion& t = out.typed;
    t.region = true;
    t.x1 = t.y1 = t.x2 = t.y2 = "";
    if (v != "all") {
      const auto parts = SplitCommas(v);
      if (parts.size() != 4) {
        error = "--region takes X1,Y1,X2,Y2 or all";
        return false;
      }
      t.x1 = parts[0];
      t.y1 = parts[1];
      t.x2 = parts[2];
      t.y2 = parts[3];
    }
  } else {  // --axis
    const auto parts = SplitCommas(v);
    if (parts.size() != 4) {
      error = "--axis takes XMIN,XMAX,YMIN,YMAX";
      return false;
    }
    c.combo6 = static_cast<int>(core::AxisMode::Manual);
    c.text7 = parts[0];
    c.text8 = parts[1];
    c.text5 = parts[2];
    c.text6 = parts[3];
  }
  return true;
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

  // A Draw, then a Convert, as the main window's Command1 does them twice.
  StreamReporter report(err);
  CliHost host(report);
  host.threads = threads;
  host.digits = digits;
  host.literal = literal;
  app::Controls& c = a.controls;
  app::MainState m;
  m.data.dataFile = a.input;
  m.data.gridFile = output.empty() ? core::GridFileName(a.input) : output;
  const app::CommandResult drawn = app::Command1_Click(c, m, host, &a.typed);
  if (drawn.draw.read != core::ReadStatus::Ok || drawn.draw.outOfMemory) return kDataError;
  const app::ConvertResult r = app::Command1_Click(c, m, host).convert;
  if (!r.latticeSet) return r.refusedNoData ? kDataError : kUsage;
  if (!r.written)
    return r.outOfMemory || r.writeStatus == core::WriteStatus::CannotWrite ? kDataError : kUsage;
  const core::DataState& s = m.data;
  out << "grid written to " << s.gridFile << " (" << s.gridNx << " x " << s.gridNy
      << " nodes, region " << core::FormatGeneral(s.gridX1) << ".." << core::FormatGeneral(s.gridX2)
      << " x " << core::FormatGeneral(s.gridY1) << ".." << core::FormatGeneral(s.gridY2) << ", "
      << r.msh.ringsRun << (r.msh.ringsRun == 1 ? " ring search" : " ring searches") << ")\n";
  return report.shown.empty() ? kOk : kWarning;
}

}  // namespace cli
