#include "platform/help.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>

#include "core/numbers.h"
#include "platform/program_folder.h"
#include "platform/text.h"

namespace platform {

QtDesktopShell::QtDesktopShell() = default;
QtDesktopShell::~QtDesktopShell() = default;

void QtDesktopShell::ShowHelpFile(const QString& path) {
  if (!viewer_) {
    viewer_ = std::make_unique<QTextBrowser>();
    viewer_->setObjectName(QStringLiteral("Help"));
    viewer_->setAccessibleDescription(viewer_->objectName());
    viewer_->setWindowTitle(QString::fromUtf8("Zentu ヘルプ"));
    viewer_->setOpenExternalLinks(true);
    viewer_->resize(760, 720);
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
