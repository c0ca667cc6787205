// The main window's exports and remaining buttons on the window: the
// metafile on the desktop's clipboard (read back and played by wmf2svg), the
// bitmap without the region frame, the printed page, the lists' changes,
// and the folder list growing and shrinking.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QSvgRenderer>
#include <cstdlib>

#include "platform/text.h"
#include "render/page_layout.h"
#include "tests/ui/main_window_fixture.h"

namespace {

using core::Msg;
using platform::FromUtf8;
using testing_support::Mouse;
using testing_support::ReadFile;
using testing_support::Started;

size_t Count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(MainWindowExports, TheDesktopClipboardGetsAMetafileThatPlaysElsewhereAndTheBitMap) {
  Started s;
  platform::DesktopClipboard desktop;
  s.useClipboard = &desktop;
  s.Start();
  s.Click("Command1");
  s.Click("Command5");
  EXPECT_EQ(s.Caption("Command5"), QStringLiteral("MetaFile"));
  EXPECT_EQ(s.report.shown, std::vector{Msg::Greeting});
  const QMimeData* held = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(held, nullptr);
  for (const char* type : {"image/x-wmf", "image/svg+xml", "image/png"})
    EXPECT_TRUE(held->hasFormat(QString::fromLatin1(type))) << type;

  // The placeable metafile, as a .wmf file holds it, plays in wmf2svg with
  // every point, the 25 meter bands, the frame and both overlay lines.
  const QByteArray wmf = held->data(QStringLiteral("image/x-wmf"));
  ASSERT_GT(wmf.size(), 22);
  EXPECT_EQ(wmf.left(4), QByteArray("\xD7\xCD\xC6\x9A", 4));
  const std::string file = s.folder.Write("clip.wmf", wmf.toStdString());
  const std::string svg = s.Path("clip.svg");
  ASSERT_EQ(std::system(("wmf2svg -o '" + svg + "' '" + file + "' 2>/dev/null").c_str()), 0)
      << "wmf2svg (Debian libwmf-bin) must be installed";
  const std::string played = ReadFile(svg);
  EXPECT_EQ(Count(played, "<polygon"), 400u + 25u);
  EXPECT_GE(Count(played, "<polyline"), 2u);
  for (const char* text : {"x-axis", "y-axis", "Bottom ="})
    EXPECT_NE(played.find(text), std::string::npos) << text;

  // The same plot as SVG (the metafile's page in twips) and as a picture.
  const QByteArray ours = held->data(QStringLiteral("image/svg+xml"));
  QSvgRenderer renderer(ours);
  ASSERT_TRUE(renderer.isValid());
  EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 9354, 8220));
  EXPECT_NE(ours.indexOf("x-axis"), -1);
  QImage png;
  ASSERT_TRUE(png.loadFromData(held->data(QStringLiteral("image/png")), "PNG"));
  EXPECT_EQ(png.size(), QSize(624, 548));  // 9354 x 8220 twips at 15 twips a pixel
  EXPECT_EQ(png.pixelColor(2, 2), QColor(Qt::white));

  // BitMap then replaces it with the picture.
  s.Click("Command8");
  const QMimeData* bitmap = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(bitmap, nullptr);
  EXPECT_FALSE(bitmap->hasFormat(QStringLiteral("image/x-wmf")));
  EXPECT_EQ(qvariant_cast<QImage>(bitmap->imageData()).size(), QSize(794, 1123));
  EXPECT_EQ(s.report.shown, std::vector{Msg::Greeting});
}

// The picture's pixel of a page position in mm.
QPoint PixelOf(double xMm, double yMm) {
  const double px = render::kTwipsPerMm / 15;
  return {static_cast<int>(std::lround(xMm * px)), static_cast<int>(std::lround(yMm * px))};
}

TEST(MainWindowExports, BitMapCopiesThePageWithoutTheFrameAndTheScreenKeepsIt) {
  Started s;
  app::MainWindow& w = s.Start();
  s.Click("Command1");
  auto* picture = w.findChild<app::PictureView*>(QStringLiteral("Picture1"));
  const QImage shown = picture->grab().toImage();
  const render::RegionFrame frame = w.state().frame;
  s.Click("Command8");
  EXPECT_EQ(s.Caption("Command8"), QStringLiteral("BitMap"));
  EXPECT_EQ(s.clipboard.clears, 1);
  ASSERT_EQ(s.clipboard.images.size(), 1u);
  const QImage& copied = s.clipboard.images.front();
  EXPECT_EQ(copied.size(), QSize(794, 1123));  // the A4 page at 96 dpi
  // The frame's corner is inverted on the screen and plain in the copy; the
  // plot inside the frame is the same in both.
  const QPoint corner = PixelOf(frame.frameX1, frame.frameY1);
  EXPECT_NE(copied.pixelColor(corner), shown.pixelColor(corner));
  const QPoint inside =
      PixelOf((frame.frameX1 + frame.frameX2) / 2, (frame.frameY1 + frame.frameY2) / 2);
  EXPECT_EQ(copied.pixelColor(inside), shown.pixelColor(inside));
  EXPECT_EQ(picture->grab().toImage(), shown);  // the frame is back on the screen
  EXPECT_EQ(w.state().frame.frameX2, frame.frameX2);
  EXPECT_EQ(w.state().lastMouseX, 0);
}

TEST(MainWindowExports, PrintGivesOnePageAndReadsReprint) {
  Started s;
  s.Start();
  s.Click("Command1");
  s.Find<QLineEdit>("Text4")->setText(QStringLiteral("survey"));
  s.Click("Command9");
  EXPECT_EQ(s.Caption("Command9"), FromUtf8("再印刷"));
  EXPECT_EQ(s.printer.jobs, 1);
  EXPECT_EQ(ReadFile(s.Path("printed.pdf")).substr(0, 5), "%PDF-");
  EXPECT_EQ(s.report.shown, std::vector{Msg::Greeting});
  // A printer that is gone: a message, and the caption of the last print.
  s.printer.answer = platform::PrintStatus::NoPrinter;
  s.Click("Command9");
  EXPECT_EQ(s.report.shown, (std::vector{Msg::Greeting, Msg::NoPrinter}));
  EXPECT_EQ(s.Caption("Command9"), FromUtf8("再印刷"));
  // The next Draw offers "印刷" again.
  s.Click("Command6");
  s.Click("Command1");
  EXPECT_EQ(s.Caption("Command9"), FromUtf8("印刷"));
}

TEST(MainWindowExports, OnlyAChangedListSelectionResetsTheWindow) {
  Started s;
  s.Start();
  s.Click("Command1");
  QComboBox* formats = s.Find<QComboBox>("Combo1");
  formats->activated(0);  // "n/xyz→ijz" again
  EXPECT_EQ(s.Caption("Command1"), FromUtf8("変換"));
  EXPECT_FALSE(s.Text("Text21").isEmpty());
  formats->setCurrentIndex(2);
  formats->activated(2);
  EXPECT_EQ(s.Caption("Command1"), FromUtf8("描画"));
  EXPECT_TRUE(s.Text("Text21").isEmpty());
  EXPECT_TRUE(s.Find<QPushButton>("Command5")->isHidden());
}

TEST(MainWindowExports, TheFolderListGrowsOnALeftPressAndShrinksOnARightPress) {
  Started s;
  s.Start().show();  // laid out, as on the screen
  auto* folders = s.Find<platform::FolderList>("Dir1");
  QWidget* column = folders->parentWidget();
  const int designHeight = folders->height();
  EXPECT_TRUE(folders->isVisible());
  EXPECT_EQ(designHeight, 132);  // 1980 twips at 15 twips a pixel
  EXPECT_GT(folders->y(), s.Find<platform::DriveList>("Drive1")->y());  // at its place under Drive1
  Mouse(folders->viewport(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {5, 5});
  EXPECT_EQ(folders->height(), 356);              // 5340 twips
  EXPECT_EQ(column->children().last(), folders);  // in front of the controls below
  EXPECT_LE(folders->geometry().bottom(), column->height());
  Mouse(folders->viewport(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {5, 5});
  Mouse(folders->viewport(), QEvent::MouseButtonPress, Qt::MiddleButton, Qt::MiddleButton, {5, 5});
  EXPECT_EQ(folders->height(), 356);  // another button: nothing
  Mouse(folders->viewport(), QEvent::MouseButtonRelease, Qt::MiddleButton, Qt::NoButton, {5, 5});
  Mouse(folders->viewport(), QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, {5, 5});
  EXPECT_EQ(folders->height(), designHeight);
  EXPECT_NE(column->children().last(), folders);
}

}  // namespace
