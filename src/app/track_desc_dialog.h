#pragma once

#include <QDialog>

#include "trackeditor/track_desc_model.h"

class QLineEdit;

namespace rovex {

// "Tracks Map Description".
class CDialogTrackDesc final : public QDialog {
  Q_OBJECT
 public:
  CDialogTrackDesc(trackeditor::TrackDescModel& model, QWidget* parent = nullptr);
  void accept() override;
  QLineEdit* Text() const { return m_text; }

 private:
  trackeditor::TrackDescModel& m_model;
  QLineEdit* m_text;
};

}  // namespace rovex
