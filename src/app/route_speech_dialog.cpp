#include "app/route_speech_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"

namespace rovex {

CDlg_Route_MSAgent::CDlg_Route_MSAgent(RouteSpeechOptionsModel& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
  setWindowTitle(QString::fromLatin1(RouteSpeechOptionsModel::kTitle));
  auto* layout = new QVBoxLayout(this);
  auto* timing = new QGroupBox(QStringLiteral("Speech Timing"), this);
  auto* timingLayout = new QVBoxLayout(timing);
  m_motorway = new QCheckBox(QStringLiteral("&Motorway"), timing);
  m_country = new QCheckBox(QStringLiteral("Cou&ntry"), timing);
  m_town = new QCheckBox(QStringLiteral("&Town"), timing);
  for (QCheckBox* box : {m_motorway, m_country, m_town}) timingLayout->addWidget(box);
  m_enable = new QCheckBox(QStringLiteral("&Enable route step speech"), this);
  ShowModel();
  Tick(m_motorway, RouteSpeechOptionsModel::Timing::Motorway);
  Tick(m_country, RouteSpeechOptionsModel::Timing::Country);
  Tick(m_town, RouteSpeechOptionsModel::Timing::Town);
  connect(m_enable, &QCheckBox::clicked, this, [this] {
    m_model.ClickEnable();
    m_enable->setChecked(m_model.enabled);
  });

  layout->addWidget(timing);
  layout->addWidget(m_enable);
  for (const char* note : {"The espeak-ng speech engine is used to speak the route steps.",
                           "Motorway gives the largest distance, Town the shortest distance.",
                           "The speech timing selects the distance at which a route step is spoken before the step is "
                           "reached."}) {
    auto* label = new QLabel(QString::fromLatin1(note), this);
    label->setWordWrap(true);
    layout->addWidget(label);
  }
  layout->addWidget(OkCancelButtons(this));
  setMinimumWidth(420);
}

void CDlg_Route_MSAgent::Tick(QCheckBox* box, RouteSpeechOptionsModel::Timing timing) {
  connect(box, &QCheckBox::clicked, this, [this, box, timing](bool checked) {
    if (checked) {
      m_model.TickTiming(timing);
    } else {
      // Unticking clears only that box.
      if (box == m_motorway) m_model.motorway = false;
      if (box == m_country) m_model.country = false;
      if (box == m_town) m_model.town = false;
    }
    ShowModel();
  });
}

void CDlg_Route_MSAgent::ShowModel() {
  m_motorway->setChecked(m_model.motorway);
  m_country->setChecked(m_model.country);
  m_town->setChecked(m_model.town);
  m_enable->setChecked(m_model.enabled);
}

void CDlg_Route_MSAgent::accept() {
  m_model.motorway = m_motorway->isChecked();
  m_model.country = m_country->isChecked();
  m_model.town = m_town->isChecked();
  QDialog::accept();
}

}  // namespace rovex
