// The checker window on a 1,000,000-line data file: opening it (answering
// Cancel to the 10000-line question, so that every line is shown), then
// "改行変換" and "保存" (straight after opening, and after a one-character
// edit). Each against a baseline measured in the same run:
// reading the file's bytes for the opening, writing them for the save.
// Once with CR LF line ends, once with lone LFs (one line to the loader,
// a million after normalising). Best of three; runs offscreen.
//
//   zentu-bench-checker
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/best_of.h"
#include "bench/point_sets.h"
#include "checker/checker_text.h"
#include "checker/checker_window.h"
#include "core/text_file.h"
#include "platform/text.h"

namespace {

using bench::BestOf;

class NoPrinter : public checker::PrinterChoice {
 public:
  QPrinter* Choose(QWidget*) override { return nullptr; }
};

class Links : public platform::WindowLinks {
 public:
  QLineEdit* PathBox(int) override { return &box; }
  QLineEdit box;
};

std::string Replaced(std::string s, const std::string& from, const std::string& to) {
  std::string out;
  out.reserve(s.size());
  size_t at = 0;
  for (size_t hit; (hit = s.find(from, at)) != std::string::npos; at = hit + from.size())
    out.append(s, at, hit - at).append(to);
  out.append(s, at);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  const std::string path =
      std::filesystem::temp_directory_path().string() + "/zentu_bench_checker.dat";
  const std::string crlf =
      bench::PointsText(bench::MakePoints(bench::Spread::Uniform, 1000000, 20261208), false);
  std::printf(
      "| case | lines | bytes | seconds | baseline | baseline s | ratio |\n"
      "|---|---:|---:|---:|---|---:|---:|\n");
  for (const bool loneLf : {false, true}) {
    const std::string text = loneLf ? Replaced(crlf, "\r\n", "\n") : crlf;
    const char* ends = loneLf ? "LF" : "CR LF";
    const size_t lines = static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));

    platform::ProgramWide program;
    Links links;
    core::RecordingReporter report;
    NoPrinter printers;
    auto* window = new checker::CheckerWindow(program, links, report, printers);
    auto* edit = window->findChild<QPlainTextEdit*>(QStringLiteral("RichTextBox1"));

    if (!core::WriteFileReplacing(path, text)) return 1;
    const double read = BestOf(3, [&] {
      const auto bytes = core::ReadFileBytes(path);
      if (!bytes || bytes->size() != text.size()) std::exit(1);
    });
    const double open = BestOf(3, [&] {
      report.answers = {core::Answer::Cancel};
      links.box.setText(platform::FromPath(path));
      window->LoadTextFile(&links.box, window->TextAreaWidthTwips() + 50);
      QApplication::processEvents();  // painted
    });
    // Every line is in the text control.
    if (checker::EditorFileText(*edit) + "\r\n" != text && !loneLf) return 1;
    if (loneLf && checker::EditorFileText(*edit) != text) return 1;
    std::printf(
        "| open, %s | %zu | %zu | %.3f | read the bytes | %.3f | %.1f |\n",
        loneLf ? "LF (one line to the loader: no question)" : "CR LF, Cancel to the question",
        lines, text.size(), open, read, open / read);

    const double write = BestOf(3, [&] {
      if (!core::WriteFileReplacing(path, text)) std::exit(1);
    });
    // Straight after opening, and after a one-character edit (the text is
    // then read back out of the editor).
    for (const bool edited : {false, true}) {
      double normalise = 1e300;
      for (int k = 0; k < 3; ++k) {
        if (!core::WriteFileReplacing(path, text)) return 1;
        report.answers = {core::Answer::Cancel};
        links.box.setText(platform::FromPath(path));
        window->LoadTextFile(&links.box, window->TextAreaWidthTwips() + 50);
        if (edited) {
          QTextCursor start(edit->document());
          start.insertText(QStringLiteral("#"));
        }
        const auto t0 = bench::Clock::now();
        window->findChild<QPushButton*>(QStringLiteral("Command4"))->click();
        window->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        QApplication::processEvents();
        normalise = std::min(normalise, bench::SecondsSince(t0));
      }
      const std::string expected = (edited ? "#" : "") + crlf + (loneLf ? "\r\n" : "");
      if (core::ReadFileBytes(path).value_or("") != expected) return 1;
      std::printf(
          "| %s改行変換 and 保存, %s | %zu | %zu | %.3f | write the bytes | %.3f | %.1f |\n",
          edited ? "one edit, " : "", ends, lines, text.size(), normalise, write,
          normalise / write);
    }
    delete window;
  }
  std::filesystem::remove(path);
  return 0;
}
