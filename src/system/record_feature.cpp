#include "system/record_feature.h"

#include <cstdio>

#include "gps/gps_input.h"
#include "gps/position_record.h"
#include "gps/sentence_pipeline.h"
#include "platform/atomic_file.h"
#include "platform/clock.h"
#include "settings/registry_settings.h"
#include "system/command_ids.h"
#include "system/system_context.h"
#include "system/view_host.h"

namespace rovex {
namespace {

constexpr const char* kRecordFilter = "ROVEX record file (*.txt)|*.txt||";
constexpr std::size_t kRecordNameLimit = 254;

}  // namespace

void RecordFeature::RegisterCommands(CommandRegistry& commands) {
  using namespace cmd;
  commands.Register(kFileOpen, [this] { Open(); });
  commands.Register(kFileSave, [this] { Save(); });
  commands.Register(kFileSaveAs, [this] { SaveAs(); });
  for (int id : {kMarkLocation, kToolMark}) commands.Register(id, [this] { MarkLocation(); });
}

void RecordFeature::Save() {
  if (m_recordName.empty()) {
    SaveAs();
    return;
  }
  Write();
}

void RecordFeature::SaveAs() {
  UserPrompt* prompt = m_context.GetServices().prompt;
  if (!prompt) return;
  std::optional<std::string> name = prompt->SaveFile("Save As", kRecordFilter, m_recordName, "txt");
  if (!name || name->empty()) return;
  m_recordName = name->substr(0, kRecordNameLimit);
  Write();
}

void RecordFeature::Write() {
  const std::string content =
      FormatPositionRecord(m_context.Fix(), m_context.View().timeZone, m_context.Pipeline().Track());
  std::string error;
  if (!WriteFileAtomically(m_recordName, content, &error)) {
    if (UserPrompt* prompt = m_context.GetServices().prompt) {
      prompt->MessageBox("Error can't create the record file\n" + m_recordName);
    }
  }
}

void RecordFeature::Open() {
  UserPrompt* prompt = m_context.GetServices().prompt;
  if (!prompt) return;
  std::optional<std::string> chosen = prompt->OpenFile("Open", kRecordFilter, m_recordName);
  if (!chosen || chosen->empty()) return;
  const std::string name = chosen->substr(0, kRecordNameLimit);
  std::string content;
  if (!ReadWholeFile(name, &content)) {
    prompt->MessageBox("Error can't open the record file\n" + name);
    return;
  }
  const PositionRecord record = ParsePositionRecord(content);
  // A file of another kind (an NMEA log chosen by mistake) changes nothing.
  if (record.status == PositionRecord::Status::NotARecord) {
    prompt->MessageBox("Error this is not a ROVEX record file\n" + name);
    return;
  }
  m_context.Gps().Stop();
  GpsFix& fix = m_context.Fix();
  if (record.linesRead >= 4) fix.utcHour = record.utcHour;
  if (record.linesRead >= 5) fix.utcMinute = record.utcMinute;
  if (record.linesRead >= 6) fix.utcSecond = record.utcSecond;
  if (record.linesRead >= 8) fix.latitude = record.latitude;
  if (record.linesRead >= 10) fix.longitude = record.longitude;
  if (record.status != PositionRecord::Status::Complete) {
    prompt->MessageBox("Error reading from record file");
    return;
  }
  ViewState& view = m_context.View();
  view.displayTrack = true;
  SentencePipeline& pipeline = m_context.Pipeline();
  pipeline.SetTrackRecording(false, 0);
  if (pipeline.SetTrackRecording(true, view.trackLength)) RestoreRing(record, *pipeline.Track());
  m_context.RefreshListsNext();
  pipeline.RunPipeline();
  m_context.Host().Invalidate();
}

void RecordFeature::MarkLocation() {
  const GpsFix& fix = m_context.Fix();
  if (fix.latitude == 0.0) return;
  const Clock* clock = m_context.GetServices().clock;
  UserPrompt* prompt = m_context.GetServices().prompt;
  const std::string name = m_context.Registry().ReadTextSetting("MarkFile", 300);
  std::FILE* file = std::fopen(name.c_str(), "ab");
  if (!file) {
    if (prompt) prompt->MessageBox("Error can't open the marked spot file\n" + name + "\nPlease check the setup/registry.");
    return;
  }
  const std::tm local = clock ? clock->LocalTime() : std::tm{};
  const std::string line = FormatMarkLine(fix.latitude, fix.longitude, local);
  const bool written = std::fwrite(line.data(), 1, line.size(), file) == line.size();
  const bool flushed = std::fflush(file) == 0;
  std::fclose(file);
  if ((!written || !flushed) && prompt) prompt->MessageBox("Error can't write to the marked spot file");
}

}  // namespace rovex
