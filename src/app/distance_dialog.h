#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;

// The "Get distance to a location" window on its rules (CDlgDistance): two
// points, Calculate, the distance in kilometres. The second point calculated
// becomes the location that WM_DISTANCE_TO_LOCATION measures to.

namespace rovex {

class CDlgDistance;

class CDistanceDlg final : public QDialog {
  Q_OBJECT
 public:
  explicit CDistanceDlg(CDlgDistance& model, QWidget* parent = nullptr);
  void Calculate();

 private:
  CDlgDistance& m_model;
  QLineEdit* m_edits[5];
};

}  // namespace rovex
