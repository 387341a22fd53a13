#pragma once

#include <functional>
#include <memory>
#include <string>

#include "trackeditor/editor_view.h"
#include "trackeditor/height_tile.h"
#include "trackeditor/track_map.h"

// The open map, the edited track and the editor's view state, with the
// commands of the Tracks menu that work on them: New, Open, Save, Save As,
// Close, Description, Add/Remove, Visible, Edit track, Save edited track,
// Close edited track, and the close at exit. Messages go to the prompt; the
// dialogs are shown by whoever runs the session.

namespace rovex {
class UserPrompt;
}

namespace rovex::trackeditor {

class TrackDescModel;
class TrackAddModel;
class TrackDisplayModel;
class TrackSelectModel;
class TrackJosmLoadModel;
class TrackOsmLoadModel;

class TrackEditorDialogs {
 public:
  virtual ~TrackEditorDialogs() = default;
  // Each true when the dialog ended with OK.
  virtual bool Show(TrackDescModel& model) = 0;
  virtual bool Show(TrackAddModel& model) = 0;
  virtual bool Show(TrackDisplayModel& model) = 0;
  virtual bool Show(TrackSelectModel& model) = 0;
  virtual bool Show(TrackJosmLoadModel& model) = 0;
  virtual bool Show(TrackOsmLoadModel& model) = 0;
};

class TrackEditorSession {
 public:
  TrackEditorSession(UserPrompt* prompt, TrackEditorDialogs& dialogs, std::function<void()> redraw);

  const TrackEditor* Map() const { return m_map.get(); }
  TrackEditor* Map() { return m_map.get(); }
  const TrackPoints* Edited() const { return m_edited.get(); }
  EditorView& View() { return m_view; }
  const EditorView& View() const { return m_view; }
  // The height tile behind the map; null when none is loaded.
  const HeightTile* Heights() const { return m_heights.get(); }
  // Counts every change of what the static layer draws (tracks shown, the edited track,
  // background entries, the height tile).
  unsigned long DataGeneration() const { return m_generation; }

  void New();
  void Open();
  // Opens a file without the dialog and the questions, loading every track and fitting the view.
  bool OpenFile(const std::string& path, bool loadTracks);
  void Save();
  void SaveAs();
  void Close();
  void Description();
  void AddRemove();
  void Visible();
  void EditTrack();
  void SaveEditedTrack();
  void CloseEditedTrackCommand();
  void CloseAtExit();
  void LoadJosm();
  void LoadOsm();
  // Loads an OSM file as background without the dialog, into a new empty map
  // when none is open, and fits the view; false when nothing was added.
  bool LoadOsmFile(const std::string& path);
  void LoadHeights();
  // Reads a height tile without the dialog; false (with the message) when it cannot be read.
  bool LoadHeightFile(const std::string& path);
  void UnloadHeights();

  void LoadAllTracks();
  void FitToVisible();

 private:
  bool Ask(const std::string& text);
  void Message(const std::string& text);
  void CloseEditedTrack();
  bool WriteMap(const std::string& path);
  void SaveAsNoMapCheck();
  bool ReadMap(const std::string& path);
  void Changed();

  UserPrompt* m_prompt;
  TrackEditorDialogs& m_dialogs;
  std::function<void()> m_redraw;
  std::unique_ptr<TrackEditor> m_map;
  std::unique_ptr<TrackPoints> m_edited;
  std::unique_ptr<HeightTile> m_heights;
  EditorView m_view;
  unsigned long m_generation = 0;
};

}  // namespace rovex::trackeditor
