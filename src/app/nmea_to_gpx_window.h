#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The "NMEA log to GPX track or route file" dialog: the log's positions,
// thinned by distance and by change of course, shown in the points list and
// written as a GPX track or route; the GPX file can be copied to the clipboard.

namespace rovex {

class Clipboard;
class FileBox;
class UserPrompt;
namespace converters {
class NmeaToGpxDialog;
}

class CDialogNMEAToGPX final : public QDialog {
  Q_OBJECT
 public:
  CDialogNMEAToGPX(converters::NmeaToGpxDialog& model, UserPrompt& prompt, Clipboard& clipboard,
                   QWidget* parent = nullptr);

  FileBox* Log() const { return m_log; }
  FileBox* Output() const { return m_output; }
  QCheckBox* DistanceOn() const { return m_distanceOn; }
  QLineEdit* Distance() const { return m_distance; }
  QCheckBox* CourseOn() const { return m_courseOn; }
  QLineEdit* Course() const { return m_course; }
  QTreeWidget* Points() const { return m_points; }
  QPushButton* MakeTrackButton() const { return m_makeTrack; }
  QPushButton* MakeRouteButton() const { return m_makeRoute; }
  QPushButton* CopyButton() const { return m_copy; }

 private:
  void TakeValues();
  void ShowPoints();
  void Make(bool track);

  converters::NmeaToGpxDialog& m_model;
  UserPrompt& m_prompt;
  Clipboard& m_clipboard;
  FileBox* m_log;
  QCheckBox* m_distanceOn;
  QLineEdit* m_distance;
  QCheckBox* m_courseOn;
  QLineEdit* m_course;
  FileBox* m_output;
  QTreeWidget* m_points;
  QPushButton* m_makeTrack;
  QPushButton* m_makeRoute;
  QPushButton* m_copy;
};

}  // namespace rovex
