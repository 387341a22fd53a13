#pragma once

#include <QDialog>
#include <vector>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// The three OSM to GPX dialogs. The plain one has the two file boxes and
// Convert; the extractors add the area, the POI and translate options, the
// exclusion boxes with their three buttons and "&Get bounds".

namespace rovex {

class FileBox;
class UserPrompt;
namespace converters {
class OsmGpxDialog;
struct ConvertOsmGpxDialog;
struct ConvertBigOsmGpxDialog;
struct ConvertFastOsmGpxDialog;
}  // namespace converters

class OsmGpxWindow : public QDialog {
  Q_OBJECT
 public:
  FileBox* Source() const { return m_source; }
  FileBox* Destination() const { return m_destination; }
  QPushButton* ConvertButton() const { return m_convert; }
  // The extractors' controls; null in the plain dialog.
  QLineEdit* Top() const { return m_edges[0]; }
  QLineEdit* Bottom() const { return m_edges[1]; }
  QLineEdit* Left() const { return m_edges[2]; }
  QLineEdit* Right() const { return m_edges[3]; }
  QCheckBox* Translate() const { return m_translate; }
  QCheckBox* IncludePoi() const { return m_poi; }
  const std::vector<QCheckBox*>& ExclusionBoxes() const { return m_exclusions; }
  QPushButton* DefaultButton() const { return m_default; }
  QPushButton* AllButton() const { return m_all; }
  QPushButton* NoneButton() const { return m_none; }
  QPushButton* GetBoundsButton() const { return m_getBounds; }

 protected:
  OsmGpxWindow(converters::OsmGpxDialog& model, UserPrompt& prompt, QWidget* parent);

 private:
  void AddAreaControls();
  void TakeValues();
  void ShowValues();
  void Convert();

  converters::OsmGpxDialog& m_model;
  UserPrompt& m_prompt;
  QVBoxLayout* m_layout;
  FileBox* m_source;
  FileBox* m_destination;
  QPushButton* m_convert = nullptr;
  QLineEdit* m_edges[4] = {};
  QCheckBox* m_translate = nullptr;
  QCheckBox* m_poi = nullptr;
  std::vector<QCheckBox*> m_exclusions;
  QPushButton* m_default = nullptr;
  QPushButton* m_all = nullptr;
  QPushButton* m_none = nullptr;
  QPushButton* m_getBounds = nullptr;
};

class CDlgConvertOSM_GPX final : public OsmGpxWindow {
  Q_OBJECT
 public:
  CDlgConvertOSM_GPX(converters::ConvertOsmGpxDialog& model, UserPrompt& prompt, QWidget* parent = nullptr);
};

class CDlgConvertBigOSM_GPX final : public OsmGpxWindow {
  Q_OBJECT
 public:
  CDlgConvertBigOSM_GPX(converters::ConvertBigOsmGpxDialog& model, UserPrompt& prompt, QWidget* parent = nullptr);
};

class CDlgConvertOSMtoOSM final : public OsmGpxWindow {
  Q_OBJECT
 public:
  CDlgConvertOSMtoOSM(converters::ConvertFastOsmGpxDialog& model, UserPrompt& prompt, QWidget* parent = nullptr);
};

}  // namespace rovex
