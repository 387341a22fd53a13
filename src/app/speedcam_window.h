#pragma once

#include <QDialog>

class QPushButton;

// The "Extract speedcams from an OSM file" dialog: the speed cameras of an OSM
// file into the camera file or an iGO file. Each extract button may be
// pressed again; OK closes.

namespace rovex {

namespace converters {
class SpeedcamDialog;
}

class FileBox;
class UserPrompt;

class DlgSpeedcam final : public QDialog {
  Q_OBJECT
 public:
  DlgSpeedcam(converters::SpeedcamDialog& model, UserPrompt& prompt, QWidget* parent = nullptr);

  FileBox* Source() const { return m_source; }
  FileBox* Destination() const { return m_destination; }
  QPushButton* RovexButton() const { return m_rovex; }
  QPushButton* IgoButton() const { return m_igo; }

 private:
  void Extract(bool igo);

  converters::SpeedcamDialog& m_model;
  UserPrompt& m_prompt;
  FileBox* m_source;
  FileBox* m_destination;
  QPushButton* m_rovex;
  QPushButton* m_igo;
};

}  // namespace rovex
