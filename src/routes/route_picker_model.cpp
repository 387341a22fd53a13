#include "routes/route_picker_model.h"

#include "routes/route_file.h"
#include "routes/route_file_dialog_model.h"

namespace rovex {
namespace {

std::string SlotName(int slot) { return "RoutePick" + std::to_string(slot); }

void Tell(UserPrompt* prompt, const std::string& text) {
  if (prompt) prompt->MessageBox(text, MsgIcon::Warning, MsgButtons::Ok);
}

}  // namespace

std::string RoutePickName(const std::string& path) {
  Route route;
  if (ReadRouteFile(path, &route) != RouteReadResult::Read) return "No file";
  return route.lastComment ? route.lastComment->substr(0, 255) : "";
}

void RoutePickerModel::Open() {
  for (int slot = 1; slot <= kRoutePickSlots; ++slot) {
    std::optional<std::string> path = m_settings.TryReadText(SlotName(slot), 256);
    if (!path) {
      Tell(m_prompt, "Unable read the " + SlotName(slot) + " file name from the registry.");
      m_entries[slot - 1] = "No file";
    } else {
      m_entries[slot - 1] = RoutePickName(*path);
    }
  }
}

void RoutePickerModel::PickSlot(int slot) {
  m_picked = slot >= 1 && slot <= kRoutePickSlots ? slot : 0;
  m_closed = true;
}

void RoutePickerModel::Ok(int selection) {
  m_picked = selection >= 0 && selection < kRoutePickSlots ? selection + 1 : 0;
  m_closed = true;
}

void RoutePickerModel::Cancel() {
  m_picked = 0;
  m_closed = true;
}

void RoutePickerModel::KeyTyped(std::string_view fieldText, int selection) {
  if (fieldText.empty()) return;
  char c = fieldText[0];
  if (c >= '1' && c <= '9') {
    PickSlot(c - '0');
  } else if (c == 'O' || c == 'o') {
    Ok(selection);
  } else if (c == 'C' || c == 'c') {
    Cancel();
  }
}

void RoutePickerModel::Change(int slot) {
  if (slot < 1 || slot > kRoutePickSlots || !m_prompt) return;
  std::optional<std::string> chosen = m_prompt->OpenFile(kTitle, kChangeFilter, RouteFolder());
  if (!chosen) return;
  m_settings.WriteTextSetting(SlotName(slot), *chosen);
  m_entries[slot - 1] = RoutePickName(*chosen);
}

std::optional<std::string> UsePickedRoute(RegistrySettings& settings, UserPrompt* prompt, int picked) {
  if (picked < 1 || picked > kRoutePickSlots) return std::nullopt;
  std::optional<std::string> path = settings.TryReadText(SlotName(picked), 256);
  if (!path) {
    Tell(prompt, "Unable read the RoutePick file name from the registry.");
    Tell(prompt, "Error: Can't get route filename from the registry");
    return std::nullopt;
  }
  settings.WriteTextSetting("RouteName", *path);
  return path;
}

}  // namespace rovex
