#pragma once

#include "app/convert_window.h"

// The "Convert GPX Route to Route CSV file" and "Convert GPX track file to
// this programs route format" dialogs: a GPX file into a route file. The
// dialog stays open after each conversion; Cancel closes it.

namespace rovex {

namespace converters {
class GpxConvertDialog;
}

class CDlgGPXConvert final : public AppendConvertWindow {
  Q_OBJECT
 public:
  CDlgGPXConvert(converters::GpxConvertDialog& model, UserPrompt& prompt, QWidget* parent = nullptr);

 private:
  void Convert() override;

  converters::GpxConvertDialog& m_model;
};

// The track dialog is the same window on a track model.
using CDlgConvertGPXTrack = CDlgGPXConvert;

}  // namespace rovex
