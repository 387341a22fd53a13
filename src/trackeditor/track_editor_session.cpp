#include "trackeditor/track_editor_session.h"

#include <cstdio>
#include <new>

#include "platform/atomic_file.h"
#include "platform/data_root.h"
#include "platform/user_prompt.h"
#include "trackeditor/map_file.h"
#include "trackeditor/track_add_model.h"
#include "trackeditor/track_desc_model.h"
#include "trackeditor/track_display_model.h"
#include "trackeditor/track_josm_load_model.h"
#include "trackeditor/track_osm_load_model.h"
#include "trackeditor/track_reader.h"
#include "trackeditor/track_select_model.h"
#include "trackeditor/track_trim.h"

namespace rovex::trackeditor {

namespace {

constexpr const char* kMapFilter = "Text (*.txt)|*.txt|Any (*.*)|*.*||";
constexpr const char* kNoMapToSave = "No file.\n\nYou must open or create a track editor map file before you can save it.";
constexpr const char* kUnsaved = "You have an unsaved track editor map file.\n\nDo you want to save it ?";
constexpr const char* kExists = "The file already exists.\n\nDo you want to overwrite it ?";
constexpr const char* kClosePrevious = "Close previous track edit ?";

bool FileExists(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "r");
  if (!f) return false;
  std::fclose(f);
  return true;
}

}  // namespace

TrackEditorSession::TrackEditorSession(UserPrompt* prompt, TrackEditorDialogs& dialogs, std::function<void()> redraw)
    : m_prompt(prompt), m_dialogs(dialogs), m_redraw(std::move(redraw)) {}

bool TrackEditorSession::Ask(const std::string& text) {
  return m_prompt && m_prompt->MessageBox(text, MsgIcon::Question, MsgButtons::YesNo) == MsgResult::Yes;
}

void TrackEditorSession::Message(const std::string& text) {
  if (m_prompt) m_prompt->MessageBox(text);
}

void TrackEditorSession::Changed() {
  ++m_generation;
  if (m_redraw) m_redraw();
}

void TrackEditorSession::CloseEditedTrack() {
  m_edited.reset();
  m_view.ResetRange();
  m_view.FitToVisible(m_map.get());
  ++m_generation;
}

// ---- Map files ----

void TrackEditorSession::New() {
  bool keep = false;
  if (m_map && !m_map->TracksMem.empty()) {
    if (!Ask("You already have a tracks map file open.\n\nClick Yes if you want to close the current tracks\nmap file "
             "and create a new map file.\n")) {
      keep = true;
    } else if (m_map->modified &&
               Ask("The current tracks map file has not been saved.\n\nClick Yes to if you want to save the current "
                   "tracks\nmap file before closing it.\n")) {
      Save();
    }
  }
  if (!keep) {
    m_map.reset();
    CloseEditedTrack();
    m_map = std::make_unique<TrackEditor>();
  }
  Description();
}

void TrackEditorSession::Description() {
  if (!m_map) {
    Message("You must open or create a new track editor map file\nbefore you can set it's description.");
    return;
  }
  TrackDescModel model(m_map.get(), m_prompt);
  if (m_dialogs.Show(model)) model.Ok();
  Changed();
}

bool TrackEditorSession::ReadMap(const std::string& path) {
  std::string text;
  if (!ReadWholeFile(path, &text)) {
    Message("Error can't open the tracks map file.\n" + path);
    return false;
  }
  MapReadResult read = ParseMapText(text);
  if (read.map) {
    m_map = std::move(read.map);
    m_map->MapFile = path;
  }
  if (read.status != MapReadStatus::Read) {
    // A later Save must not write over a file that is not this map's.
    if (m_map) m_map->MapFile.reset();
    const std::string message = MapReadMessage(read.status);
    if (!OffersBadLine(read.status)) {
      Message(message);
    } else if (m_prompt && m_prompt->MessageBox(message, MsgIcon::Warning, MsgButtons::OkCancel) == MsgResult::Ok) {
      Message(read.badLine);
    }
    return false;
  }
  m_view.ResetRange();
  return true;
}

bool TrackEditorSession::OpenFile(const std::string& path, bool loadTracks) {
  m_map.reset();
  CloseEditedTrack();
  const bool read = ReadMap(path);
  if (read && loadTracks) {
    LoadAllTracks();
    m_view.FitToVisible(m_map.get());
  }
  Changed();
  return read;
}

void TrackEditorSession::Open() {
  if (m_map && m_map->modified && !(m_prompt && m_prompt->MessageBox(kUnsaved, MsgIcon::Question,
                                                                      MsgButtons::YesNo) == MsgResult::No)) {
    Save();
  }
  m_map.reset();
  CloseEditedTrack();
  std::optional<std::string> path;
  if (m_prompt) path = m_prompt->OpenFile("Open - Track Editor Map File", kMapFilter, DataPath("Tracks"));
  if (!path) {
    Changed();
    return;
  }
  if (ReadMap(*path) && Ask("Load and display all tracks ?")) {
    LoadAllTracks();
    m_view.FitToVisible(m_map.get());
  }
  Changed();
}

bool TrackEditorSession::WriteMap(const std::string& path) {
  std::string text, error;
  if (!FormatMapText(*m_map, &text, &error)) {
    Message(error);
    return false;
  }
  if (!WriteFileAtomically(path, text, &error)) {
    Message("Error can't save the tracks map file.\n" + path);
    return false;
  }
  m_map->modified = false;
  return true;
}

void TrackEditorSession::Save() {
  if (!m_map) {
    Message(kNoMapToSave);
    return;
  }
  if (!m_map->MapFile) {
    SaveAsNoMapCheck();
    return;
  }
  WriteMap(*m_map->MapFile);
}

void TrackEditorSession::SaveAs() {
  if (!m_map) {
    Message(kNoMapToSave);
    return;
  }
  SaveAsNoMapCheck();
}

void TrackEditorSession::SaveAsNoMapCheck() {
  if (!m_prompt) return;
  auto path = m_prompt->ChooseOutputFile("SaveAs - Track Editor Map File", kMapFilter,
                                         m_map->MapFile.value_or(DataPath("Tracks")), "txt");
  if (!path) return;
  if (FileExists(*path) && !Ask(kExists)) return;
  if (WriteMap(*path)) m_map->MapFile = *path;
}

void TrackEditorSession::Close() {
  m_map.reset();
  CloseEditedTrack();
  Changed();
}

void TrackEditorSession::CloseAtExit() {
  if (m_map && m_map->modified) {
    if (m_prompt && m_prompt->MessageBox(kUnsaved, MsgIcon::Question, MsgButtons::YesNo) != MsgResult::No) Save();
  }
  m_map.reset();
  m_edited.reset();
}

// ---- Tracks ----

void TrackEditorSession::LoadAllTracks() {
  if (!m_map) return;
  if (m_edited) {
    if (!Ask(kClosePrevious)) return;
    CloseEditedTrack();
  }
  for (TrackEntry& entry : m_map->TracksMem) {
    if (entry.points || !entry.path) continue;
    auto points = std::make_unique<TrackPoints>();
    if (ReadTrackFile(*entry.path, points.get())) entry.points = std::move(points);
  }
  ++m_generation;
}

void TrackEditorSession::FitToVisible() {
  m_view.FitToVisible(m_map.get());
  Changed();
}

void TrackEditorSession::AddRemove() {
  if (!m_map) {
    Message("You must open or create a new track editor map file\nbefore you can add tracks to it.");
    return;
  }
  TrackAddModel model(m_map.get(), m_prompt);
  m_dialogs.Show(model);
  Changed();
}

void TrackEditorSession::Visible() {
  if (!m_map) {
    Message("You must open or create a track editor map file\nbefore you can choose which tracks to display.");
    return;
  }
  TrackDisplayModel model(m_map.get(), m_prompt);
  if (m_dialogs.Show(model)) model.Apply();
  FitToVisible();
}

void TrackEditorSession::EditTrack() {
  if (!m_map) {
    Message("You must open or create a new track editor map file\nbefore you can choose a track to edit.");
    return;
  }
  if (m_edited) {
    if (!Ask(kClosePrevious)) return;
    CloseEditedTrack();
  }
  m_edited = std::make_unique<TrackPoints>();
  m_view.startIndex = m_view.endIndex = m_view.pointCount = 0;
  TrackSelectModel model(m_map.get(), m_edited.get(), m_prompt);
  if (m_dialogs.Show(model)) model.Ok();
  if (!m_edited->sourcePath) {
    m_edited.reset();
    Changed();
    return;
  }
  m_view.FitToTrack(*m_edited);
  Changed();
}

void TrackEditorSession::SaveEditedTrack() {
  if (!m_map) {
    Message("You must open or create a new track editor map file\nand have a track open for edit\nbefore you can save "
            "the track.");
    return;
  }
  if (!m_edited) {
    Message("Error: You must have an NMEA track open\nbefore you can save it.");
    return;
  }
  if (!m_edited->sourcePath) {
    Message("Error: Unknown source NMEA track path/name\nor you do not have a NMEA track open.");
    return;
  }
  if (!m_prompt) return;
  auto out = m_prompt->ChooseOutputFile("SaveAs - Track File - Choose the output file", kMapFilter,
                                        JoinPath(DataPath("Tracks"), "NewNMEATrack.txt"), "txt");
  if (!out) return;
  if (FileExists(*out) && !Ask(kExists)) return;
  std::string log;
  if (!ReadWholeFile(*m_edited->sourcePath, &log)) {
    Message("Error can't save the track file.\nCan't open the intput file:\n" + *m_edited->sourcePath);
    return;
  }
  std::string error;
  if (!WriteFileAtomically(*out, TrimTrackText(log, m_view.startIndex, m_view.endIndex), &error)) {
    Message("Error can't save the track file.\nCan't open the output file:\n" + *out);
    return;
  }
  m_prompt->MessageBox("Save complete.", MsgIcon::Information);
}

void TrackEditorSession::CloseEditedTrackCommand() {
  if (!m_map) {
    Message("You must open or create a new track editor map file\nand have a track open for edit\nbefore you can close "
            "the track.");
    return;
  }
  CloseEditedTrack();
  Changed();
}

// ---- Background maps ----

void TrackEditorSession::LoadJosm() {
  if (!m_map) {
    Message("You must open or create a new track editor map file\nbefore you can load an additional\nJosm gpx track file.");
    return;
  }
  TrackJosmLoadModel model(m_map.get(), m_prompt);
  m_dialogs.Show(model);
  ++m_generation;
  FitToVisible();
}

void TrackEditorSession::LoadOsm() {
  if (!m_map) {
    Message("You must open or create a new track editor map file\nbefore you can load an additional\nOSM file.");
    return;
  }
  TrackOsmLoadModel model(m_map.get(), m_prompt);
  m_dialogs.Show(model);
  ++m_generation;
  FitToVisible();
}

bool TrackEditorSession::LoadOsmFile(const std::string& path) {
  if (!m_map) m_map = std::make_unique<TrackEditor>();
  TrackOsmLoadModel model(m_map.get(), m_prompt);
  model.source = path;
  const bool added = model.Load();
  ++m_generation;
  FitToVisible();
  return added;
}

void TrackEditorSession::LoadHeights() {
  if (!m_prompt) return;
  auto path = m_prompt->OpenFile("Open - SRTM 3 arc-second topological height file",
                                 "SRTM (*.hgt)|*.hgt|Any (*.*)|*.*||", DataPath("STRM"));
  if (!path) return;
  LoadHeightFile(*path);
}

bool TrackEditorSession::LoadHeightFile(const std::string& path) {
  // The tile shown stays until a new one has been read whole.
  auto tile = std::unique_ptr<HeightTile>();
  bool read = false;
  try {
    tile = std::make_unique<HeightTile>();
    read = ReadHeightTile(path, tile.get());
  } catch (const std::bad_alloc&) {
    Message("Error out of memory\nCan't allocate memory for SRTMArray.");
    return false;
  }
  if (!read) {
    Message("Error can't open source file\n" + path);
    return false;
  }
  m_heights = std::move(tile);
  m_view.shading = ShadingOffsets{0, 0, 1.5};
  Changed();
  return true;
}

void TrackEditorSession::UnloadHeights() {
  m_heights.reset();
  Changed();
}

}  // namespace rovex::trackeditor
