#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
class QTreeWidget;

// The "Convert multi PocketGPS file(s) to CSV file" dialog: a list of camera
// lists converted one after the other into one camera file. Convert may be
// pressed again; OK closes.

namespace rovex {

class FileBox;
class UserPrompt;
namespace converters {
class MultiCameraConvertDialog;
}

class CDlgMultiCameraConvert final : public QDialog {
  Q_OBJECT
 public:
  CDlgMultiCameraConvert(converters::MultiCameraConvertDialog& model, UserPrompt& prompt, QWidget* parent = nullptr);

  QTreeWidget* Sources() const { return m_sources; }
  QPushButton* AddButton() const { return m_add; }
  QPushButton* RemoveButton() const { return m_remove; }
  FileBox* Destination() const { return m_destination; }
  QCheckBox* Append() const { return m_append; }
  QCheckBox* TypePrefix() const { return m_typePrefix; }
  QPushButton* ConvertButton() const { return m_convert; }

 private:
  void AddFiles();
  void RemoveSelected();
  void ShowSources();
  void Convert();

  converters::MultiCameraConvertDialog& m_model;
  UserPrompt& m_prompt;
  QTreeWidget* m_sources;
  QPushButton* m_add;
  QPushButton* m_remove;
  FileBox* m_destination;
  QCheckBox* m_append;
  QCheckBox* m_typePrefix;
  QPushButton* m_convert;
};

}  // namespace rovex
