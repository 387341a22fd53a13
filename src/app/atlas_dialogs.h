#pragma once

#include <QDialog>
#include <vector>

#include "atlas/atlas_folder_model.h"
#include "atlas/atlas_zoom_model.h"
#include "atlas/make_pan_model.h"
#include "atlas/trekbuddy_keys.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

// The Trekbuddy menu's dialogs: the atlas folder, the zoom level, the key
// list and "Make Pan Image".

namespace rovex {

class ShellOpener;
class UserPrompt;

inline constexpr const char* kAtlasHelpPage = "https://rovex.example.org/help/trekbuddy-atlas.html";

class CAtlasFolder final : public QDialog {
  Q_OBJECT
 public:
  CAtlasFolder(atlas::AtlasFolderModel& model, ShellOpener* shell, QWidget* parent = nullptr);
  void accept() override;
  QLineEdit* Folder() const { return m_folder; }
  QPushButton* ApplyAndView() const { return m_apply; }

 private:
  atlas::AtlasFolderModel& m_model;
  QLineEdit* m_folder;
  QPushButton* m_apply;
};

class CAtlasZoom final : public QDialog {
  Q_OBJECT
 public:
  CAtlasZoom(atlas::AtlasZoomModel& model, ShellOpener* shell, QWidget* parent = nullptr);
  void accept() override;
  QLineEdit* Level() const { return m_level; }

 private:
  atlas::AtlasZoomModel& m_model;
  QLineEdit* m_level;
};

class CDlgTrekbuddyKeys final : public QDialog {
  Q_OBJECT
 public:
  CDlgTrekbuddyKeys(std::vector<atlas::KeyRow>& rows, QWidget* parent = nullptr);
};

class CDialogMakePanFile final : public QDialog {
  Q_OBJECT
 public:
  CDialogMakePanFile(atlas::MakePanModel& model, UserPrompt* prompt, ShellOpener* shell, QWidget* parent = nullptr);
  QPushButton* CreateButton() const { return m_create; }
  QProgressBar* Progress() const { return m_progress; }
  // Runs "Create pan.jpg file"; the result is also shown to the user.
  atlas::PanResult Create();
  // Asks a running job to stop at its next column.
  void CancelJob() { m_cancel = true; }

 private:
  atlas::MakePanModel& m_model;
  UserPrompt* m_prompt;
  QLineEdit* m_folder;
  QPushButton* m_create;
  QPushButton* m_cancelButton;
  QProgressBar* m_progress;
  bool m_cancel = false;
  bool m_running = false;
};

}  // namespace rovex
