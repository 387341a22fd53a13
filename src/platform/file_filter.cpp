#include "platform/file_filter.h"

#include <cctype>

namespace rovex {
namespace {

std::string Trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  return std::string(s.substr(b, e - b));
}

bool WildMatch(std::string_view pattern, std::string_view name) {
  size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() &&
        (pattern[p] == '?' || std::tolower(static_cast<unsigned char>(pattern[p])) ==
                                  std::tolower(static_cast<unsigned char>(name[n])))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

std::vector<FileFilter> ParseFileFilter(std::string_view filter) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= filter.size()) {
    size_t bar = filter.find('|', start);
    if (bar == std::string_view::npos) bar = filter.size();
    parts.emplace_back(filter.substr(start, bar - start));
    start = bar + 1;
  }
  std::vector<FileFilter> result;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    FileFilter f;
    f.description = Trim(parts[i]);
    std::string_view pats = parts[i + 1];
    size_t s = 0;
    while (s <= pats.size()) {
      size_t semi = pats.find(';', s);
      if (semi == std::string_view::npos) semi = pats.size();
      std::string pat = Trim(pats.substr(s, semi - s));
      if (!pat.empty()) f.patterns.push_back(pat);
      s = semi + 1;
    }
    if (f.description.empty() && f.patterns.empty()) continue;
    if (f.patterns.empty()) continue;
    result.push_back(std::move(f));
  }
  return result;
}

bool MatchesFilter(const FileFilter& filter, std::string_view fileName) {
  for (const std::string& p : filter.patterns) {
    // "*.*" means any file in Windows, even one without a dot.
    if (p == "*.*" || WildMatch(p, fileName)) return true;
  }
  return false;
}

}  // namespace rovex
