#include "platform/folder_links.h"

#include <QDir>

namespace platform {

void LinkFolderLists(DriveList& drives, FolderList& folders) {
  QObject::connect(&drives, &DriveList::DriveChanged, &folders,
                   [&drives, &folders](const QString& root) {
                     if (folders.SetPath(drives.FolderOn(root))) QDir::setCurrent(folders.path());
                   });
  QObject::connect(&folders, &FolderList::PathChanged, &drives, [&drives](const QString& path) {
    QDir::setCurrent(path);
    drives.RememberFolder(path);
    drives.SetDrive(path);  // the drive's folder is `path` now: no second move
  });
  // The folder first: its drive follows, and the drive's folder is it.
  folders.SetPath(QDir::currentPath());
}

}  // namespace platform
