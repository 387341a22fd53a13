#pragma once

#include <QDialog>

class QCheckBox;

// The "Convert GPX Route to Route CSV file" and "Convert GPX track file to
// this programs route format" dialogs: a GPX file into a route file. The
// dialog stays open after each conversion; Cancel closes it.

namespace rovex {

class FileBox;
class UserPrompt;
namespace converters {
class GpxConvertDialog;
}

class CDlgGPXConvert final : public QDialog {
  Q_OBJECT
 public:
  CDlgGPXConvert(converters::GpxConvertDialog& model, UserPrompt& prompt, QWidget* parent = nullptr);

  FileBox* Source() const { return m_source; }
  FileBox* Destination() const { return m_destination; }
  QCheckBox* Append() const { return m_append; }

 private:
  void Convert();

  converters::GpxConvertDialog& m_model;
  UserPrompt& m_prompt;
  FileBox* m_source;
  FileBox* m_destination;
  QCheckBox* m_append;
};

// The track dialog is the same window on a track model.
using CDlgConvertGPXTrack = CDlgGPXConvert;

}  // namespace rovex
