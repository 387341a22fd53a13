#pragma once

#include <string>
#include <string_view>
#include <vector>

// File-dialog filters arrive in the Windows form the rest of the system quotes,
// "Text (*.txt)|*.txt|All files (*.*)|*.*||"; dialogs on Linux want them split.

namespace rovex {

struct FileFilter {
  std::string description;            // "ROVEX route file (*.csv;*.txt)"
  std::vector<std::string> patterns;  // "*.csv", "*.txt"
};

// Splits a "description|patterns|...||" string. Patterns are separated by ';'
// and may carry blanks. A trailing description without patterns is dropped.
std::vector<FileFilter> ParseFileFilter(std::string_view filter);

// True when the file name matches one of the patterns (case-insensitive, '*' and '?').
bool MatchesFilter(const FileFilter& filter, std::string_view fileName);

}  // namespace rovex
