#include "cli/plot_command.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPrinter>
#include <optional>
#include <ostream>
#ifdef __linux__
#include <sys/mman.h>
#include <unistd.h>
#else
#include <QTemporaryDir>

#include "platform/text.h"
#endif

#include "cli/grid_command.h"
#include "cli/stream_reporter.h"
#include "core/text_file.h"
#include "platform/gui_app.h"
#include "platform/printed_page.h"
#include "platform/screen_page.h"
#include "render/metafile_target.h"
#include "render/plot.h"
#include "render/wmf.h"

namespace cli {

const char* const kPlotUsage =
    "usage: zentu-cli plot INPUT [--format nxyz|ijz|xyz] [--axis XMIN,XMAX,YMIN,YMAX]\n"
    "                     [--region X1,Y1,X2,Y2] [--points N] [--lines FILE [--angle DEG]]\n"
    "                     [--meter LOW,HIGH] [--size A|B|C]\n"
    "                     [--header TEXT [--header-font N] [--header-size N]\n"
    "                      [--header-align left|centre|right]]\n"
    "                     (--png FILE | --wmf FILE | --pdf FILE)...\n"
    "\n"
    "Reads INPUT as the main window's Draw does and writes its plot: the colour\n"
    "squares, frame, axis numbers and labels, z range, height meter and overlay\n"
    "lines.\n"
    "\n"
    "  --png FILE    the screen page as the main window shows it, with the\n"
    "                Convert Region outline (default: the middle half)\n"
    "  --wmf FILE    the metafile of the MetaFile button (always the 130 mm plot)\n"
    "  --pdf FILE    the printed page, one A4 page at 600 dpi, with the header\n"
    "  --format, --axis, --region\n"
    "                as for zentu-cli grid\n"
    "  --points N    point size, as the Point Size list (default 5)\n"
    "  --lines FILE  overlay line file (not drawn over an ijz lattice)\n"
    "  --angle DEG   rotation of the overlay lines (default 0)\n"
    "  --meter LOW,HIGH\n"
    "                manual height meter: the colour scale from LOW to HIGH\n"
    "  --size A|B|C  screen plot size: 130, 120 or 110 mm (default A)\n"
    "  --header TEXT header line of the printed page\n"
    "  --header-font N\n"
    "                1 ＭＳ Ｐ明朝 (default), 2 ＭＳ Ｐゴシック, 3 Times New Roman, 4 Arial\n"
    "  --header-size N\n"
    "                header size, as the size list 1 to 9 (default 4); a size\n"
    "                that is not a number prints the page without the header\n"
    "  --header-align left|centre|right\n"
    "                (default left)\n"
    "\n"
    "Messages go to standard error as \"TITLE: MESSAGE\".\n"
    "Exit codes: 0 written; 1 a read, count or data error stopped the plot, or a\n"
    "file could not be written; 2 wrong usage, or a refused output (a folder, or\n"
    "an input file itself); 3 written after a warning (an xyz file read only up\n"
    "to a field that is not a number).\n";

namespace {

struct PlotArgs {
  ReadArgs read;
  std::string lineFile;
  std::string png, wmf, pdf;
};

// Parses the plot's own options into the controls they stand for; returns
// an error text, empty when fine.
std::string ParsePlotOption(const std::string& opt, const std::string& v, PlotArgs& a) {
  app::Controls& c = a.read.controls;
  if (opt == "--points")
    c.combo7Text = v;
  else if (opt == "--lines")
    a.lineFile = v;
  else if (opt == "--angle")
    c.combo9Text = v;
  else if (opt == "--meter") {
    const std::vector<std::string> parts = SplitCommas(v);
    if (parts.size() != 2) return "--meter takes LOW,HIGH";
    c.text3 = parts[0];
    c.text2 = parts[1];
    c.combo2 = static_cast<int>(core::ColourMode::Manual);
  } else if (opt == "--size") {
    if (v == "A" || v == "a")
      c.command7 = render::CaptionOf(render::PlotSize::A);
    else if (v == "B" || v == "b")
      c.command7 = render::CaptionOf(render::PlotSize::B);
    else if (v == "C" || v == "c")
      c.command7 = render::CaptionOf(render::PlotSize::C);
    else
      return "--size takes A, B or C";
  } else if (opt == "--header")
    c.text4 = v;
  else if (opt == "--header-font") {
    const int n = v.size() == 1 ? v[0] - '0' : 0;
    if (n < 1 || n > 4) return "--header-font takes 1, 2, 3 or 4";
    c.combo3 = n - 1;
  } else if (opt == "--header-size")
    c.combo4Text = v;
  else if (opt == "--header-align") {
    if (v == "left")
      c.combo5 = static_cast<int>(render::HeaderAlign::Left);
    else if (v == "centre" || v == "center")
      c.combo5 = static_cast<int>(render::HeaderAlign::Centre);
    else if (v == "right")
      c.combo5 = static_cast<int>(render::HeaderAlign::Right);
    else
      return "--header-align takes left, centre or right";
  } else if (opt == "--png")
    a.png = v;
  else if (opt == "--wmf")
    a.wmf = v;
  else if (opt == "--pdf")
    a.pdf = v;
  else
    return "unknown option " + opt;
  return {};
}

// zentu-cli plot draws the screen page on a picture of its own.
class PlotHost : public CliHost {
 public:
  PlotHost(StreamReporter& report, platform::ScreenPage* picture)
      : CliHost(report), picture_(picture) {}
  render::ScreenMetrics Screen() const override { return {15, 15}; }
  void ClearPicture() override {
    if (picture_) picture_->Clear();
  }
  bool HasPicture() const override { return picture_ != nullptr; }
  void Paint(const render::PageLayout& page,
             const std::function<void(render::Target&)>& paint) override {
    if (!picture_) return;
    platform::ScreenCanvas canvas(*picture_, page);
    paint(canvas.target());
  }

 private:
  platform::ScreenPage* picture_;
};

bool IsPlotOption(const std::string& opt) {
  static const char* const kOptions[] = {
      "--points",      "--lines",       "--angle",        "--meter", "--size", "--header",
      "--header-font", "--header-size", "--header-align", "--png",   "--wmf",  "--pdf"};
  for (const char* o : kOptions)
    if (opt == o) return true;
  return false;
}

std::optional<std::string> PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return std::nullopt;
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// The printed page as PDF bytes. The printer writes to a file by name; it is
// given an unnamed memory file (/proc/self/fd/N of a memfd), so that a run
// killed while printing leaves nothing behind; elsewhere a private temporary
// folder. The bytes then go through the one writer, as every file does.
std::optional<std::string> PdfBytes(const render::ScreenMetrics& screen, const core::DataState& d,
                                    const core::LineSet& lines, const render::PlotControls& c) {
#ifdef __linux__
  const int fd = ::memfd_create("zentu-pdf", MFD_CLOEXEC);
  if (fd < 0) return std::nullopt;
  const std::string file = "/proc/self/fd/" + std::to_string(fd);
#else
  QTemporaryDir folder;
  if (!folder.isValid()) return std::nullopt;
  const std::string file = platform::ToPath(folder.filePath(QStringLiteral("page.pdf")));
#endif
  bool printed = false;
  {
    QPrinter printer(QPrinter::HighResolution);
    platform::SetUpPdfPrinter(printer, file, 600);
    printed = platform::PrintPage(printer, screen, d, lines, c) == platform::PrintStatus::Printed;
  }
  std::optional<std::string> bytes = printed ? core::ReadFileBytes(file) : std::nullopt;
#ifdef __linux__
  ::close(fd);
#endif
  return bytes;
}

}  // namespace

int RunPlot(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  PlotArgs a;
  // The header as a first start sets it: size "4", left aligned.
  a.read.controls.combo4 = 3;
  a.read.controls.combo4Text = "4";
  a.read.controls.combo5 = static_cast<int>(render::HeaderAlign::Left);
  for (size_t i = 0; i < args.size(); ++i) {
    bool handled = false;
    std::string error;
    if (!ParseReadOption(args, i, a.read, handled, error)) {
      err << "zentu-cli plot: " << error << "\n" << kPlotUsage;
      return kUsage;
    }
    if (handled) continue;
    const std::string& opt = args[i];
    if (opt == "--help" || opt == "-h") {
      out << kPlotUsage;
      return kOk;
    }
    if (IsPlotOption(opt)) {
      if (i + 1 >= args.size()) {
        err << "zentu-cli plot: " << opt << " needs a value\n" << kPlotUsage;
        return kUsage;
      }
      error = ParsePlotOption(opt, args[++i], a);
      if (!error.empty()) {
        err << "zentu-cli plot: " << error << "\n" << kPlotUsage;
        return kUsage;
      }
    } else if (!opt.empty() && opt[0] == '-' && opt != "-") {
      err << "zentu-cli plot: unknown or incomplete option " << opt << "\n" << kPlotUsage;
      return kUsage;
    } else if (a.read.input.empty()) {
      a.read.input = opt;
    } else {
      err << "zentu-cli plot: more than one input file\n" << kPlotUsage;
      return kUsage;
    }
  }
  if (a.read.input.empty() || (a.png.empty() && a.wmf.empty() && a.pdf.empty())) {
    err << kPlotUsage;
    return kUsage;
  }

  // The Draw of the main window, on a screen page when the PNG is wanted.
  app::Controls& c = a.read.controls;
  c.combo8 = a.lineFile.empty() ? 0 : 1;
  app::MainState m;
  m.data.dataFile = a.read.input;
  m.lines.lineFile = a.lineFile;
  platform::EnsureGuiApplication();
  const render::ScreenMetrics screen{15, 15};  // a 96 dpi screen
  platform::ScreenPage picture(screen);
  StreamReporter report(err);
  PlotHost host(report, a.png.empty() ? nullptr : &picture);
  const app::DrawResult drawn = app::Command1_Click(c, m, host, &a.read.typed).draw;
  if (drawn.read != core::ReadStatus::Ok || drawn.outOfMemory) return kDataError;
  const core::DataState& s = m.data;
  // An xyz file without a readable triple has nothing to plot; refused as
  // the grid command refuses it.
  if (s.nData < 1) {
    report.Show(core::Msg::NoData);
    return kDataError;
  }
  const core::LineSet& lines = m.lines;
  const render::PlotControls plot = app::PlotControlsOf(c);
  int status = report.shown.empty() ? kOk : kWarning;
  // Every file goes through the one writer, which refuses the input files.
  const std::vector<std::string> inputs = {s.dataFile, a.lineFile};
  auto write = [&](const std::string& what, const std::string& path,
                   const std::optional<std::string>& bytes) {
    const core::WriteResult written = bytes ? core::WriteFileReplacing(path, *bytes, inputs)
                                            : core::WriteResult{core::WriteStatus::CannotWrite};
    if (written) {
      out << what << " written to " << path << "\n";
      return;
    }
    report.Show(core::FailureMessage(written.status));
    err << "zentu-cli plot: cannot write " << path << "\n";
    if (status != kUsage)
      status = written.status == core::WriteStatus::CannotWrite ? kDataError : kUsage;
  };

  if (!a.png.empty()) write("screen page", a.png, PngBytes(picture.WindowPart(m.page)));
  if (!a.wmf.empty()) {
    platform::QtScreenMeasurer measure(screen);
    const render::MetafileExport meta = render::RecordMetafile(screen, s, lines, plot, measure);
    // A metafile file carries the placeable header, so that readers know its size.
    const std::vector<uint8_t> file = render::PlaceableMetafile(meta);
    write("metafile", a.wmf, std::string(file.begin(), file.end()));
  }
  if (!a.pdf.empty()) write("printed page", a.pdf, PdfBytes(screen, s, lines, plot));
  return status;
}

}  // namespace cli
