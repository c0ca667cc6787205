// The print button on a real printer: the scheduler and PDF queue that
// scripts/cups-pdf.sh starts (scripts/test.sh does), found as the default
// printer the way the program finds it, and the PDF the queue writes.
// Without that queue these tests fail: printing is part of the program.
#include <gtest/gtest.h>

#include <QImage>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <thread>

#include "platform/printer_service.h"
#include "platform/text.h"
#include "tests/ui/main_window_fixture.h"

namespace {

namespace fs = std::filesystem;
using core::Msg;
using platform::FromUtf8;
using testing_support::Started;

constexpr double kPointsPerMm = 72 / 25.4;

std::string Output(const std::string& command) {
  std::string out;
  if (FILE* p = popen(command.c_str(), "r")) {
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, p)) > 0) out.append(buffer, n);
    pclose(p);
  }
  return out;
}

// The folder the queue writes into; the test fails without it.
std::string QueueFolder() {
  const char* out = std::getenv("ZENTU_PDF_OUT");
  return out && *out && fs::is_directory(out) ? out : "";
}

// The first complete PDF the queue writes into `folder`, within a minute.
std::string AwaitPdf(const std::string& folder) {
  for (int i = 0; i < 600; ++i) {
    for (const auto& e : fs::directory_iterator(folder)) {
      if (e.path().extension() != ".pdf") continue;
      if (Output("pdfinfo '" + e.path().string() + "' 2>/dev/null").find("Pages:") !=
          std::string::npos)
        return e.path().string();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return "";
}

struct Word {
  std::string text;
  double xMin, yMin, xMax, yMax;  // points from the page's top-left corner
};

std::vector<Word> Words(const std::string& pdf) {
  const std::string html = Output("pdftotext -bbox '" + pdf + "' - 2>/dev/null");
  static const std::regex word(
      R"re(<word xMin="([-0-9.]+)" yMin="([-0-9.]+)" xMax="([-0-9.]+)" yMax="([-0-9.]+)">([^<]*)</word>)re");
  std::vector<Word> words;
  for (auto it = std::sregex_iterator(html.begin(), html.end(), word); it != std::sregex_iterator();
       ++it)
    words.push_back({(*it)[5], std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]),
                     std::stod((*it)[4])});
  return words;
}

const Word* Find(const std::vector<Word>& words, const std::string& text) {
  for (const Word& w : words)
    if (w.text == text) return &w;
  return nullptr;
}

TEST(PrintQueue, PrintPutsOneA4PageOfThePlotWithItsHeaderIntoTheDefaultQueue) {
  const std::string folder = QueueFolder();
  ASSERT_FALSE(folder.empty())
      << "no PDF print queue: start one with scripts/cups-pdf.sh (scripts/test.sh does)";
  for (const auto& e : fs::directory_iterator(folder)) fs::remove(e.path());

  Started s;
  platform::SystemPrinter defaultPrinter;
  s.usePrinter = &defaultPrinter;
  s.Start();
  s.Click("Command1");
  s.Find<QLineEdit>("Text4")->setText(QStringLiteral("QueueHeader"));
  s.Click("Command9");
  EXPECT_EQ(s.report.shown, std::vector{Msg::Greeting});
  EXPECT_EQ(s.Caption("Command9"), FromUtf8("再印刷"));

  const std::string pdf = AwaitPdf(folder);
  ASSERT_FALSE(pdf.empty()) << "the queue wrote no PDF into " << folder;
  const std::string info = Output("pdfinfo '" + pdf + "'");
  EXPECT_TRUE(std::regex_search(info, std::regex("Pages: +1\n"))) << info;
  EXPECT_NE(info.find("(A4)"), std::string::npos) << info;

  // The header 10 mm from the page's left and top edges; the z range above
  // the frame (30 mm down); the x-axis label below it (180 mm down).
  const std::vector<Word> words = Words(pdf);
  const Word* header = Find(words, "QueueHeader");
  ASSERT_NE(header, nullptr);
  EXPECT_NEAR(header->xMin / kPointsPerMm, 10, 1.5);
  EXPECT_NEAR(header->yMin / kPointsPerMm, 10, 3);
  const Word* bottom = Find(words, "Bottom");
  ASSERT_NE(bottom, nullptr);
  EXPECT_LT(bottom->yMax / kPointsPerMm, 30);
  EXPECT_GT(bottom->yMin / kPointsPerMm, 15);
  const Word* xLabel = Find(words, "x-axis");
  ASSERT_NE(xLabel, nullptr);
  EXPECT_GT(xLabel->yMin / kPointsPerMm, 180);
  EXPECT_NEAR((xLabel->xMin + xLabel->xMax) / 2 / kPointsPerMm, 105,
              5);  // under the frame's middle

  // The colour map fills the 150 mm frame; the page right of the meter and
  // below the labels is blank.
  const std::string png = s.Path("page");
  Output("pdftoppm -r 25.4 -png -singlefile '" + pdf + "' '" + png + "'");  // one pixel a mm
  QImage page(QString::fromStdString(png + ".png"));
  ASSERT_EQ(page.width(), 210);
  ASSERT_NEAR(page.height(), 297, 1);
  int red = 0, blue = 0, marked = 0;
  for (int y = 31; y < 180; ++y)
    for (int x = 31; x < 180; ++x) {
      const QColor c = page.pixelColor(x, y);
      red += c.red() > 200 && c.green() < 80 && c.blue() < 80;
      blue += c.blue() > 200 && c.red() < 80 && c.green() < 80;
    }
  for (int y = 200; y < page.height(); ++y)
    for (int x = 0; x < 210; ++x) marked += page.pixelColor(x, y) != QColor(Qt::white);
  EXPECT_GT(red, 20);
  EXPECT_GT(blue, 20);
  EXPECT_EQ(marked, 0);
}

TEST(PrintQueue, AQueueThatRefusesAndOneThatIsNotThereAreReported) {
  ASSERT_FALSE(QueueFolder().empty()) << "no PDF print queue: start one with scripts/cups-pdf.sh";
  const struct {
    const char* queue;
    Msg shown;
  } cases[] = {{"ZentuRefusing", Msg::PrintFailed}, {"ZentuNoSuchQueue", Msg::NoPrinter}};
  for (const auto& c : cases) {
    Started s;
    platform::SystemPrinter printer(QString::fromLatin1(c.queue));
    s.usePrinter = &printer;
    s.Start();
    s.Click("Command1");
    const QImage shown =
        s.window->findChild<app::PictureView*>(QStringLiteral("Picture1"))->grab().toImage();
    s.Click("Command9");
    EXPECT_EQ(s.report.shown, (std::vector{Msg::Greeting, c.shown})) << c.queue;
    EXPECT_EQ(s.Caption("Command9"), FromUtf8("印刷")) << c.queue;
    EXPECT_EQ(s.window->findChild<app::PictureView*>(QStringLiteral("Picture1"))->grab().toImage(),
              shown)
        << c.queue;
  }
}

}  // namespace
