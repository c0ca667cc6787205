#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <exception>
#include <thread>

#include "app/options.h"
#include "app/region_mouse.h"
#include "app/settings_file.h"
#include "core/numbers.h"
#include "platform/folder_links.h"
#include "platform/text.h"

namespace app {

using platform::FromPath;
using platform::FromUtf8;
using platform::ToPath;

namespace {

// The screen's resolution in twips per pixel (15 at 96 dots per inch).
render::ScreenMetrics ScreenMetricsNow() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  return {1440.0 / screen->logicalDotsPerInchX(), 1440.0 / screen->logicalDotsPerInchY()};
}

}  // namespace

int Pixels(int twips, double twipsPerPixel) {
  return static_cast<int>(core::RoundHalfEven(twips / twipsPerPixel));
}

MainWindow::MainWindow(const std::string& programFolder, core::Reporter& report,
                       core::SettingsStore& settings, platform::ProgramWide& shared,
                       platform::WindowLinks& links, platform::ClipboardService& clipboard,
                       platform::PrinterService& printer)
    : folder_(programFolder),
      report_(report),
      settings_(settings),
      shared_(shared),
      links_(links),
      clipboard_(clipboard),
      printer_(printer),
      page_(ScreenMetricsNow()) {
  setObjectName(QStringLiteral("Form1"));
  BuildControls();
  Connect();
  // Start-up: the help file and the path display belong to the program;
  // the window takes its place, caption and design captions here.
  shared_.pathShowsEnd = false;
  move(Pixels(1000, Screen().twipsPerPixelX), Pixels(500, Screen().twipsPerPixelY));
  setWindowTitle(QStringLiteral("Zentu 2.00"));
  Command6->setText(QStringLiteral("◆"));
  FormLoad(c_, m_, *this, settings_, folder_);
  WriteControls();
}

MainWindow::~MainWindow() {
  if (cursorDepth_ > 0) QApplication::restoreOverrideCursor();
}

void MainWindow::Connect() {
  connect(Command1, &QPushButton::clicked, this,
          [this] { Handle([this] { Command1_Click(c_, m_, *this); }); });
  connect(Command7, &QPushButton::clicked, this,
          [this] { Handle([this] { Command7_Click(c_, m_, *this, settings_); }); });
  connect(Command6, &QPushButton::clicked, this, [this] {
    Handle([this] {
      Dir1->Refresh();
      File1->Refresh();
      Command6_Click(c_, *this);
    });
  });
  // A list's handler runs when its selection changes; choosing the item
  // already chosen changes nothing.
  auto onChange = [this](QComboBox* list, const int& chosen, auto handler) {
    connect(list, &QComboBox::activated, this, [this, &chosen, handler](int index) {
      if (index != chosen) Handle(handler);
    });
  };
  onChange(Combo1, c_.combo1, [this] { Combo1_Click(c_, m_, *this); });
  onChange(Combo2, c_.combo2, [this] { Combo2_Click(c_); });
  onChange(Combo6, c_.combo6, [this] { Combo6_Click(c_); });
  onChange(Combo8, c_.combo8, [this] { Combo8_Click(c_); });
  connect(Text1, &QLineEdit::textEdited, this, [this] { Handle([] {}); });

  connect(Picture1, &PictureView::Pressed, this,
          [this](double x, double y) { Handle([&] { Picture1_MouseDown(c_, m_, *this, x, y); }); });
  connect(Picture1, &PictureView::Moved, this, [this](int buttons, double x, double y) {
    if (!busy_) Picture1_MouseMove(c_, m_, *this, buttons, x, y);
  });
  connect(Picture1, &PictureView::Released, this,
          [this](double x, double y) { Handle([&] { Picture1_MouseUp(c_, m_, *this, x, y); }); });

  // The browser: a drive shows its folder, a folder its files.
  // The file list first, so that it follows the folder the link starts at.
  connect(Dir1, &platform::FolderList::PathChanged, File1, &platform::FileList::SetFolder);
  platform::LinkFolderLists(*Drive1, *Dir1);
  connect(File1, &platform::FileList::FileClicked, this,
          [this](const QString& name) { File1_Click(name); });
  connect(Dir1, &platform::FolderList::Pressed, this,
          [this](Qt::MouseButton, Qt::MouseButtons held) {
            const auto size = Dir1_MouseDown(MouseButtonBits(held));
            if (!size || busy_) return;
            dir1Twips_ = size->heightTwips;
            PlaceDir1();
            size->inFront ? Dir1->raise() : Dir1->lower();
          });
  ConnectExports();

  // The buttons that reach the other windows and the desktop.
  connect(Command2, &QPushButton::clicked, this, [this] { links_.Quit(); });
  connect(Command3, &QPushButton::clicked, this, [this] { links_.ShowHelp(); });
  connect(Command4, &QPushButton::clicked, this, [this] { links_.OpenWebPage(); });
  connect(Command10, &QPushButton::clicked, this, [this] {
    if (!busy_) links_.ShowCalculation();
  });
  connect(Command14, &QPushButton::clicked, this, [this] {
    if (!busy_) links_.ShowLineChooser();
  });
  const std::pair<QPushButton*, int> checkers[] = {{Command11, platform::kMainInput},
                                                   {Command12, platform::kMainOutput},
                                                   {Command13, platform::kMainLines}};
  for (auto [button, caller] : checkers)
    connect(button, &QPushButton::clicked, this, [this, caller = caller] {
      if (busy_) return;
      shared_.checkerCaller = caller;
      links_.OpenChecker(caller, PathBox(caller));
    });
  connect(Command15, &QPushButton::clicked, this, [this] { Command15_Click(); });
}

// The input file picked in the browser, and the output file named after it.
void MainWindow::File1_Click(const QString& name) {
  Handle([&] {
    m_.data.dataFile = core::JoinPath(ToPath(File1->folder()), ToPath(name));
    m_.data.gridFile = core::GridFileName(m_.data.dataFile);
    SetText11(c_, m_, *this, m_.data.dataFile);
    c_.text12 = m_.data.gridFile;
  });
}

// "<=>": the path boxes show the end of their paths, or their start again.
void MainWindow::Command15_Click() {
  const bool toEnd = !shared_.pathShowsEnd;
  for (QLineEdit* box : {Text11, Text12, Text13})
    box->setCursorPosition(toEnd ? static_cast<int>(box->text().size()) : 1);
  shared_.pathShowsEnd = toEnd;
}

QLineEdit* MainWindow::PathBox(int caller) {
  switch (caller) {
    case platform::kMainInput:
      return Text11;
    case platform::kMainOutput:
      return Text12;
    case platform::kMainLines:
      return Text13;
    default:
      return nullptr;
  }
}

void MainWindow::SetLineFile(const std::string& path) {
  Handle([&] {
    m_.lines.lineFile = path;
    c_.text13 = path;
  });
}

void MainWindow::RefreshFileLists() {
  Dir1->Refresh();
  File1->Refresh();
}

// ---- Host

void MainWindow::Show(const Controls& c) {
  if (&c != &c_) c_ = c;
  WriteControls();
  repaint();
}

void MainWindow::ClearPicture() {
  page_.Clear();
  Picture1->update();
}

void MainWindow::Paint(const render::PageLayout& page,
                       const std::function<void(render::Target&)>& paint) {
  {
    platform::ScreenCanvas canvas(page_, page);
    paint(canvas.target());
  }
  if (QThread::currentThread() == thread()) Picture1->update();
}

void MainWindow::FitWindow(const render::PageLayout& page) {
  // The plot frame with the height meter beside it, as wide as the design
  // fits the window; below it as much of the page as the screen leaves room
  // for (at least the frame and 10 mm), so a frame can be dragged anywhere
  // on the plot and below it.
  const render::PageExtent fit = render::WindowFit(page);
  const int width = static_cast<int>(core::RoundHalfEven(fit.width * page.pxPerMmX));
  int height = static_cast<int>(core::RoundHalfEven(fit.height * page.pxPerMmY));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const int room = screen->availableGeometry().height() - 220;  // the rows above the plot
    height = std::max(height, std::min(Picture1->height(), room));
  }
  const QSize size(width, height);
  if (pictureArea_->size() != size) pictureArea_->setFixedSize(size);
  // The file boxes take the widths of the plot size.
  if (const auto s = render::PlotSizeFromCaption(c_.command7)) {
    const render::SizeInfo info = render::InfoOf(*s);
    const render::ScreenMetrics m = Screen();
    Text12->setFixedWidth(Pixels(info.text12Width, m.twipsPerPixelX));
    Text13->setFixedWidth(Pixels(info.text12Width, m.twipsPerPixelX));
    Text4->setFixedWidth(Pixels(info.text4Width, m.twipsPerPixelX));
    Text11->setFixedWidth(Pixels(info.text12Width, m.twipsPerPixelX));
  }
}

void MainWindow::SetBusy(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++cursorDepth_;
  } else if (cursorDepth_ > 0) {
    QApplication::restoreOverrideCursor();
    --cursorDepth_;
  }
}

void MainWindow::SetCurrentFolder(const std::string& folder) { QDir::setCurrent(FromPath(folder)); }

void MainWindow::RunLong(const std::function<void()>& work, gridding::MshWatch* watch) {
  const bool wasBusy = busy_;
  busy_ = true;
  watch_ = watch;
  qApp->installEventFilter(this);
  Picture1->Freeze();
  progress_->setRange(0, 0);  // busy, until a count of rows is known
  progress_->setValue(0);
  progress_->show();

  std::exception_ptr error;
  QEventLoop loop;
  QTimer tick;
  connect(&tick, &QTimer::timeout, this, [&] {
    if (!watch || watch->rowsTotal.load() == 0) return;
    progress_->setRange(0, static_cast<int>(watch->rowsTotal.load()));
    progress_->setValue(static_cast<int>(watch->rowsDone.load()));
  });
  tick.start(100);
  try {
    std::thread worker([&] {
      try {
        work();
      } catch (...) {
        error = std::current_exception();
      }
      QMetaObject::invokeMethod(
          &loop, [&loop] { loop.quit(); }, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
  } catch (const std::system_error&) {
    // No thread to be had: the work runs here, with the window waiting.
    try {
      work();
    } catch (...) {
      error = std::current_exception();
    }
  }
  tick.stop();
  progress_->hide();
  Picture1->Thaw();
  qApp->removeEventFilter(this);
  watch_ = nullptr;
  busy_ = wasBusy;
  if (error) std::rethrow_exception(error);
}

// While long work runs: input to this window is swallowed (one command at a
// time), but for Esc, which stops a conversion; message boxes stay usable.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == dir1Place_) {
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) PlaceDir1();
    return false;
  }
  switch (event->type()) {
    case QEvent::KeyPress:
      if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && watch_) watch_->stop = true;
      [[fallthrough]];
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride: {
      const auto* w = qobject_cast<QWidget*>(watched);
      return w && w->window() == this;
    }
    default:
      return false;
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (busy_) {
    event->ignore();  // the command ends first
    return;
  }
  event->accept();
  links_.Quit();
}

}  // namespace app
