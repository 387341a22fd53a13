#include "app/osm_gpx_window.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/conversion_progress.h"
#include "app/dialog_buttons.h"
#include "app/file_box.h"
#include "converters/osm_gpx_dialog.h"
#include "platform/user_prompt.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

using converters::OsmGpxDialog;
using converters::OsmGpxVariant;

namespace {

constexpr int kExclusionColumns = 4;

QPushButton* ActionButton(const char* text, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(text), parent);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

OsmGpxWindow::OsmGpxWindow(OsmGpxDialog& model, UserPrompt& prompt, QWidget* parent)
    : QDialog(parent), m_model(model), m_prompt(prompt), m_layout(new QVBoxLayout(this)) {
  setWindowTitle(FromSystemText(model.Title()));
  m_source = SourceFileBox(QStringLiteral("Source OSM file"), QStringLiteral("&Browse..."), m_prompt,
                           OsmGpxDialog::kOsmFilter, this);
  // The overwrite question is the conversion's own.
  m_destination = OutputFileBox(QStringLiteral("Destination GPX file"), QStringLiteral("B&rowse..."), m_prompt,
                                OsmGpxDialog::kGpxFilter, this);
  m_layout->addWidget(m_source);
  m_layout->addWidget(m_destination);
  if (model.Variant() != OsmGpxVariant::Normal) AddAreaControls();
  m_convert = ActionButton(model.ConvertText(), this);
  connect(m_convert, &QPushButton::clicked, this, [this] { Convert(); });
  m_layout->addLayout(ActionsThenOk(this, {m_convert}));
  setMinimumWidth(480);
  ShowValues();
}

void OsmGpxWindow::AddAreaControls() {
  auto* area = new QGroupBox(QStringLiteral("Area coordinates"), this);
  auto* form = new QFormLayout(area);
  const char* labels[4] = {"Latitude of top.", "Latitude of bottom.", "Longitude of left.", "Longitude of right."};
  for (int k = 0; k < 4; ++k) {
    m_edges[k] = new QLineEdit(area);
    form->addRow(QString::fromUtf8(labels[k]), m_edges[k]);
  }
  m_getBounds = ActionButton("&Get bounds", area);
  form->addRow(QString(), m_getBounds);
  m_layout->addWidget(area);

  m_translate = new QCheckBox(QStringLiteral("&Translate unicode characters."), this);
  m_poi = new QCheckBox(QStringLiteral("&Include POI"), this);
  auto* options = new QHBoxLayout;
  options->addWidget(m_translate);
  options->addWidget(m_poi);
  options->addStretch(1);
  m_layout->addLayout(options);

  auto* group = new QGroupBox(FromSystemText(m_model.ExclusionHeading()), this);
  auto* column = new QVBoxLayout(group);
  auto* grid = new QGridLayout;
  const auto& rows = m_model.Exclusions();
  for (size_t k = 0; k < rows.size(); ++k) {
    auto* box = new QCheckBox(QString::fromUtf8(rows[k]->keyword), group);
    grid->addWidget(box, static_cast<int>(k) / kExclusionColumns, static_cast<int>(k) % kExclusionColumns);
    m_exclusions.push_back(box);
  }
  column->addLayout(grid);
  auto* buttons = new QHBoxLayout;
  m_default = ActionButton("&Default", group);
  m_all = ActionButton("&All", group);
  m_none = ActionButton("&None", group);
  buttons->addWidget(m_default);
  buttons->addWidget(m_all);
  buttons->addWidget(m_none);
  buttons->addStretch(1);
  column->addLayout(buttons);
  m_layout->addWidget(group);

  // Each button: the boxes into the model, its change, the model back into the boxes.
  const auto apply = [this](auto change) {
    return [this, change] {
      TakeValues();
      change(m_model);
      ShowValues();
    };
  };
  connect(m_default, &QPushButton::clicked, this, apply([](OsmGpxDialog& model) { model.Default(); }));
  connect(m_all, &QPushButton::clicked, this, apply([](OsmGpxDialog& model) { model.All(); }));
  connect(m_none, &QPushButton::clicked, this, apply([](OsmGpxDialog& model) { model.None(); }));
  connect(m_getBounds, &QPushButton::clicked, this, [this] {
    TakeValues();
    m_model.GetBounds(m_prompt);
    ShowValues();
  });
}

void OsmGpxWindow::TakeValues() {
  m_model.source = m_source->Text();
  m_model.destination = m_destination->Text();
  if (!m_translate) return;
  std::string* edges[4] = {&m_model.top, &m_model.bottom, &m_model.left, &m_model.right};
  for (int k = 0; k < 4; ++k) *edges[k] = ToSystemText(m_edges[k]->text());
  m_model.translate = m_translate->isChecked();
  m_model.includePoi = m_poi->isChecked();
  for (size_t k = 0; k < m_exclusions.size(); ++k) m_model.excluded[k] = m_exclusions[k]->isChecked();
}

void OsmGpxWindow::ShowValues() {
  m_source->SetText(m_model.source);
  m_destination->SetText(m_model.destination);
  if (!m_translate) return;
  const std::string* edges[4] = {&m_model.top, &m_model.bottom, &m_model.left, &m_model.right};
  for (int k = 0; k < 4; ++k) m_edges[k]->setText(FromSystemText(*edges[k]));
  m_translate->setChecked(m_model.translate);
  m_poi->setChecked(m_model.includePoi);
  for (size_t k = 0; k < m_exclusions.size(); ++k) m_exclusions[k]->setChecked(m_model.excluded[k]);
}

void OsmGpxWindow::Convert() {
  TakeValues();
  ConversionProgress progress(this);
  m_model.Convert(m_prompt, progress.Function());
}

CDlgConvertOSM_GPX::CDlgConvertOSM_GPX(converters::ConvertOsmGpxDialog& model, UserPrompt& prompt, QWidget* parent)
    : OsmGpxWindow(model, prompt, parent) {}

CDlgConvertBigOSM_GPX::CDlgConvertBigOSM_GPX(converters::ConvertBigOsmGpxDialog& model, UserPrompt& prompt,
                                             QWidget* parent)
    : OsmGpxWindow(model, prompt, parent) {}

CDlgConvertOSMtoOSM::CDlgConvertOSMtoOSM(converters::ConvertFastOsmGpxDialog& model, UserPrompt& prompt,
                                         QWidget* parent)
    : OsmGpxWindow(model, prompt, parent) {}

}  // namespace rovex
