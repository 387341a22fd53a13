#pragma once

#include <QDialog>
#include <QWidget>

#include "settings/colours_model.h"
#include "settings/registry_settings.h"

class QLineEdit;

// "Display colours": the day and night panel colours, each pair with a live "Sample".

namespace rovex {

class ColourSample : public QWidget {
  Q_OBJECT
 public:
  explicit ColourSample(QWidget* parent = nullptr);
  void SetColours(Colour font, Colour back);
  Colour Font() const { return m_font; }
  Colour Back() const { return m_back; }
  QSize sizeHint() const override { return {150, 56}; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  Colour m_font;
  Colour m_back;
};

class CDLG_Colours : public QDialog {
  Q_OBJECT
 public:
  CDLG_Colours(RegistrySettings& settings, QWidget* parent = nullptr);
  void accept() override;
  QLineEdit* Field(ColoursModel::Which which, int component) const { return m_edits[which][component]; }
  ColourSample* Sample(ColoursModel::Which which) const { return m_samples[which]; }
  // The picker used by the Pick buttons; tests replace it.
  std::function<std::optional<Colour>(QWidget*)> pickColour;

 private:
  ColoursModel::Fields Fields() const;
  void UpdateSamples();

  RegistrySettings& m_settings;
  QLineEdit* m_edits[4][3];
  ColourSample* m_samples[4];  // one beside each colour, showing its set's pair
};

}  // namespace rovex
