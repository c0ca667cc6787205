// The link between a drive list and its folder list, as every file browser
// of the program has it: choosing a drive shows the folder last shown on it,
// showing a folder chooses its drive, and either makes that folder the
// process's current folder. A drive that is not ready or a folder that
// cannot be read is passed over: the lists keep what they showed.
#pragma once

#include "platform/file_lists.h"

namespace platform {

// Connects `drives` and `folders` as above and starts both at the process's
// current folder. A file list, where there is one, follows
// FolderList::PathChanged itself.
void LinkFolderLists(DriveList& drives, FolderList& folders);

}  // namespace platform
