// Saving, renaming and folder making of the checker, without the window:
// what to ask and what to write and delete (PlanSave), carrying it out
// (SaveText), the new folder (MakeFolder) and the printed heading
// (PrintHeading).
#pragma once

#include <string>

#include "core/report.h"

namespace checker {

// What a save or a rename does. Saving over the opened path itself (the same
// text) asks nothing; another existing file is overwritten only on Yes. A
// rename writes the target first and deletes the opened file only after
// that succeeded, so a failed write loses nothing.
struct SavePlan {
  bool askOverwrite = false;  // ask FileExistsOverwrite; No: nothing is written
  std::string write;          // the file written whole: the target
  std::string remove;         // deleted after a successful write; empty: none
};
SavePlan PlanSave(const std::string& opened, const std::string& target, bool rename,
                  bool targetExists);

enum class SaveStatus {
  Saved,        // the target holds the text (and a renamed file is gone)
  Declined,     // No to the overwrite question: nothing written
  WriteFailed,  // reported; every file is as it was
  OldKept,      // the target was written, the opened file could not be deleted (reported)
};

// Carries out PlanSave for `bytes` (the file's whole contents): asks through
// `report`, writes through core::WriteFileReplacing, and reports a failure
// with its path. The opened file is not deleted when it is the target under
// another spelling of its path.
SaveStatus SaveText(const std::string& opened, const std::string& target, bool rename,
                    const std::string& bytes, core::Reporter& report);

enum class FolderResult { Made, Exists, Failed };

// Creates the folder `path`. Exists: the name is taken (by a folder or a file).
FolderResult MakeFolder(const std::string& path);

// The moment a heading is printed, in local time.
struct LocalTime {
  int year = 0, month = 0, day = 0;  // month and day from 1
  int hour = 0, minute = 0, second = 0;
};
LocalTime LocalNow();

// "yyyy/mm/dd   hh:mm:ss", 11 blanks, folder + name, CR LF CR LF.
std::string PrintHeading(const LocalTime& t, const std::string& folder, const std::string& name);

}  // namespace checker
