#pragma once

#include <string>

// Replaces a file that the user keeps so that a power cut at any moment leaves
// either the old or the new content, never a mix: the new content goes to a
// temporary file beside it, is synced, and is renamed over the old one.

namespace rovex {

// Creates missing parent folders. False with a reason in *error on failure;
// the old file is then untouched and no temporary file is left behind.
bool WriteFileAtomically(const std::string& path, const std::string& content, std::string* error,
                         unsigned mode = 0644);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string* content);

// mkdir -p; true when the folder exists afterwards.
bool MakeFolders(const std::string& folder);

}  // namespace rovex
