// The busy state of a command: the busy pointer, and the busy caption of
// the button that runs it. Both are put back however the command ends.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QPushButton>

namespace platform {

class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

// Shows `busyText` on the button (repainted at once, before the long work)
// and the busy pointer; puts back `idleText` and the pointer at the end.
class BusyCaption {
 public:
  BusyCaption(QPushButton* button, const QString& busyText, const QString& idleText)
      : button_(button), idle_(idleText) {
    button_->setText(busyText);
    button_->repaint();
  }
  ~BusyCaption() {
    if (button_) button_->setText(idle_);
  }
  BusyCaption(const BusyCaption&) = delete;
  BusyCaption& operator=(const BusyCaption&) = delete;

 private:
  QPointer<QPushButton> button_;
  QString idle_;
  BusyCursor cursor_;
};

}  // namespace platform
