#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;

// The "Com Settings" window on its rules (CComSettingsDlg): the port chosen
// from the ports present or typed (a network source), four editable lists for
// the line settings, the any-talker box, OK and Cancel.

namespace rovex {

class CComSettingsDlg;

class ComSettingsWindow final : public QDialog {
  Q_OBJECT
 public:
  ComSettingsWindow(CComSettingsDlg& model, QWidget* parent = nullptr);
  void accept() override;

  QComboBox* Port() const { return m_port; }
  QComboBox* Speed() const { return m_speed; }
  QComboBox* Parity() const { return m_parity; }
  QComboBox* DataBits() const { return m_dataBits; }
  QComboBox* StopBits() const { return m_stopBits; }
  QCheckBox* AnyTalker() const { return m_anyTalker; }

 private:
  CComSettingsDlg& m_model;
  QComboBox* m_port;
  QComboBox* m_speed;
  QComboBox* m_parity;
  QComboBox* m_dataBits;
  QComboBox* m_stopBits;
  QCheckBox* m_anyTalker;
};

}  // namespace rovex
