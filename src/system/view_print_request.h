#pragma once

#include <string>

// File "Print...", "Print Preview" and "Print Setup": the window prints its
// current view with the platform's print dialogs.

namespace rovex {

enum class ViewPrintAction { Print, Preview, Setup };

struct ViewPrintRequest {
  ViewPrintAction action = ViewPrintAction::Print;
  int mode = 0;
  std::string pdfFile;  // when set, printed to this PDF file without asking
};

// The print job's document name for a view mode.
inline const char* PrintDocumentName(int mode) {
  switch (mode) {
    case 1: return "ROVEX poi view print";
    case 2: return "ROVEX route view print";
    case 5: return "ROVEX track editor print";
    default: return "ROVEX map view print";
  }
}

}  // namespace rovex
