#include "app/colour_picker_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace rovex {

using C = ColourPickerModel::Component;

ColourField::ColourField(ColourPickerModel& model, QWidget* parent) : QWidget(parent), m_model(model) {
  setMinimumSize(200, 200);
  setCursor(Qt::CrossCursor);
}

void ColourField::SetComponent(C c) {
  m_component = c;
  update();
}

void ColourField::Axes(C* x, C* y) const {
  switch (m_component) {
    case C::R: *x = C::B; *y = C::G; break;
    case C::G: *x = C::B; *y = C::R; break;
    case C::B: *x = C::R; *y = C::G; break;
    case C::H: *x = C::S; *y = C::V; break;
    case C::S: *x = C::H; *y = C::V; break;
    case C::V: *x = C::H; *y = C::S; break;
  }
}

void ColourField::paintEvent(QPaintEvent*) {
  C ax, ay;
  Axes(&ax, &ay);
  const int w = width(), h = height();
  QImage img(w, h, QImage::Format_RGB32);
  ColourPickerModel probe = m_model;
  for (int py = 0; py < h; ++py) {
    probe.Set(ay, (h - 1 - py) * ColourPickerModel::Max(ay) / std::max(1, h - 1));
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(py));
    for (int px = 0; px < w; ++px) {
      probe.Set(ax, px * ColourPickerModel::Max(ax) / std::max(1, w - 1));
      Colour c = probe.Rgb();
      line[px] = qRgb(c.red, c.green, c.blue);
    }
  }
  QPainter p(this);
  p.drawImage(0, 0, img);
  // The current colour's place, drawn in a colour that shows on any background.
  int cx = m_model.Get(ax) * (w - 1) / ColourPickerModel::Max(ax);
  int cy = h - 1 - m_model.Get(ay) * (h - 1) / ColourPickerModel::Max(ay);
  p.setPen(QPen(Qt::white, 2));
  p.drawEllipse(QPoint(cx, cy), 6, 6);
  p.setPen(QPen(Qt::black, 1));
  p.drawEllipse(QPoint(cx, cy), 8, 8);
}

void ColourField::PickAt(QPoint p) {
  C ax, ay;
  Axes(&ax, &ay);
  int x = std::clamp(p.x(), 0, width() - 1), y = std::clamp(p.y(), 0, height() - 1);
  m_model.Set(ax, x * ColourPickerModel::Max(ax) / std::max(1, width() - 1));
  m_model.Set(ay, (height() - 1 - y) * ColourPickerModel::Max(ay) / std::max(1, height() - 1));
  update();
  emit Changed();
}

void ColourField::mousePressEvent(QMouseEvent* e) { PickAt(e->position().toPoint()); }
void ColourField::mouseMoveEvent(QMouseEvent* e) {
  if (e->buttons() & Qt::LeftButton) PickAt(e->position().toPoint());
}

CColourPickerDlg::CColourPickerDlg(Colour start, QWidget* parent) : QDialog(parent), m_model(start) {
  setWindowTitle(QStringLiteral("Colour picker"));
  auto* top = new QHBoxLayout;
  m_field = new ColourField(m_model, this);
  m_slider = new QSlider(Qt::Vertical, this);
  top->addWidget(m_field, 1);
  top->addWidget(m_slider);

  auto* grid = new QGridLayout;
  const char* names[6] = {"&R:", "&G:", "&B:", "&H:", "&S:", "&V:"};
  for (int i = 0; i < 6; ++i) {
    m_radios[i] = new QRadioButton(QString::fromLatin1(names[i]), this);
    m_edits[i] = new QLineEdit(this);
    m_edits[i]->setValidator(new QIntValidator(0, ColourPickerModel::Max(C(i)), m_edits[i]));
    m_edits[i]->setMaximumWidth(60);
    grid->addWidget(m_radios[i], i % 3, (i / 3) * 2);
    grid->addWidget(m_edits[i], i % 3, (i / 3) * 2 + 1);
    connect(m_radios[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (!on) return;
      m_component = C(i);
      m_field->SetComponent(m_component);
      Refresh();
    });
    connect(m_edits[i], &QLineEdit::textEdited, this, [this, i](const QString& t) {
      m_model.Set(C(i), t.toInt());
      Refresh();
    });
  }
  m_swatch = new QWidget(this);
  m_swatch->setMinimumSize(60, 40);
  m_swatch->setAutoFillBackground(true);
  grid->addWidget(m_swatch, 0, 4, 3, 1);
  m_radios[C::H]->setChecked(true);

  connect(m_slider, &QSlider::valueChanged, this, [this](int v) {
    if (m_refreshing) return;
    m_model.Set(m_component, v);
    Refresh();
  });
  connect(m_field, &ColourField::Changed, this, [this] { Refresh(); });

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(grid);
  layout->addWidget(buttons);
  Refresh();
}

void CColourPickerDlg::Refresh() {
  m_refreshing = true;
  m_slider->setRange(0, ColourPickerModel::Max(m_component));
  m_slider->setValue(m_model.Get(m_component));
  for (int i = 0; i < 6; ++i) {
    // Leave the edit being typed in alone, so the caret does not jump.
    if (!m_edits[i]->hasFocus()) m_edits[i]->setText(QString::number(m_model.Get(C(i))));
  }
  Colour c = m_model.Rgb();
  QPalette pal = m_swatch->palette();
  pal.setColor(QPalette::Window, QColor(c.red, c.green, c.blue));
  m_swatch->setPalette(pal);
  m_field->update();
  m_refreshing = false;
}

}  // namespace rovex
