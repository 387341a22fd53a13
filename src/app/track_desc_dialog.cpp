#include "app/track_desc_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

CDialogTrackDesc::CDialogTrackDesc(trackeditor::TrackDescModel& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
  setWindowTitle(QString::fromLatin1(trackeditor::TrackDescModel::kTitle));
  auto* layout = new QVBoxLayout(this);
  auto* hint = new QLabel(QString::fromLatin1(trackeditor::TrackDescModel::kHint), this);
  m_text = new QLineEdit(FromSystemText(model.text), this);
  hint->setBuddy(m_text);
  layout->addWidget(hint);
  layout->addWidget(m_text);
  layout->addWidget(OkCancelButtons(this));
  setMinimumWidth(480);
}

void CDialogTrackDesc::accept() {
  m_model.text = ToSystemText(m_text->text());
  QDialog::accept();
}

}  // namespace rovex
