#pragma once

#include <QDialog>
#include <QImage>

#include "settings/colour_picker_model.h"

class QLineEdit;
class QRadioButton;
class QSlider;

// "Colour picker": a colour field, a slider for the chosen component, and an
// edit for each of R, G, B, H, S, V.

namespace rovex {

// The plane of the two components that the slider does not control.
class ColourField : public QWidget {
  Q_OBJECT
 public:
  explicit ColourField(ColourPickerModel& model, QWidget* parent = nullptr);
  void SetComponent(ColourPickerModel::Component c);
  QSize sizeHint() const override { return {256, 256}; }

 signals:
  void Changed();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;

 private:
  void Axes(ColourPickerModel::Component* x, ColourPickerModel::Component* y) const;
  void PickAt(QPoint p);

  ColourPickerModel& m_model;
  ColourPickerModel::Component m_component = ColourPickerModel::H;
};

class CColourPickerDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CColourPickerDlg(Colour start, QWidget* parent = nullptr);
  Colour Result() const { return m_model.Rgb(); }
  QLineEdit* Edit(ColourPickerModel::Component c) const { return m_edits[c]; }

 private:
  void Refresh();

  ColourPickerModel m_model;
  ColourPickerModel::Component m_component = ColourPickerModel::H;
  ColourField* m_field;
  QSlider* m_slider;
  QWidget* m_swatch;
  QRadioButton* m_radios[6];
  QLineEdit* m_edits[6];
  bool m_refreshing = false;
};

}  // namespace rovex
