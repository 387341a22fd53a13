#pragma once

#include <QDialog>

#include "routes/route_options_model.h"

class QCheckBox;

// "Route options" (CDLG_ROUTE_OPTIONS): what the route view writes beside its
// points, and whether a route's excluded cameras are honoured and announced.
// OK hands the ticks to the values; the caller stores them.

namespace rovex {

class CDLG_ROUTE_OPTIONS final : public QDialog {
  Q_OBJECT
 public:
  CDLG_ROUTE_OPTIONS(RouteOptionsModel::Values& values, QWidget* parent = nullptr);
  void accept() override;
  QCheckBox* PointNumber() const { return m_number; }
  QCheckBox* Text1() const { return m_text1; }
  QCheckBox* Text2() const { return m_text2; }
  QCheckBox* ExcludeCameras() const { return m_exclude; }
  QCheckBox* SayExcluded() const { return m_say; }

 private:
  RouteOptionsModel::Values& m_values;
  QCheckBox* m_number;
  QCheckBox* m_text1;
  QCheckBox* m_text2;
  QCheckBox* m_exclude;
  QCheckBox* m_say;
};

}  // namespace rovex
