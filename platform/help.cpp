#include "platform/help.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QTextBrowser>
#include <algorithm>

#include "core/numbers.h"
#include "platform/program_folder.h"
#include "platform/text.h"

namespace platform {

QtDesktopShell::QtDesktopShell() = default;
QtDesktopShell::~QtDesktopShell() = default;

namespace {

// The window the help is asked from: the active one, else the first shown.
QWidget* CallingWindow(const QWidget* viewer) {
  if (QWidget* active = QApplication::activeWindow(); active && active != viewer) return active;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != viewer && w->isVisible()) return w;
  return nullptr;
}

// Beside `caller` where the screen has room, so that the help leaves the
// window it explains in view.
void PlaceBeside(QWidget& viewer, const QWidget* caller) {
  if (!caller) return;
  const QRect c = caller->frameGeometry();
  const QScreen* screen = caller->screen();
  const QRect room = screen ? screen->availableGeometry() : QRect();
  QPoint at(c.right() + 1, c.top());
  if (!room.isEmpty() && at.x() + viewer.width() > room.right())
    at.setX(std::max(room.left(), room.right() - viewer.width()));
  viewer.move(at);
}

}  // namespace

void QtDesktopShell::ShowHelpFile(const QString& path) {
  if (!viewer_) {
    viewer_ = std::make_unique<QTextBrowser>();
    viewer_->setObjectName(QStringLiteral("Help"));
    viewer_->setAccessibleDescription(viewer_->objectName());
    viewer_->setWindowTitle(QString::fromUtf8("Zentu ヘルプ"));
    viewer_->setOpenExternalLinks(true);
    viewer_->resize(760, 720);
    PlaceBeside(*viewer_, CallingWindow(viewer_.get()));
  }
  viewer_->setSource(QUrl::fromLocalFile(path));
  viewer_->show();
  viewer_->raise();
  viewer_->activateWindow();
}

bool QtDesktopShell::OpenUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

QString HelpFilePath(const std::string& programFolder) {
  for (const std::string& folder : {programFolder, ExecutableFolder()}) {
    if (folder.empty()) continue;
    const QString path = FromPath(core::JoinPath(folder, kHelpFileName));
    if (QFileInfo(path).isFile()) return path;
  }
  return {};
}

void ShowHelp(const std::string& programFolder, DesktopShell& shell) {
  if (!programFolder.empty()) QDir::setCurrent(FromPath(programFolder));
  const QString path = HelpFilePath(programFolder);
  if (!path.isEmpty()) shell.ShowHelpFile(path);
}

void OpenWebPage(DesktopShell& shell) { (void)shell.OpenUrl(QUrl(QString::fromLatin1(kWebPage))); }

}  // namespace platform
