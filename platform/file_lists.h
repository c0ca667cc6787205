// The file browser's three lists, shared by every window that has one:
// DriveList (Drive1: the mounted volumes), FolderList (Dir1: the folders
// from the root down to the one shown, then its subfolders) and FileList
// (File1: the files of a folder that match a pattern). A drive or folder
// that cannot be read leaves a list as it was.
#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QMap>
#include <QString>

namespace platform {

class DriveList : public QComboBox {
  Q_OBJECT
 public:
  explicit DriveList(QWidget* parent = nullptr);
  // The root folder of the volume chosen ("/" for the root volume).
  QString drive() const;
  // Chooses the volume that holds `path`; false, changing nothing, when
  // there is no such volume or it is not ready.
  bool SetDrive(const QString& path);
  // Lists the mounted volumes again, keeping the choice when it is still there.
  void Refresh();
  // The folder last shown on a drive (its root at first), as a drive's
  // current folder.
  QString FolderOn(const QString& drive) const;
  void RememberFolder(const QString& folder);

 signals:
  // The user or SetDrive chose another volume.
  void DriveChanged(const QString& root);

 private:
  QMap<QString, QString> lastFolder_;
};

class FolderList : public QListWidget {
  Q_OBJECT
 public:
  explicit FolderList(QWidget* parent = nullptr);
  QString path() const { return path_; }
  // Shows `path` (an existing, readable folder); false, changing nothing,
  // otherwise. Emits PathChanged when the folder shown changes.
  bool SetPath(const QString& path);
  // Reads the folder from disk again.
  void Refresh();

 signals:
  void PathChanged(const QString& path);
  // A mouse press on the list, with the button pressed and all held.
  void Pressed(Qt::MouseButton button, Qt::MouseButtons buttons);

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  bool Fill(const QString& path);
  QString path_;
};

class FileList : public QListWidget {
  Q_OBJECT
 public:
  explicit FileList(QWidget* parent = nullptr);
  QString folder() const { return folder_; }
  QString pattern() const { return pattern_; }
  // Patterns separated by ";" ("*.dat;*.txt"), matched without regard to
  // case; an empty pattern lists every file (so that a box emptied to type
  // a new pattern is not refused on the way). One with "/" or a malformed
  // bracket is refused: false, nothing changes.
  bool SetPattern(const QString& pattern);
  // Lists `folder`; false, changing nothing, when it cannot be read.
  bool SetFolder(const QString& folder);
  void Refresh();

 signals:
  // The user clicked (or chose with the keyboard) the file `name`.
  void FileClicked(const QString& name);

 private:
  bool Fill(const QString& folder, const QString& pattern);
  QString folder_;
  QString pattern_ = QStringLiteral("*.dat");
};

// True when `name` matches one of the ";"-separated wildcard patterns.
bool MatchesPattern(const QString& pattern, const QString& name);
// True when the pattern is usable (see FileList::SetPattern).
bool PatternUsable(const QString& pattern);

}  // namespace platform
