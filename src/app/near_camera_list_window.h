#pragma once

#include <QDialog>

#include "cameras/camera_table.h"

class QPushButton;

// "Near Camera List": the nearby cameras with their distances. The table
// fills the window below the button row and follows its size.

namespace rovex {

class CameraTableWidget;

class NearCameraListWindow final : public QDialog {
  Q_OBJECT
 public:
  NearCameraListWindow(const CameraTable& table, QWidget* parent = nullptr);
  CameraTableWidget* Table() const { return m_table; }
  QPushButton* OkButton() const { return m_ok; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  CameraTableWidget* m_table;
  QPushButton* m_ok;
};

}  // namespace rovex
