// The main window's controls: created with their design names, captions and
// lists, and laid out in the design's order (button row, file row, lines
// row, then the browser and option column beside the header and the plot).
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/main_window.h"
#include "platform/design_names.h"
#include "platform/text.h"

namespace app {

using platform::FromUtf8;
using platform::Named;

namespace {

QStringList Items(std::initializer_list<const char*> texts) {
  QStringList items;
  for (const char* t : texts) items << FromUtf8(t);
  return items;
}

QStringList Numbers(int first, int last) {
  QStringList items;
  for (int i = first; i <= last; ++i) items << QString::number(i);
  return items;
}

template <class W>
W* KeepPlace(W* w) {
  QSizePolicy p = w->sizePolicy();
  p.setRetainSizeWhenHidden(true);
  w->setSizePolicy(p);
  return w;
}

}  // namespace

void MainWindow::BuildControls() {
  auto label = [this](const char* name, const char* text) {
    return KeepPlace(Named<QLabel>(this, name, FromUtf8(text)));
  };
  auto button = [this](const char* name, const char* text) {
    auto* b = KeepPlace(Named<QPushButton>(this, name, FromUtf8(text)));
    b->setAutoDefault(false);
    return b;
  };
  auto box = [this](const char* name, int width) {
    auto* t = KeepPlace(Named<QLineEdit>(this, name));
    if (width > 0) t->setFixedWidth(width);
    return t;
  };
  auto list = [this](const char* name, const QStringList& items, bool editable) {
    auto* c = KeepPlace(Named<QComboBox>(this, name));
    c->addItems(items);
    c->setEditable(editable);
    c->setMaxVisibleItems(20);
    return c;
  };

  // Button row.
  Label11 = label("Label11", "変換形式");
  Combo1 = list("Combo1", Items({kFormats[0], kFormats[1], kFormats[2]}), false);
  Command6 = button("Command6", "◆");
  Command1 = button("Command1", kDraw);
  Command2 = button("Command2", "終了");
  Command3 = button("Command3", "ヘルプ");
  Command7 = button("Command7", "サイズ Ａ");
  Command9 = button("Command9", kPrint);
  Command5 = button("Command5", kMetaFile);
  Command8 = button("Command8", kBitMap);
  Command4 = button("Command4", "HP");
  Command10 = button("Command10", "≫");
  Command15 = button("Command15", "<=>");
  progress_ = KeepPlace(Named<QProgressBar>(this, "Progress"));
  progress_->setFixedWidth(120);
  progress_->setTextVisible(false);
  progress_->hide();
  auto* row1 = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{
           Label11, Combo1, Command6, Command1, Command2, Command3, Command7, Command9, Command5,
           Command8, Command4, Command10, Command15, progress_})
    row1->addWidget(w);
  row1->addStretch();

  // Input and output file row.
  Command11 = button("Command11", "*");
  Text11 = box("Text11", 0);
  Label2 = label("Label2", "⇒");
  Command12 = button("Command12", "*");
  Text12 = box("Text12", 0);
  for (QLineEdit* t : {Text11, Text12}) t->setReadOnly(true);
  for (QPushButton* b : {Command11, Command12}) b->setFixedWidth(28);
  auto* row2 = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{Command11, Text11, Label2, Command12, Text12})
    row2->addWidget(w);
  row2->addStretch();

  // Pattern, point size and overlay lines row.
  Text1 = box("Text1", 90);
  Label5 = label("Label5", "Point Size");
  Combo7 = list("Combo7", Numbers(1, kPointSizes), true);
  Label7 = label("Label7", "Lines");
  Combo8 = list("Combo8", Items({kOffOn[0], kOffOn[1]}), false);
  Combo9 = list("Combo9", Numbers(0, kAngles - 1), true);
  Command14 = button("Command14", "検索");
  Command13 = button("Command13", "*");
  Text13 = box("Text13", 0);
  Text13->setReadOnly(true);
  Command13->setFixedWidth(28);
  auto* row3 = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{Text1, Label5, Combo7, Label7, Combo8, Combo9,
                                                    Command14, Command13, Text13})
    row3->addWidget(w);
  row3->addStretch();

  // The left column: the browser, the Convert Region, the Axis Region and
  // the Height Meter.
  File1 = KeepPlace(Named<platform::FileList>(this, "File1"));
  Drive1 = KeepPlace(Named<platform::DriveList>(this, "Drive1"));
  Dir1 = KeepPlace(Named<platform::FolderList>(this, "Dir1"));
  File1->setFixedHeight(170);
  // Dir1 lies over its place in the column, so that it can grow over the
  // controls below it (app/options.h, Dir1_MouseDown).
  dir1Place_ = new QWidget(this);
  dir1Place_->setFixedHeight(Pixels(1980, Screen().twipsPerPixelY));
  dir1Place_->installEventFilter(this);
  Label3 = label("Label3", "Convert Region");
  Label4 = label("Label4", "n,x1,x2");
  Label6 = label("Label6", "n,y1,y2");
  Text25 = box("Text25", 0);
  Text21 = box("Text21", 0);
  Text23 = box("Text23", 0);
  Text26 = box("Text26", 0);
  Text22 = box("Text22", 0);
  Text24 = box("Text24", 0);
  Label16 = label("Label16", "Axis Region");
  Combo6 = list("Combo6", Items({kAxisModes[0], kAxisModes[1], kAxisModes[2]}), false);
  Label18 = label("Label18", "X-Min/Max");
  Text7 = box("Text7", 0);
  Text8 = box("Text8", 0);
  Label17 = label("Label17", "Y-Min/Max");
  Text5 = box("Text5", 0);
  Text6 = box("Text6", 0);
  Label1 = label("Label1", "Height Meter");
  Combo2 = list("Combo2", Items({kAutoManual[0], kAutoManual[1]}), false);
  Label14 = label("Label14", "Z-Min/Max");
  Text3 = box("Text3", 0);
  Text2 = box("Text2", 0);
  auto* options = new QGridLayout;
  int r = 0;
  options->addWidget(Label3, r++, 0, 1, 3);
  options->addWidget(Label4, r, 0);
  options->addWidget(Label6, r++, 1);
  for (auto [x, y] : {std::pair{Text25, Text26}, {Text21, Text22}, {Text23, Text24}}) {
    options->addWidget(x, r, 0);
    options->addWidget(y, r++, 1);
  }
  options->addWidget(Label16, r, 0);
  options->addWidget(Combo6, r++, 1);
  options->addWidget(Label18, r++, 0, 1, 2);
  options->addWidget(Text7, r, 0);
  options->addWidget(Text8, r++, 1);
  options->addWidget(Label17, r++, 0, 1, 2);
  options->addWidget(Text5, r, 0);
  options->addWidget(Text6, r++, 1);
  options->addWidget(Label1, r, 0);
  options->addWidget(Combo2, r++, 1);
  options->addWidget(Label14, r++, 0, 1, 2);
  options->addWidget(Text3, r, 0);
  options->addWidget(Text2, r++, 1);
  auto* left = new QVBoxLayout;
  left->addWidget(File1);
  left->addWidget(Drive1);
  left->addWidget(dir1Place_);
  left->addLayout(options);
  left->addStretch();
  auto* leftPanel = new QWidget(this);
  leftPanel->setLayout(left);
  leftPanel->setFixedWidth(210);
  Dir1->setParent(leftPanel);
  PlaceDir1();

  // The header group above the plot.
  Label15 = label("Label15", "Header");
  Combo3 = list("Combo3",
                Items({render::kHeaderFaces[0], render::kHeaderFaces[1], render::kHeaderFaces[2],
                       render::kHeaderFaces[3]}),
                false);
  Combo4 = list("Combo4", Numbers(1, kHeaderSizes), true);
  Combo5 = list("Combo5", Items({kAlignments[0], kAlignments[1], kAlignments[2]}), false);
  Text4 = box("Text4", 0);
  auto* header = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{Label15, Combo3, Combo4, Combo5, Text4})
    header->addWidget(w);
  header->addStretch();

  Picture1 = new PictureView(page_, this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  pictureArea_ = new QScrollArea(this);
  pictureArea_->setWidget(Picture1);
  pictureArea_->setFrameShape(QFrame::NoFrame);
  pictureArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  pictureArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* right = new QVBoxLayout;
  right->addLayout(header);
  right->addWidget(pictureArea_);
  right->addStretch();

  auto* body = new QHBoxLayout;
  body->addWidget(leftPanel, 0, Qt::AlignTop);
  body->addLayout(right, 1);
  auto* all = new QVBoxLayout(this);
  all->addLayout(row1);
  all->addLayout(row2);
  all->addLayout(row3);
  all->addLayout(body);
  all->setSizeConstraint(QLayout::SetFixedSize);

  // The design values of the lists.
  Combo4->setCurrentIndex(c_.combo4);
  Combo5->setCurrentIndex(c_.combo5);
  Combo7->setCurrentText(FromUtf8(c_.combo7Text));
  Combo8->setCurrentIndex(c_.combo8);
  Combo9->setCurrentText(FromUtf8(c_.combo9Text));
  platform::ExposeDesignNames(*this);
}

void MainWindow::PlaceDir1() {
  const QRect place = dir1Place_->geometry();
  Dir1->setGeometry(place.x(), place.y(), place.width(),
                    Pixels(dir1Twips_, Screen().twipsPerPixelY));
}

}  // namespace app
