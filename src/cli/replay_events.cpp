#include "cli/replay_events.h"

#include <cerrno>
#include <cstring>

#include "gps/sentence_mailbox.h"
#include "gps/sentence_pipeline.h"
#include "platform/data_root.h"
#include "platform/file_settings_store.h"
#include "settings/settings_table.h"

namespace rovex::cli {

void PrintEvent(std::FILE* out, const ReplayPosition& at, const char* what, std::string_view text) {
  std::string shown;
  for (unsigned char c : text) shown += c < 0x20 || c == 0x7f ? '?' : static_cast<char>(c);
  std::fprintf(out, "%zu %02u:%02u:%02u %s %s\n", at.line, at.fix->utcHour, at.fix->utcMinute, at.fix->utcSecond, what,
               shown.c_str());
}

void PrintingVoice::Play(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  PrintEvent(m_out, m_at, "play", slash == std::string::npos ? path : path.substr(slash + 1));
}

void CameraTextEvents::PrintChanges() {
  if (m_steps.Warning().DistanceLine().view() != m_distance) {
    m_distance = m_steps.Warning().DistanceLine().str();
    PrintEvent(m_out, m_at, "distance", m_distance);
  }
  if (m_steps.Specs().SpecsLine().view() != m_specs) {
    m_specs = m_steps.Specs().SpecsLine().str();
    PrintEvent(m_out, m_at, "specs", m_specs);
  }
}

bool PrintingReplayTarget::PlaceAndDraw(std::string_view line) {
  m_at.line = m_replay.LineNumber();
  m_mailbox.Overwrite(line);
  m_parse();
  return true;
}

bool PrintingReplayTarget::RunPipeline() {
  m_at.line = m_replay.LineNumber();
  m_pipeline.RunPipeline();
  if (m_events) m_events->PrintChanges();
  return true;
}

int PlayToEnd(LogReplay& replay, ReplayTarget& target, const std::string& log, CliContext& ctx) {
  LogReplay::Step step;
  while ((step = replay.PlayNext(target)) == LogReplay::Step::Played) {
  }
  if (step == LogReplay::Step::ReadError) {
    std::fprintf(ctx.err, "rovex-cli: error reading %s: %s\n", log.c_str(), std::strerror(replay.ErrorNumber()));
    return 1;
  }
  if (std::fflush(ctx.out) != 0 || std::ferror(ctx.out)) {
    std::fputs("rovex-cli: error writing the output\n", ctx.err);
    return 1;
  }
  return 0;
}

void CopyStoredSettings(MemorySettingsStore* memory, CliContext& ctx) {
  for (const SettingDefinition& d : SettingsTable(DataRoot())) memory->Write(kRovexKey, d.name, d.defaultValue);
  FileSettingsStore stored(FileSettingsStore::DefaultPath());
  if (std::string damage = stored.TakeDamageReport(); !damage.empty()) {
    std::fprintf(ctx.err, "rovex-cli: %s\n", damage.c_str());
  }
  for (const auto& [name, value] : stored.Values(kRovexKey)) memory->Write(kRovexKey, name, value);
  for (const auto& [name, value] : stored.Values(kPoiFilesKey)) memory->Write(kPoiFilesKey, name, value);
}

}  // namespace rovex::cli
