#include "app/speedcam_window.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/conversion_progress.h"
#include "app/dialog_buttons.h"
#include "app/file_box.h"
#include "converters/speedcam_dialog.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

using converters::SpeedcamDialog;

DlgSpeedcam::DlgSpeedcam(SpeedcamDialog& model, UserPrompt& prompt, QWidget* parent)
    : QDialog(parent), m_model(model), m_prompt(prompt) {
  setWindowTitle(FromSystemText(SpeedcamDialog::kTitle));
  setMinimumWidth(480);
  auto* layout = new QVBoxLayout(this);
  AddHint(layout, SpeedcamDialog::kIntro, this);
  m_source = SourceFileBox(QStringLiteral("Source OSM file"), QStringLiteral("&Browse"), m_prompt,
                           SpeedcamDialog::kSourceFilter, this);
  // The overwrite question is asked when extracting.
  m_destination = OutputFileBox(QStringLiteral("Destination text file"), QStringLiteral("Bro&wse"), m_prompt,
                                SpeedcamDialog::kDestinationFilter, this);
  m_source->SetText(model.source);
  m_destination->SetText(model.destination);
  layout->addWidget(m_source);
  layout->addWidget(m_destination);
  AddHint(layout, SpeedcamDialog::kTypesHint, this);
  AddHint(layout, SpeedcamDialog::kTimeHint, this);

  m_rovex = new QPushButton(QStringLiteral("Extract to ROVEX file"), this);
  m_igo = new QPushButton(QStringLiteral("Extract to IGO file"), this);
  connect(m_rovex, &QPushButton::clicked, this, [this] { Extract(false); });
  connect(m_igo, &QPushButton::clicked, this, [this] { Extract(true); });
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  for (QPushButton* b : {m_rovex, m_igo}) {
    b->setAutoDefault(false);
    row->addWidget(b);
  }
  row->addWidget(OkCancelButtons(this));
  layout->addLayout(row);
}

void DlgSpeedcam::Extract(bool igo) {
  m_model.source = m_source->Text();
  m_model.destination = m_destination->Text();
  ConversionProgress progress(this);
  m_model.Extract(igo ? converters::SpeedcamOutput::Igo : converters::SpeedcamOutput::Rovex, m_prompt,
                  progress.Function());
}

}  // namespace rovex
