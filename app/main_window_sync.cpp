// The main window's controls to and from app::Controls: what the user may
// change is read before a handler; everything is written back after it,
// without setting off the widgets' own change signals.
#include <QSignalBlocker>

#include "app/main_window.h"
#include "platform/text.h"

namespace app {

using platform::FromPath;
using platform::FromUtf8;
using platform::ToPath;
using platform::ToUtf8;

namespace {

// The index of an editable list: the item whose text is typed, else -1.
int TypedIndex(const QComboBox* c) { return c->findText(c->currentText(), Qt::MatchExactly); }

void Put(QLineEdit* box, const QString& text) {
  if (box->text() == text) return;
  const QSignalBlocker block(box);
  box->setText(text);
}

void PutIndex(QComboBox* c, int index) {
  if (c->currentIndex() == index || index < 0 || index >= c->count()) return;
  const QSignalBlocker block(c);
  c->setCurrentIndex(index);
}

void PutText(QComboBox* c, const std::string& text) {
  const QString t = FromUtf8(text);
  if (c->currentText() == t) return;
  const QSignalBlocker block(c);
  c->setCurrentText(t);
}

void PutCaption(QPushButton* b, const std::string& caption) {
  const QString t = FromUtf8(caption);
  if (b->text() != t) b->setText(t);
}

}  // namespace

void MainWindow::ReadControls() {
  c_.combo1 = Combo1->currentIndex();
  c_.combo2 = Combo2->currentIndex();
  c_.combo3 = Combo3->currentIndex();
  c_.combo4 = TypedIndex(Combo4);
  c_.combo4Text = ToUtf8(Combo4->currentText());
  c_.combo5 = Combo5->currentIndex();
  c_.combo6 = Combo6->currentIndex();
  c_.combo7Text = ToUtf8(Combo7->currentText());
  c_.combo8 = Combo8->currentIndex();
  c_.combo9Text = ToUtf8(Combo9->currentText());
  c_.text1 = ToUtf8(Text1->text());
  c_.text2 = ToUtf8(Text2->text());
  c_.text3 = ToUtf8(Text3->text());
  c_.text4 = ToUtf8(Text4->text());
  c_.text5 = ToUtf8(Text5->text());
  c_.text6 = ToUtf8(Text6->text());
  c_.text7 = ToUtf8(Text7->text());
  c_.text8 = ToUtf8(Text8->text());
  c_.region.text21 = ToUtf8(Text21->text());
  c_.region.text22 = ToUtf8(Text22->text());
  c_.region.text23 = ToUtf8(Text23->text());
  c_.region.text24 = ToUtf8(Text24->text());
  c_.region.text25 = ToUtf8(Text25->text());
  c_.region.text26 = ToUtf8(Text26->text());
  c_.drive = ToPath(Drive1->drive());
  c_.folder = ToPath(Dir1->path());
}

void MainWindow::WriteControls() {
  PutIndex(Combo1, c_.combo1);
  PutIndex(Combo2, c_.combo2);
  PutIndex(Combo3, c_.combo3);
  PutText(Combo4, c_.combo4Text);
  PutIndex(Combo5, c_.combo5);
  PutIndex(Combo6, c_.combo6);
  PutText(Combo7, c_.combo7Text);
  PutIndex(Combo8, c_.combo8);
  PutText(Combo9, c_.combo9Text);
  for (auto [box, text] : {std::pair{Text2, &c_.text2},
                           {Text3, &c_.text3},
                           {Text4, &c_.text4},
                           {Text5, &c_.text5},
                           {Text6, &c_.text6},
                           {Text7, &c_.text7},
                           {Text8, &c_.text8},
                           {Text21, &c_.region.text21},
                           {Text22, &c_.region.text22},
                           {Text23, &c_.region.text23},
                           {Text24, &c_.region.text24},
                           {Text25, &c_.region.text25},
                           {Text26, &c_.region.text26}})
    Put(box, FromUtf8(*text));
  Put(Text11, FromPath(c_.text11));
  Put(Text12, FromPath(c_.text12));
  Put(Text13, FromPath(c_.text13));

  // The browser: a drive or folder that cannot be shown leaves its list as
  // it was, and the controls then say what the lists show.
  {
    const QSignalBlocker blockDrive(Drive1), blockDir(Dir1);
    if (FromPath(c_.drive) != Drive1->drive()) Drive1->SetDrive(FromPath(c_.drive));
    if (FromPath(c_.folder) != Dir1->path() && Dir1->SetPath(FromPath(c_.folder)))
      Drive1->RememberFolder(Dir1->path());
    if (File1->folder() != Dir1->path()) File1->SetFolder(Dir1->path());
  }
  c_.drive = ToPath(Drive1->drive());
  c_.folder = ToPath(Dir1->path());
  if (FromUtf8(c_.text1) != File1->pattern() && !File1->SetPattern(FromUtf8(c_.text1))) {
    c_.text1 = "*.dat";
    File1->SetPattern(FromUtf8(c_.text1));
  }
  Put(Text1, FromUtf8(c_.text1));

  PutCaption(Command1, c_.command1);
  PutCaption(Command5, c_.command5);
  PutCaption(Command7, c_.command7);
  PutCaption(Command8, c_.command8);
  PutCaption(Command9, c_.command9);

  Command1->setVisible(c_.command1Shown);
  for (QWidget* w : std::initializer_list<QWidget*>{Label2, Command12, Text12})
    w->setVisible(c_.outputShown);
  for (QWidget* w : std::initializer_list<QWidget*>{Command5, Command8, Command9})
    w->setVisible(c_.exportsShown);
  for (QWidget* w : std::initializer_list<QWidget*>{Label14, Text2, Text3})
    w->setVisible(c_.meterBoxesShown);
  for (QWidget* w : std::initializer_list<QWidget*>{Label17, Label18, Text5, Text6, Text7, Text8})
    w->setVisible(c_.axisBoxesShown);
  for (QWidget* w : std::initializer_list<QWidget*>{Command13, Command14, Combo9})
    w->setVisible(c_.lineButtonsShown);
  Text13->setVisible(c_.text13Shown);
}

}  // namespace app
