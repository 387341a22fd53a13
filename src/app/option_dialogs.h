#pragma once

#include <QDialog>

#include "settings/registry_settings.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QRadioButton;

// The small option dialogs of the Options menu. Each reads its values from the
// settings when it opens and writes them through its model on OK; the caller
// re-reads the values afterwards whatever the user chose.

namespace rovex {

class CSpeedSetup : public QDialog {
  Q_OBJECT
 public:
  CSpeedSetup(RegistrySettings& settings, QWidget* parent = nullptr);
  void accept() override;
  QRadioButton* Button(int units) const { return m_buttons[units]; }

 private:
  RegistrySettings& m_settings;
  QRadioButton* m_buttons[3];
};

class CDlg_Timezone : public QDialog {
  Q_OBJECT
 public:
  CDlg_Timezone(RegistrySettings& settings, QWidget* parent = nullptr);
  void accept() override;
  QLineEdit* Edit() const { return m_edit; }

 private:
  RegistrySettings& m_settings;
  QLineEdit* m_edit;
};

class CDlgTrackingOptions : public QDialog {
  Q_OBJECT
 public:
  CDlgTrackingOptions(RegistrySettings& settings, QWidget* parent = nullptr);
  void accept() override;
  QCheckBox* LogTrack() const { return m_log; }
  QCheckBox* DisplayTrack() const { return m_display; }
  QLineEdit* RecordLength() const { return m_length; }

 private:
  RegistrySettings& m_settings;
  QCheckBox* m_log;
  QCheckBox* m_display;
  QLineEdit* m_length;
};

class CMapScale : public QDialog {
  Q_OBJECT
 public:
  CMapScale(RegistrySettings& settings, QWidget* parent = nullptr);
  void accept() override;
  QRadioButton* Button(size_t index) const { return m_buttons[index]; }

 private:
  RegistrySettings& m_settings;
  QButtonGroup* m_group;
  QRadioButton* m_buttons[8];
};

class CDlg_SpecsAverageSpeed : public QDialog {
  Q_OBJECT
 public:
  CDlg_SpecsAverageSpeed(RegistrySettings& settings, QWidget* parent = nullptr);
  void accept() override;
  QCheckBox* Enable() const { return m_enable; }

 private:
  RegistrySettings& m_settings;
  QCheckBox* m_enable;
};

}  // namespace rovex
