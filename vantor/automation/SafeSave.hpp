#pragma once
#include "vantor/Export.h"
#include <sys/types.h>

#include <functional>
#include <string>

// Saving a file so that it is either the old file or the new one, whole.
//
// A save writes a temporary file beside the target, flushes it to disk, gives
// it the target's owner, group and mode, renames it over the target and syncs
// the folder. It writes through symbolic links to the file they name (the link
// stays a link) and refuses a target that is not a regular file or that is
// read-only. On any failure the old file stays whole, no temporary file is
// left and AutomationError 1004 names the file; an AutomationError raised by
// the writer passes through unchanged, after the same clean-up.
namespace vantor {

// Calls write(tempPath), which must leave the new contents in the file at
// tempPath (it may write it in place or replace it), then puts that file in
// the target's place. A new file is created with newFileMode less the umask.
VANTOR_API void SafeSave(const std::string& path, const std::function<void(const std::string& tempPath)>& write,
              mode_t newFileMode);

// The file a save of `path` writes: the path with every symbolic link
// followed, the last one possibly dangling. Raises 1004 for a loop of links.
VANTOR_API std::string ResolveSaveTarget(const std::string& path);

// Removes the temporary files that saves of `path` left behind when their
// process died. Only a process holding the target's own lock may call it, as
// it would also remove the file of a save running at the same time.
VANTOR_API void RemoveStaleSaveFiles(const std::string& path) noexcept;

} // namespace vantor
