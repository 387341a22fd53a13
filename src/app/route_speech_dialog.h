#pragma once

#include <QDialog>

#include "routes/route_speech_options_model.h"

class QCheckBox;

// "Route speech options" (CDlg_Route_MSAgent): the distance at which route
// steps are spoken (motorway, country or town) and the switch for spoken
// route steps, which is written the moment it is clicked. OK hands the
// timing to the model; the caller stores it.

namespace rovex {

class CDlg_Route_MSAgent final : public QDialog {
  Q_OBJECT
 public:
  CDlg_Route_MSAgent(RouteSpeechOptionsModel& model, QWidget* parent = nullptr);
  void accept() override;
  QCheckBox* Motorway() const { return m_motorway; }
  QCheckBox* Country() const { return m_country; }
  QCheckBox* Town() const { return m_town; }
  QCheckBox* Enable() const { return m_enable; }

 private:
  void Tick(QCheckBox* box, RouteSpeechOptionsModel::Timing timing);
  void ShowModel();

  RouteSpeechOptionsModel& m_model;
  QCheckBox* m_motorway;
  QCheckBox* m_country;
  QCheckBox* m_town;
  QCheckBox* m_enable;
};

}  // namespace rovex
