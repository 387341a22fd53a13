#pragma once

#include <QTableWidget>

#include "cameras/camera_table.h"

// A read-only table showing a camera list dialog's rows, with its columns' titles and widths.

namespace rovex {

class CameraTableWidget final : public QTableWidget {
  Q_OBJECT
 public:
  explicit CameraTableWidget(QWidget* parent = nullptr);
  void Show(const CameraTable& table);
};

}  // namespace rovex
