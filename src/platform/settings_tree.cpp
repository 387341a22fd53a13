#include "platform/settings_tree.h"

#include <cerrno>
#include <cstdlib>

namespace rovex {
namespace {

const char* kHex = "0123456789abcdef";

std::string Escape(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (unsigned char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7f) {
          out += "\\x";
          out += kHex[c >> 4];
          out += kHex[c & 15];
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool Unescape(const std::string& in, std::string* out) {
  out->clear();
  for (size_t i = 0; i < in.size(); ++i) {
    char c = in[i];
    if (c != '\\') {
      *out += c;
      continue;
    }
    if (++i >= in.size()) return false;
    switch (in[i]) {
      case '\\': *out += '\\'; break;
      case 'n': *out += '\n'; break;
      case 'r': *out += '\r'; break;
      case 't': *out += '\t'; break;
      case 'x': {
        if (i + 2 >= in.size()) return false;
        int hi = HexDigit(in[i + 1]), lo = HexDigit(in[i + 2]);
        if (hi < 0 || lo < 0) return false;
        *out += static_cast<char>(hi * 16 + lo);
        i += 2;
        break;
      }
      default: return false;
    }
  }
  return true;
}

// What both kinds of name avoid: '=' ends a value name, '[' and ']' frame a
// key line, and a control character (a line end above all) would split a line.
bool PlainName(const std::string& s) {
  if (s.empty()) return false;
  for (unsigned char c : s) {
    if (c < 0x20 || c == '=' || c == '[' || c == ']' || c == 0x7f) return false;
  }
  return true;
}

}  // namespace

bool IsStorableValueName(const std::string& name) {
  // A value line starting with ';' or '#' would be read as a comment.
  return PlainName(name) && name.front() != ';' && name.front() != '#';
}

// A key path: names joined by single backslashes, none of them empty. Its line
// starts with '[', so a leading ';' or '#' does no harm there.
bool IsStorableKeyName(const std::string& key) {
  if (!PlainName(key) || key.front() == '\\' || key.back() == '\\') return false;
  return key.find("\\\\") == std::string::npos;
}

bool SettingsTree::AddKey(const std::string& key) {
  if (!IsStorableKeyName(key)) return false;
  // Parents exist whenever a child does, as in the registry.
  for (size_t p = key.find('\\'); p != std::string::npos; p = key.find('\\', p + 1)) m_keys[key.substr(0, p)];
  m_keys[key];
  return true;
}

SettingRead SettingsTree::Read(const std::string& key, const std::string& name) const {
  auto k = m_keys.find(key);
  if (k == m_keys.end()) return {ReadStatus::KeyMissing, {}};
  for (const auto& [n, v] : k->second.values) {
    if (n == name) return {ReadStatus::Ok, v};
  }
  return {ReadStatus::ValueMissing, {}};
}

bool SettingsTree::Write(const std::string& key, const std::string& name, const SettingValue& value) {
  if (!IsStorableValueName(name) || !AddKey(key)) return false;
  auto& values = m_keys[key].values;
  for (auto& [n, v] : values) {
    if (n == name) {
      v = value;
      return true;
    }
  }
  values.emplace_back(name, value);
  return true;
}

bool SettingsTree::Delete(const std::string& key, const std::string& name) {
  auto k = m_keys.find(key);
  if (k == m_keys.end()) return false;
  auto& values = k->second.values;
  for (auto it = values.begin(); it != values.end(); ++it) {
    if (it->first == name) {
      values.erase(it);
      return true;
    }
  }
  return false;
}

std::vector<std::pair<std::string, SettingValue>> SettingsTree::Values(const std::string& key) const {
  auto k = m_keys.find(key);
  if (k == m_keys.end()) return {};
  return k->second.values;
}

std::string SettingsTree::Serialise() const {
  std::string out = "; ROVEX settings. Written by the program; edit with rovex-cli settings.\n";
  for (const auto& [key, k] : m_keys) {
    out += "[" + key + "]\n";
    for (const auto& [name, v] : k.values) {
      out += name;
      if (v.kind == SettingValue::Kind::Number) {
        out += "=number:" + std::to_string(v.number) + "\n";
      } else {
        out += "=text:" + Escape(v.text) + "\n";
      }
    }
  }
  return out;
}

bool SettingsTree::Parse(const std::string& content, std::string* error) {
  SettingsTree parsed;
  std::string currentKey;
  bool haveKey = false;
  size_t lineNo = 0;
  size_t pos = 0;
  auto fail = [&](const std::string& why) {
    if (error) *error = "line " + std::to_string(lineNo) + ": " + why;
    return false;
  };
  while (pos < content.size()) {
    size_t end = content.find('\n', pos);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(pos, end - pos);
    pos = end + 1;
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find('\0') != std::string::npos) return fail("contains a NUL byte");
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line[0] == '[') {
      if (line.back() != ']' || line.size() < 3) return fail("bad key line");
      currentKey = line.substr(1, line.size() - 2);
      if (!IsStorableKeyName(currentKey)) return fail("bad key name");
      parsed.AddKey(currentKey);
      haveKey = true;
      continue;
    }
    if (!haveKey) return fail("value outside any key");
    size_t eq = line.find('=');
    if (eq == std::string::npos) return fail("missing '='");
    std::string name = line.substr(0, eq);
    if (!IsStorableValueName(name)) return fail("bad value name");
    std::string rest = line.substr(eq + 1);
    if (rest.rfind("text:", 0) == 0) {
      std::string text;
      if (!Unescape(rest.substr(5), &text)) return fail("bad escape in text value");
      parsed.Write(currentKey, name, SettingValue::Text(text));
    } else if (rest.rfind("number:", 0) == 0) {
      std::string digits = rest.substr(7);
      if (digits.empty() || digits.size() > 10) return fail("bad number value");
      for (char c : digits) {
        if (c < '0' || c > '9') return fail("bad number value");
      }
      unsigned long long n = std::strtoull(digits.c_str(), nullptr, 10);
      if (n > 0xffffffffULL) return fail("number out of range");
      parsed.Write(currentKey, name, SettingValue::Number(static_cast<uint32_t>(n)));
    } else {
      return fail("value kind is neither text nor number");
    }
  }
  *this = std::move(parsed);
  return true;
}

}  // namespace rovex
