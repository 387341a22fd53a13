#pragma once

#include "app/convert_window.h"

// The "Convert JOSM GPX to map project" dialog: a GPX file of several track
// sections into one NMEA log a section and a track editor map that lists
// them. Convert may be pressed again; OK closes.

namespace rovex {

namespace converters {
class ConvertJosmDialog;
}

class CDlgConvertJOSM final : public ConvertWindow {
  Q_OBJECT
 public:
  CDlgConvertJOSM(converters::ConvertJosmDialog& model, UserPrompt& prompt, QWidget* parent = nullptr);

  QPushButton* ConvertButton() const { return m_convert; }

 private:
  void Convert() override;

  converters::ConvertJosmDialog& m_model;
  QPushButton* m_convert;
};

}  // namespace rovex
