#pragma once

#include <QDialog>
#include <string>

#include "atlas/atlas_print_model.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QProgressBar;
class QRadioButton;
class QSlider;

// "Print Trekbuddy map" (`CPrintDlg`): printer, paper, orientation, scale and
// margins for printing the current atlas layer on one page, with a preview of
// that page. The printer list ends with a PDF file, so printing works without
// a printer installed.

namespace rovex {

class UserPrompt;

// Prints the layer's page on the printer as set up from the model; the page is
// drawn by the same rules as the preview. False when the page could not start.
bool PrintAtlasPage(const atlas::AtlasPrintModel& model, QPrinter& printer, QProgressBar* progress = nullptr);
// Sets the printer's page from the model (paper, orientation, 300 dpi).
void SetUpAtlasPrinter(const atlas::AtlasPrintModel& model, QPrinter& printer);

class CPrintDlg final : public QDialog {
  Q_OBJECT
 public:
  CPrintDlg(atlas::AtlasPrintModel& model, UserPrompt* prompt, QWidget* parent = nullptr);

  // "Print": to the chosen printer, or to the PDF file named in the box.
  bool Print();
  QComboBox* Printers() const { return m_printers; }
  QComboBox* Papers() const { return m_papers; }
  QSlider* Slider() const { return m_slider; }
  QLineEdit* Dimensions() const { return m_dimensions; }
  QLineEdit* PdfFile() const { return m_pdfFile; }
  QLabel* Preview() const { return m_preview; }
  QLabel* SizeLine() const { return m_size; }

 private:
  void FillPapers();
  void TakeControls();
  void RedrawPreview();

  atlas::AtlasPrintModel& m_model;
  UserPrompt* m_prompt;
  QComboBox* m_printers;
  QRadioButton* m_portrait;
  QRadioButton* m_landscape;
  QRadioButton* m_allPapers;
  QRadioButton* m_residentPapers;
  QComboBox* m_papers;
  QLabel* m_size;
  QCheckBox* m_custom;
  QLineEdit* m_customWidth;
  QLineEdit* m_customHeight;
  QSlider* m_slider;
  QLineEdit* m_dimensions;
  QLineEdit* m_top;
  QLineEdit* m_left;
  QLineEdit* m_pdfFile;
  QLabel* m_preview;
  QProgressBar* m_progress;
};

}  // namespace rovex
