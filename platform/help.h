// "ヘルプ" and "HP" of every window: the help file beside the program shown in
// a viewer window, and the program's web page in the desktop's browser.
// They reach the desktop through DesktopShell, which tests record. A missing
// help file, or a desktop without a browser, is ignored.
#pragma once

#include <QString>
#include <QUrl>
#include <memory>
#include <string>

class QTextBrowser;

namespace platform {

// The help file: the program's user guide in HTML.
inline constexpr const char* kHelpFileName = "Zentu.html";
// The program's web page.
inline constexpr const char* kWebPage = "https://www.harbenko.example/zentu/";

class DesktopShell {
 public:
  virtual ~DesktopShell() = default;
  // Shows the HTML file `path` in the help viewer window.
  virtual void ShowHelpFile(const QString& path) = 0;
  // Asks the desktop to open `url` in its browser; false when it cannot.
  virtual bool OpenUrl(const QUrl& url) = 0;
};

// The help viewer is one window of the program ("Help"), made at the first
// request and shown again at the next; the browser is the desktop's.
class QtDesktopShell : public DesktopShell {
 public:
  QtDesktopShell();
  ~QtDesktopShell() override;
  void ShowHelpFile(const QString& path) override;
  bool OpenUrl(const QUrl& url) override;

 private:
  std::unique_ptr<QTextBrowser> viewer_;
};

// The help file in `programFolder`, else beside the executable (where the
// program is shipped with it); empty when there is none.
QString HelpFilePath(const std::string& programFolder);

// "ヘルプ": the program's folder becomes the current folder, then the help
// file opens in the viewer.
void ShowHelp(const std::string& programFolder, DesktopShell& shell);
// "HP": the desktop is asked to open kWebPage.
void OpenWebPage(DesktopShell& shell);

}  // namespace platform
