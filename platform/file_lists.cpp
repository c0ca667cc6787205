#include "platform/file_lists.h"

#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QStyle>
#include <algorithm>
#include <vector>

namespace platform {

namespace {

// Volumes a user keeps files on: the root and the mounted block devices,
// not the system's pseudo file systems.
QStringList Volumes() {
  QStringList roots{QStringLiteral("/")};
  for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
    if (!v.isValid() || !v.isReady()) continue;
    if (!v.device().startsWith("/dev/")) continue;
    const QString root = v.rootPath();
    if (root.startsWith(QStringLiteral("/proc")) || root.startsWith(QStringLiteral("/sys")) ||
        root.startsWith(QStringLiteral("/dev")) || root.startsWith(QStringLiteral("/etc/")))
      continue;
    if (!roots.contains(root)) roots << root;
  }
  std::sort(roots.begin() + 1, roots.end());
  return roots;
}

QRegularExpression PatternExpression(const QString& piece) {
  return QRegularExpression(QRegularExpression::wildcardToRegularExpression(piece),
                            QRegularExpression::CaseInsensitiveOption);
}

QStringList PatternPieces(const QString& pattern) {
  QStringList pieces;
  for (const QString& p : pattern.split(QLatin1Char(';')))
    if (!p.trimmed().isEmpty()) pieces << p.trimmed();
  return pieces;
}

bool Readable(const QString& folder) {
  const QFileInfo info(folder);
  return info.isDir() && info.isReadable() && info.isExecutable();
}

}  // namespace

bool PatternUsable(const QString& pattern) {
  for (const QString& p : PatternPieces(pattern))
    if (p.contains(QLatin1Char('/')) || p.contains(QChar(0)) || !PatternExpression(p).isValid())
      return false;
  return true;
}

bool MatchesPattern(const QString& pattern, const QString& name) {
  const QStringList pieces = PatternPieces(pattern);
  if (pieces.isEmpty()) return true;  // an empty box: every file
  for (const QString& p : pieces)
    if (PatternExpression(p).match(name).hasMatch()) return true;
  return false;
}

// ---- DriveList

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
  Refresh();
  connect(this, &QComboBox::activated, this, [this](int) { emit DriveChanged(drive()); });
}

QString DriveList::drive() const { return currentText(); }

void DriveList::Refresh() {
  const QString keep = drive();
  const QSignalBlocker block(this);
  clear();
  addItems(Volumes());
  const int at = findText(keep);
  setCurrentIndex(at >= 0 ? at : 0);
}

bool DriveList::SetDrive(const QString& path) {
  if (path.isEmpty()) return false;
  const QStorageInfo volume(path);
  if (!volume.isValid() || !volume.isReady()) return false;
  QString root = volume.rootPath();
  int at = findText(root);
  if (at < 0) {
    Refresh();
    at = findText(root);
  }
  if (at < 0) at = 0;  // a pseudo file system: its folder still lies on the root drive
  if (at == currentIndex()) return true;
  {
    const QSignalBlocker block(this);
    setCurrentIndex(at);
  }
  emit DriveChanged(drive());
  return true;
}

QString DriveList::FolderOn(const QString& drive) const {
  const QString folder = lastFolder_.value(drive, drive);
  return Readable(folder) ? folder : drive;
}

void DriveList::RememberFolder(const QString& folder) {
  const QStorageInfo volume(folder);
  if (volume.isValid()) lastFolder_[volume.rootPath()] = folder;
}

// ---- FolderList

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
  connect(this, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { SetPath(item->data(Qt::UserRole).toString()); });
  connect(this, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { SetPath(item->data(Qt::UserRole).toString()); });
}

bool FolderList::SetPath(const QString& path) {
  if (path.isEmpty()) return false;
  const QString clean = QDir::cleanPath(QDir(path).absolutePath());
  if (!Readable(clean)) return false;
  if (!Fill(clean)) return false;
  if (clean != path_) {
    path_ = clean;
    emit PathChanged(path_);
  }
  return true;
}

void FolderList::Refresh() {
  if (!path_.isEmpty() && !Fill(path_)) {
    // The folder went away: show the nearest folder above it that is left.
    QDir up(path_);
    while (up.cdUp() && !Readable(up.path())) {
    }
    SetPath(up.path());
  }
}

bool FolderList::Fill(const QString& path) {
  QDir dir(path);
  const QFileInfoList subfolders =
      dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  if (!dir.isReadable()) return false;
  const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
  // The path from the root down: "/", then each folder on the way; then the
  // subfolders.
  struct Entry {
    QString text, full;
    bool open;
  };
  std::vector<Entry> entries{{QStringLiteral("/"), QStringLiteral("/"), true}};
  QString walked = QStringLiteral("/");
  for (const QString& part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
    walked = walked.endsWith(QLatin1Char('/')) ? walked + part : walked + QLatin1Char('/') + part;
    entries.push_back({part, walked, true});
  }
  const int current = static_cast<int>(entries.size()) - 1;
  for (const QFileInfo& sub : subfolders)
    entries.push_back({sub.fileName(), sub.absoluteFilePath(), false});
  // The items are reused in place: the one clicked keeps its place (it is
  // the same folder there, now open), so a reader or robot that clicked it
  // sees it selected.
  const QSignalBlocker block(this);
  while (count() > static_cast<int>(entries.size())) delete takeItem(count() - 1);
  for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
    QListWidgetItem* item = i < count() ? this->item(i) : new QListWidgetItem(this);
    if (item->text() != entries[i].text) item->setText(entries[i].text);
    item->setData(Qt::UserRole, entries[i].full);
    item->setIcon(entries[i].open ? open : closed);
  }
  setCurrentRow(current);
  return true;
}

void FolderList::mousePressEvent(QMouseEvent* event) {
  emit Pressed(event->button(), event->buttons());
  QListWidget::mousePressEvent(event);
}

// ---- FileList

FileList::FileList(QWidget* parent) : QListWidget(parent) {
  connect(this, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { emit FileClicked(item->text()); });
  connect(this, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { emit FileClicked(item->text()); });
}

bool FileList::SetPattern(const QString& pattern) {
  if (!PatternUsable(pattern)) return false;
  pattern_ = pattern;
  if (!folder_.isEmpty()) Fill(folder_, pattern_);
  return true;
}

bool FileList::SetFolder(const QString& folder) {
  const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
  if (!Readable(clean) || !Fill(clean, pattern_)) return false;
  folder_ = clean;
  return true;
}

void FileList::Refresh() {
  if (!folder_.isEmpty() && !Fill(folder_, pattern_)) {
    const QSignalBlocker block(this);
    clear();
  }
}

bool FileList::Fill(const QString& folder, const QString& pattern) {
  QDir dir(folder);
  if (!dir.isReadable()) return false;
  const QFileInfoList files = dir.entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
  const QSignalBlocker block(this);
  clear();
  for (const QFileInfo& f : files)
    if (MatchesPattern(pattern, f.fileName())) addItem(f.fileName());
  return true;
}

}  // namespace platform
