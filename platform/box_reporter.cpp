#include "platform/box_reporter.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QThread>

#include "platform/text.h"

namespace platform {

namespace {

bool OnGuiThread() {
  return !QCoreApplication::instance() ||
         QThread::currentThread() == QCoreApplication::instance()->thread();
}

// Runs f on the application's thread and waits for it.
template <class F>
auto OnGui(F f) -> decltype(f()) {
  if (OnGuiThread()) return f();
  decltype(f()) result{};
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [&] { result = f(); }, Qt::BlockingQueuedConnection);
  return result;
}

QMessageBox::Icon IconOf(core::Icon icon) {
  switch (icon) {
    case core::Icon::None:
      return QMessageBox::NoIcon;
    case core::Icon::Exclamation:
      return QMessageBox::Warning;
    case core::Icon::Question:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

QString BoxTitle(core::Msg m) {
  const core::MessageText t = core::TextOf(m);
  return *t.title ? FromUtf8(t.title) : QStringLiteral("Zentu");
}

core::Answer BoxReporter::Show(core::Msg m, const std::vector<std::string>& args) {
  return OnGui([&] { return ShowHere(m, args); });
}

std::optional<std::string> BoxReporter::Input(core::Msg m, const std::string& proposal) {
  return OnGui([&] { return InputHere(m, proposal); });
}

core::Answer BoxReporter::ShowHere(core::Msg m, const std::vector<std::string>& args) {
  const core::MessageText t = core::TextOf(m);
  QMessageBox box(IconOf(t.icon), BoxTitle(m), FromUtf8(core::FilledText(m, args)),
                  QMessageBox::NoButton, parent_.data());
  switch (t.buttons) {
    case core::Buttons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case core::Buttons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Ok);
      break;
    case core::Buttons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      break;
  }
  // A busy pointer of the command that shows the message must not hide
  // the arrow the user answers with.
  const bool busy = QApplication::overrideCursor() != nullptr;
  if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
  const int pressed = box.exec();
  if (busy) QApplication::restoreOverrideCursor();
  switch (pressed) {
    case QMessageBox::Cancel:
      return core::Answer::Cancel;
    case QMessageBox::Yes:
      return core::Answer::Yes;
    case QMessageBox::No:
      return core::Answer::No;
    default:
      break;
  }
  // Closing a question with Esc or the close box is its negative answer.
  if (t.buttons == core::Buttons::OkCancel && pressed != QMessageBox::Ok)
    return core::Answer::Cancel;
  if (t.buttons == core::Buttons::YesNo) return core::Answer::No;
  return core::Answer::Ok;
}

std::optional<std::string> BoxReporter::InputHere(core::Msg m, const std::string& proposal) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(parent_.data(), BoxTitle(m), FromUtf8(core::FilledText(m)),
                            QLineEdit::Normal, FromUtf8(proposal), &ok);
  if (!ok) return std::nullopt;
  return ToUtf8(text);
}

}  // namespace platform
