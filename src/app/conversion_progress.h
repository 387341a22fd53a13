#pragma once

#include <cstdint>
#include <memory>

#include "converters/converter_result.h"

class QProgressDialog;
class QWidget;

// Keeps the window alive during a conversion run from a dialog's button: an
// input of some size gets a progress window, modal to the dialog, whose
// Cancel stops the conversion, and the window's events are handled at each
// report. Small inputs convert in a blink and show nothing.

namespace rovex {

class ConversionProgress {
 public:
  // Inputs from this size on show the progress window (and so do inputs of unknown size).
  static constexpr uint64_t kShowFrom = 1u << 20;

  explicit ConversionProgress(QWidget* owner);
  ~ConversionProgress();
  ConversionProgress(const ConversionProgress&) = delete;
  ConversionProgress& operator=(const ConversionProgress&) = delete;

  // Hand this to the conversion; it lives as long as this object.
  converters::ProgressFunction Function();

 private:
  bool Report(uint64_t done, uint64_t total);

  QWidget* m_owner;
  std::unique_ptr<QProgressDialog> m_window;
};

}  // namespace rovex
