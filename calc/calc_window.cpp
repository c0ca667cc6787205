#include "calc/calc_window.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <utility>

#include "calc/data_read.h"
#include "calc/settings_file.h"
#include "core/numbers.h"
#include "platform/busy.h"
#include "platform/design_names.h"
#include "platform/file_lists.h"
#include "platform/folder_links.h"
#include "platform/text.h"

namespace calc {

namespace {

using platform::FromPath;
using platform::FromUtf8;
using platform::Named;
using platform::ToPath;
using platform::ToUtf8;

const char* const kRunCaption = "演算";
const char* const kRunBusyCaption = "演算中";
const char* const kRefreshCaption = "◆";

QLabel* Label(QWidget* parent, const char* text) { return new QLabel(FromUtf8(text), parent); }

QLineEdit* Box(QWidget* parent, const char* name, bool readOnly, int width = 0) {
  auto* box = Named<QLineEdit>(parent, name);
  box->setReadOnly(readOnly);
  if (width > 0) box->setFixedWidth(width);
  return box;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
  return Named<QPushButton>(parent, name, FromUtf8(caption));
}

// Keeps DataRead's messages until the window has shown the sizes read: a
// pick shows nx and ny first, then what is wrong with them.
class HeldMessages : public core::Reporter {
 public:
  explicit HeldMessages(core::Reporter& to) : to_(to) {}
  core::Answer Show(core::Msg m, const std::vector<std::string>& args) override {
    held_.emplace_back(m, args);
    return core::DefaultAnswer(m);
  }
  std::optional<std::string> Input(core::Msg m, const std::string& proposal) override {
    return to_.Input(m, proposal);
  }
  void Release() {
    for (const auto& [m, args] : held_) to_.Show(m, args);
    held_.clear();
  }

 private:
  core::Reporter& to_;
  std::vector<std::pair<core::Msg, std::vector<std::string>>> held_;
};

}  // namespace

CalcWindow::CalcWindow(std::string programFolder, core::DataState& main, core::Reporter& report,
                       platform::ProgramWide& wide, platform::WindowLinks& links, QWidget* parent)
    : QWidget(parent, Qt::Window),
      programFolder_(std::move(programFolder)),
      main_(main),
      report_(report),
      wide_(wide),
      links_(links) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(FromUtf8("Ｃａｌｃｕｌａｔｉｏｎ"));
  BuildControls();
  platform::ExposeDesignNames(*this);
  Connect();
  Load();
}

CalcWindow::~CalcWindow() = default;

void CalcWindow::BuildControls() {
  Combo1 = Named<QComboBox>(this, "Combo1");
  for (const char* text : kOperationTexts) Combo1->addItem(FromUtf8(text));

  Option1 = Named<QRadioButton>(this, "Option1");
  Option2 = Named<QRadioButton>(this, "Option2");
  // Exclusive as option buttons are: a click sets one and clears the other.
  options_ = new QButtonGroup(this);
  options_->addButton(Option1);
  options_->addButton(Option2);

  Text11 = Box(this, "Text11", true);
  Text12 = Box(this, "Text12", true);
  Text13 = Box(this, "Text13", true);
  Command11 = Button(this, "Command11", "*");
  Command12 = Button(this, "Command12", "*");
  Command13 = Button(this, "Command13", "*");
  Command15 = Button(this, "Command15", "<=>");
  Text11->installEventFilter(this);
  Text12->installEventFilter(this);

  auto* paths = new QGridLayout;
  paths->addWidget(Option1, 0, 0);
  paths->addWidget(Label(this, "Ａ(ｉ，ｊ)⇒"), 0, 1);
  paths->addWidget(Text11, 0, 2);
  paths->addWidget(Command11, 0, 3);
  paths->addWidget(Option2, 1, 0);
  paths->addWidget(Label(this, "Ｂ(i，j)⇒"), 1, 1);
  paths->addWidget(Text12, 1, 2);
  paths->addWidget(Command12, 1, 3);
  paths->addWidget(Label(this, "Ｃ(i，j)⇒"), 2, 1);
  paths->addWidget(Text13, 2, 2);
  paths->addWidget(Command13, 2, 3);
  paths->addWidget(Command15, 3, 3);
  paths->setColumnStretch(2, 1);
  for (QPushButton* star : {Command11, Command12, Command13, Command15}) star->setFixedWidth(44);

  Text2 = Box(this, "Text2", false, 70);
  Text3 = Box(this, "Text3", false, 70);
  Text4 = Box(this, "Text4", false, 70);
  Text5 = Box(this, "Text5", false, 70);
  Text21 = Box(this, "Text21", false, 110);
  Text22 = Box(this, "Text22", false, 110);
  auto* numbers = new QGridLayout;
  numbers->addWidget(Label(this, "Ａ"), 0, 1, Qt::AlignCenter);
  numbers->addWidget(Label(this, "Ｂ"), 0, 2, Qt::AlignCenter);
  numbers->addWidget(Label(this, "ｎｘ"), 1, 0);
  numbers->addWidget(Text2, 1, 1);
  numbers->addWidget(Text4, 1, 2);
  numbers->addWidget(Label(this, "ｎｙ"), 2, 0);
  numbers->addWidget(Text3, 2, 1);
  numbers->addWidget(Text5, 2, 2);
  numbers->addWidget(Label(this, "ａ＝"), 1, 4);
  numbers->addWidget(Text21, 1, 5);
  numbers->addWidget(Label(this, "ｂ＝"), 2, 4);
  numbers->addWidget(Text22, 2, 5);
  numbers->setColumnMinimumWidth(3, 24);
  numbers->setColumnStretch(6, 1);

  Command1 = Button(this, "Command1", kRunCaption);
  Command4 = Button(this, "Command4", "ヘルプ");
  Command3 = Button(this, "Command3", "戻る");
  Command2 = Button(this, "Command2", "終了");
  auto* commands = new QHBoxLayout;
  commands->addWidget(Command1);
  commands->addStretch(1);
  for (QPushButton* b : {Command4, Command3, Command2}) commands->addWidget(b);

  auto* left = new QVBoxLayout;
  left->addLayout(paths);
  left->addWidget(Combo1);
  left->addLayout(numbers);
  left->addStretch(1);
  left->addLayout(commands);

  Drive1 = Named<platform::DriveList>(this, "Drive1");
  Dir1 = Named<platform::FolderList>(this, "Dir1");
  File1 = Named<platform::FileList>(this, "File1");
  Text1 = Box(this, "Text1", false);
  Command6 = Button(this, "Command6", kRefreshCaption);
  Command6->setFixedWidth(44);
  auto* pattern = new QHBoxLayout;
  pattern->addWidget(Text1);
  pattern->addWidget(Command6);
  auto* browser = new QVBoxLayout;
  browser->addWidget(Drive1);
  browser->addWidget(Dir1, 1);
  browser->addWidget(File1, 1);
  browser->addLayout(pattern);
  auto* browserBox = new QWidget(this);
  browserBox->setLayout(browser);
  browserBox->setFixedWidth(220);

  auto* top = new QHBoxLayout(this);
  top->addLayout(left, 1);
  top->addWidget(browserBox);
  resize(760, 420);
}

void CalcWindow::Connect() {
  connect(Command1, &QPushButton::clicked, this, &CalcWindow::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, [this] { links_.Quit(); });
  connect(Command3, &QPushButton::clicked, this, [this] {
    hide();
    links_.ShowMain();
  });
  connect(Command4, &QPushButton::clicked, this, [this] { links_.ShowHelp(); });
  connect(Command6, &QPushButton::clicked, this, [this] {
    Dir1->Refresh();
    File1->Refresh();
  });
  connect(Command11, &QPushButton::clicked, this,
          [this] { links_.OpenChecker(platform::kCalcA, Text11); });
  connect(Command12, &QPushButton::clicked, this,
          [this] { links_.OpenChecker(platform::kCalcB, Text12); });
  connect(Command13, &QPushButton::clicked, this,
          [this] { links_.OpenChecker(platform::kCalcC, Text13); });
  connect(Command15, &QPushButton::clicked, this, &CalcWindow::Command15_Click);
  connect(Text1, &QLineEdit::textChanged, this, &CalcWindow::Text1_Change);
  // The file list first, so that it follows the folder the link starts at.
  connect(Dir1, &platform::FolderList::PathChanged, File1, &platform::FileList::SetFolder);
  platform::LinkFolderLists(*Drive1, *Dir1);
  connect(File1, &platform::FileList::FileClicked, this, &CalcWindow::File1_Click);
}

void CalcWindow::Load() {
  wide_.pathShowsEnd = false;
  Command6->setText(FromUtf8(kRefreshCaption));
  options_->setExclusive(false);  // so that both can be cleared
  Option1->setChecked(false);
  Option2->setChecked(false);
  options_->setExclusive(true);
  Text21->setText(QStringLiteral("1"));
  Text22->setText(QStringLiteral("-1"));
  for (QLineEdit* box : {Text11, Text12, Text13, Text2, Text3, Text4, Text5}) box->clear();
  pickTarget_ = 0;
  Combo1->setCurrentIndex(0);
  Text1->setText(FromUtf8(kDefaultPattern));

  // Each step on its own: a drive, folder or pattern that cannot be taken
  // leaves the browser where it was.
  const QString home = FromPath(programFolder_);
  Drive1->SetDrive(home);
  Dir1->SetPath(home);
  if (const std::optional<CalcSettings> s = ReadCalcSettings(programFolder_)) {
    if (s->drive) Drive1->SetDrive(FromPath(*s->drive));
    if (s->folder) Dir1->SetPath(FromPath(*s->folder));
    if (s->pattern) Text1->setText(FromUtf8(*s->pattern));
    if (s->operation) Combo1->setCurrentIndex(*s->operation);
  }
  loaded_ = true;
}

void CalcWindow::Open() {
  if (!loaded_) Load();
  show();
  raise();
  activateWindow();
}

bool CalcWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == Text11) StartPick(11);
    if (watched == Text12) StartPick(12);
  }
  return QWidget::eventFilter(watched, event);
}

void CalcWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  loaded_ = false;
  links_.ShowMain();
}

void CalcWindow::StartPick(int target) {
  const bool a = target == 11;
  (a ? Text11 : Text12)->clear();
  Text13->clear();
  pickTarget_ = target;
  (a ? Option1 : Option2)->setChecked(true);  // the group clears the other
}

void CalcWindow::File1_Click(const QString& name) {
  if (pickTarget_ != 11 && pickTarget_ != 12) return;
  const bool a = pickTarget_ == 11;
  pickTarget_ = 0;
  const std::string folder = ToPath(File1->folder());
  const std::string path = core::JoinPath(folder, ToPath(name));
  (a ? grids_.dirA : grids_.dirB) = folder;
  ShowPath(a ? Text11 : Text12, path);
  HeldMessages held(report_);
  const ReadOutcome r = DataRead(a ? Target::A : Target::B, path, grids_, main_, held);
  (a ? Text2 : Text4)->setText(FromUtf8(r.nxText));
  (a ? Text3 : Text5)->setText(FromUtf8(r.nyText));
  held.Release();
}

void CalcWindow::Text1_Change() {
  if (!File1->SetPattern(Text1->text())) {
    Text1->setText(FromUtf8(kDefaultPattern));  // calls this handler again with "*.dat"
  }
}

void CalcWindow::Command15_Click() {
  const bool toStart = wide_.pathShowsEnd;
  for (QLineEdit* box : {Text11, Text12, Text13})
    box->setCursorPosition(toStart ? 1 : static_cast<int>(box->text().size()));
  wide_.pathShowsEnd = !toStart;
}

void CalcWindow::ShowPath(QLineEdit* box, const std::string& path) {
  box->setText(FromPath(path));
  box->setCursorPosition(wide_.pathShowsEnd ? static_cast<int>(box->text().size()) : 0);
}

RunInputs CalcWindow::Inputs() const {
  RunInputs in;
  in.operation = Combo1->currentIndex();
  in.text11 = ToPath(Text11->text());
  in.text12 = ToPath(Text12->text());
  in.text2 = ToUtf8(Text2->text());
  in.text3 = ToUtf8(Text3->text());
  in.text4 = ToUtf8(Text4->text());
  in.text5 = ToUtf8(Text5->text());
  in.text21 = ToUtf8(Text21->text());
  in.text22 = ToUtf8(Text22->text());
  in.option1 = Option1->isChecked();
  return in;
}

void CalcWindow::SaveSettings() {
  // A settings file that cannot be written is not reported; the run goes on.
  WriteCalcSettings(programFolder_, ToPath(Drive1->drive()), ToPath(Dir1->path()),
                    ToUtf8(Text1->text()), Combo1->currentIndex());
}

void CalcWindow::Command1_Click() {
  const RunInputs in = Inputs();
  if (const std::optional<core::Msg> refused = CheckRun(in)) {
    report_.Show(*refused);
    return;
  }
  if (Command1->text() != FromUtf8(kRunCaption)) return;  // a run is under way
  platform::BusyCaption busy(Command1, FromUtf8(kRunBusyCaption), FromUtf8(kRunCaption));
  SaveSettings();
  const std::string path = OutputPath(in, grids_);
  if (Calc(in, grids_, path, 15, main_, report_)) ShowPath(Text13, path);
}

}  // namespace calc
