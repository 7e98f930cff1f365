// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The saved game on disk. Only a regular file is read (a link to one is followed),
// and opening never blocks, whatever sits under the name. A save is written to one
// fixed temporary name beside the file it replaces, created afresh so that it can
// never follow or reuse an existing name, and renamed over that file; a save to a
// link replaces the link's final target. A file-size limit makes the write fail
// instead of ending the program.
#include <cstddef>
#include <string>

namespace kelpmark {

// The whole content of the regular file at `path`; false for a missing file, for
// anything that is not a regular file, for a read error and for a file longer than
// `limit` bytes.
bool readRegularFile(const std::string& path, size_t limit, std::string& bytes);

// Replaces the file at `path` (or at the final target of the links `path` names) by
// `bytes`: written to "<target>.tmp", flushed to disk and renamed over the target,
// with the mode the target had. On failure the target stays as it was and the
// temporary file is removed. `failBeforeRename` makes a complete write fail at its
// end, as a full disk would (for the tests of the failure path). The new file gets
// at least read and write permission for its owner. `error` (if given) receives the
// reason of a failure as an errno value.
bool replaceFile(const std::string& path, const std::string& bytes, bool failBeforeRename = false,
                 int* error = nullptr);

// The temporary name a save to `path` uses.
std::string saveTemporaryPath(const std::string& path);

// Removes a temporary file that an interrupted save left beside the file at `path`
// (and those of the numbered names that earlier versions used). For start-up.
void removeStaleSaveTemporary(const std::string& path);

// Keeps a refused save aside: the regular file at `path` is copied to "<path>.bad",
// which replaces an older copy only once it is complete (a link in the way is
// replaced, never followed). A file that cannot be copied (no read permission, a
// full disk) is renamed there instead, so that a later save never replaces the only
// copy. When a directory holds the ".bad" name, the first free "<path>.bad.N" is
// taken. Does nothing for anything but a regular file; false when nothing was kept.
bool keepRefusedSave(const std::string& path);

// Moves whatever stands at `path` (a file, a directory, a link) aside under its
// ".bad" name, or the first free "<path>.bad.N" when that name cannot take it.
// True when nothing is left at `path`.
bool moveAside(const std::string& path);

}  // namespace kelpmark
