#include "app/option_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "qtplatform/qt_user_prompt.h"
#include "settings/map_scale_model.h"
#include "settings/specs_options_model.h"
#include "settings/speed_setup_model.h"
#include "settings/time_zone_model.h"
#include "settings/tracking_options_model.h"

namespace rovex {
CSpeedSetup::CSpeedSetup(RegistrySettings& settings, QWidget* parent) : QDialog(parent), m_settings(settings) {
  setWindowTitle(QStringLiteral("Speed Setup"));
  auto* layout = new QVBoxLayout(this);
  const char* labels[3] = {"&MPH", "&Kilometres per hour", "K&nots"};
  for (int i = 0; i < 3; ++i) {
    m_buttons[i] = new QRadioButton(QString::fromLatin1(labels[i]), this);
    layout->addWidget(m_buttons[i]);
  }
  // None is checked when the stored value is missing or unknown.
  auto* group = new QButtonGroup(this);
  group->setExclusive(false);
  for (auto* b : m_buttons) group->addButton(b);
  if (auto units = SpeedSetupModel::Open(settings)) m_buttons[*units]->setChecked(true);
  group->setExclusive(true);
  layout->addWidget(OkCancelButtons(this));
}

void CSpeedSetup::accept() {
  SpeedSetupModel::Ok(m_settings, m_buttons[0]->isChecked(), m_buttons[1]->isChecked(), m_buttons[2]->isChecked());
  QDialog::accept();
}

CDlg_Timezone::CDlg_Timezone(RegistrySettings& settings, QWidget* parent) : QDialog(parent), m_settings(settings) {
  setWindowTitle(QStringLiteral("Time Zone"));
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(QString::fromLatin1(TimeZoneModel::kPrompt), this);
  m_edit = new QLineEdit(FromSystemText(TimeZoneModel::Open(settings)), this);
  m_edit->setMaxLength(50);
  label->setBuddy(m_edit);
  layout->addWidget(label);
  layout->addWidget(m_edit);
  layout->addWidget(OkCancelButtons(this));
}

void CDlg_Timezone::accept() {
  TimeZoneModel::Ok(m_settings, ToSystemText(m_edit->text()));
  QDialog::accept();
}

CDlgTrackingOptions::CDlgTrackingOptions(RegistrySettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
  setWindowTitle(QStringLiteral("Track logging options"));
  auto v = TrackingOptionsModel::Open(settings);
  auto* layout = new QVBoxLayout(this);
  m_log = new QCheckBox(QStringLiteral("&Log track"), this);
  m_display = new QCheckBox(QStringLiteral("&Display track"), this);
  m_log->setChecked(v.logTrack);
  m_display->setChecked(v.displayTrack);
  auto* lengthLabel = new QLabel(QStringLiteral("&Record length (500 to 5000)"), this);
  m_length = new QLineEdit(QString::fromStdString(v.recordLength), this);
  lengthLabel->setBuddy(m_length);
  auto* note = new QLabel(QString::fromLatin1(TrackingOptionsModel::kNote), this);
  note->setWordWrap(true);
  layout->addWidget(m_log);
  layout->addWidget(m_display);
  layout->addWidget(lengthLabel);
  layout->addWidget(m_length);
  layout->addWidget(note);
  layout->addWidget(OkCancelButtons(this));
  setMinimumWidth(380);
}

void CDlgTrackingOptions::accept() {
  TrackingOptionsModel::Ok(m_settings,
                           {m_log->isChecked(), m_display->isChecked(), ToSystemText(m_length->text())});
  QDialog::accept();
}

CMapScale::CMapScale(RegistrySettings& settings, QWidget* parent) : QDialog(parent), m_settings(settings) {
  setWindowTitle(QStringLiteral("Set Map Scale"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Select map width."), this));
  auto* box = new QGroupBox(QStringLiteral("Map Radius"), this);
  auto* grid = new QGridLayout(box);
  m_group = new QButtonGroup(this);
  m_group->setExclusive(false);
  for (size_t i = 0; i < MapScaleModel::kLabels.size(); ++i) {
    m_buttons[i] = new QRadioButton(QStringLiteral("&") + QString::fromLatin1(MapScaleModel::kLabels[i]), box);
    m_group->addButton(m_buttons[i], static_cast<int>(i));
    grid->addWidget(m_buttons[i], static_cast<int>(i % 4), static_cast<int>(i / 4));
  }
  if (auto checked = MapScaleModel::Open(settings)) m_buttons[*checked]->setChecked(true);
  m_group->setExclusive(true);
  layout->addWidget(box);
  layout->addWidget(OkCancelButtons(this));
}

void CMapScale::accept() {
  std::optional<size_t> checked;
  if (m_group->checkedId() >= 0) checked = static_cast<size_t>(m_group->checkedId());
  MapScaleModel::Ok(m_settings, checked);
  QDialog::accept();
}

CDlg_SpecsAverageSpeed::CDlg_SpecsAverageSpeed(RegistrySettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
  setWindowTitle(QStringLiteral("Specs options"));
  auto* layout = new QVBoxLayout(this);
  m_enable = new QCheckBox(QStringLiteral("&Enable specs average speed "), this);
  m_enable->setChecked(SpecsOptionsModel::Open(settings));
  layout->addWidget(m_enable);
  layout->addWidget(OkCancelButtons(this));
}

void CDlg_SpecsAverageSpeed::accept() {
  SpecsOptionsModel::Ok(m_settings, m_enable->isChecked());
  QDialog::accept();
}

}  // namespace rovex
