#include <cerrno>
#include <cstdlib>
#include <string>

#include "cli/cli_command.h"
#include "cli/console_prompt.h"
#include "platform/data_root.h"
#include "platform/file_settings_store.h"
#include "settings/settings_reset.h"
#include "settings/settings_table.h"

namespace rovex::cli {
namespace {

// "POIFiles\POIFile1" addresses the subkey; any other name the main key.
void SplitName(const std::string& name, std::string* key, std::string* value) {
  const std::string sub = "POIFiles\\";
  if (name.rfind(sub, 0) == 0) {
    *key = kPoiFilesKey;
    *value = name.substr(sub.size());
  } else {
    *key = kRovexKey;
    *value = name;
  }
}

std::string Printable(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c == '\t') out += "\\t";
    else if (c < 0x20) out += '?';
    else out += static_cast<char>(c);
  }
  return out;
}

bool ParseValue(const std::string& typed, SettingValue* value) {
  if (typed.rfind("text:", 0) == 0) {
    *value = SettingValue::Text(typed.substr(5));
    return true;
  }
  if (typed.rfind("number:", 0) == 0) {
    std::string digits = typed.substr(7);
    if (digits.empty()) return false;
    char* end = nullptr;
    errno = 0;
    long long n = std::strtoll(digits.c_str(), &end, 10);
    if (*end != '\0' || errno != 0 || n < -2147483648LL || n > 4294967295LL) return false;
    *value = SettingValue::Number(static_cast<uint32_t>(n));
    return true;
  }
  return false;
}

void PrintKey(FileSettingsStore& store, const std::string& key, const std::string& prefix, CliContext& ctx) {
  for (const auto& [name, v] : store.Values(key)) {
    if (v.kind == SettingValue::Kind::Number) {
      std::fprintf(ctx.out, "%s%s\tnumber\t%u\n", prefix.c_str(), name.c_str(), v.number);
    } else {
      std::fprintf(ctx.out, "%s%s\ttext\t%s\n", prefix.c_str(), name.c_str(), Printable(v.text).c_str());
    }
  }
}

}  // namespace

int CmdSettings(const std::vector<std::string>& args, CliContext& ctx) {
  auto bad = [&]() {
    std::fprintf(ctx.err, "usage: rovex-cli settings list | get NAME | set NAME text:VALUE|number:VALUE | delete NAME | reset\n");
    return 2;
  };
  if (args.empty()) return bad();
  FileSettingsStore store(FileSettingsStore::DefaultPath());
  if (std::string damage = store.TakeDamageReport(); !damage.empty()) std::fprintf(ctx.err, "rovex-cli: %s\n", damage.c_str());
  const std::string& verb = args[0];

  if (verb == "list" && args.size() == 1) {
    if (!store.KeyExists(kRovexKey)) {
      std::fprintf(ctx.err, "rovex-cli: no settings in %s (run 'rovex-cli settings reset' to create them)\n",
                   store.Path().c_str());
      return 1;
    }
    PrintKey(store, kRovexKey, "", ctx);
    PrintKey(store, kPoiFilesKey, "POIFiles\\", ctx);
    return 0;
  }
  if (verb == "get" && args.size() == 2) {
    std::string key, name;
    SplitName(args[1], &key, &name);
    SettingRead r = store.Read(key, name);
    if (r.status != ReadStatus::Ok) {
      std::fprintf(ctx.err, "rovex-cli: %s\n",
                   r.status == ReadStatus::KeyMissing ? ("no key " + key).c_str() : ("no value " + args[1]).c_str());
      return 1;
    }
    if (r.value.kind == SettingValue::Kind::Number) std::fprintf(ctx.out, "%u\n", r.value.number);
    else std::fprintf(ctx.out, "%s\n", Printable(r.value.text).c_str());
    return 0;
  }
  if (verb == "set" && args.size() == 3) {
    std::string key, name;
    SplitName(args[1], &key, &name);
    SettingValue value;
    if (name.empty() || !ParseValue(args[2], &value)) return bad();
    if (!IsStorableValueName(name)) {
      std::fprintf(ctx.err,
                   "rovex-cli: cannot store a value named '%s': a name may not begin with ';' or '#', nor hold "
                   "'=', '[', ']' or control characters\n",
                   Printable(name).c_str());
      return 1;
    }
    if (!store.Write(key, name, value)) {
      std::fprintf(ctx.err, "rovex-cli: cannot write %s\n", store.Path().c_str());
      return 1;
    }
    return 0;
  }
  if (verb == "delete" && args.size() == 2) {
    std::string key, name;
    SplitName(args[1], &key, &name);
    if (!store.Delete(key, name)) {
      std::fprintf(ctx.err, "rovex-cli: no value %s\n", args[1].c_str());
      return 1;
    }
    return 0;
  }
  if (verb == "reset" && args.size() == 1) {
    ConsolePrompt prompt(ctx.err);
    SettingsReset reset(store, prompt, DataRoot());
    reset.CheckRegistry(false);
    return store.KeyExists(kRovexKey) ? 0 : 1;
  }
  return bad();
}

}  // namespace rovex::cli
