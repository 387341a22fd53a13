#include "gps/dlg_replay.h"

#include <cstdlib>

#include "platform/data_root.h"

namespace rovex {

CDlgReplay::CDlgReplay(UserPrompt& prompt) : m_fileName(DataPath("Log") + "/"), m_prompt(prompt) {}

void CDlgReplay::OnBrowse() {
  std::optional<std::string> path = m_prompt.OpenFile("Open", kFilter, DataPath("Log"));
  if (!path) return;
  m_fileName = path->substr(0, 254);
}

std::string CDlgReplay::FileName() const { return m_fileName.substr(0, 298); }

int CDlgReplay::Delay() const { return std::atoi(m_delay.c_str()); }

}  // namespace rovex
