#include "app/replay_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "gps/dlg_replay.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

CReplayDlg::CReplayDlg(CDlgReplay& model, QWidget* parent) : QDialog(parent), m_model(model) {
  setWindowTitle(QString::fromLatin1(CDlgReplay::kTitle));
  auto* layout = new QVBoxLayout(this);
  auto* fileText = new QLabel(QString::fromLatin1(CDlgReplay::kFileText).replace(QStringLiteral("log file"), QStringLiteral("&log file")), this);
  layout->addWidget(fileText);
  auto* fileRow = new QHBoxLayout;
  m_file = new QLineEdit(FromSystemText(m_model.m_fileName), this);
  auto* browse = new QPushButton(QStringLiteral("&Browse"), this);
  connect(browse, &QPushButton::clicked, this, [this] {
    m_model.m_fileName = ToSystemText(m_file->text());
    m_model.OnBrowse();
    m_file->setText(FromSystemText(m_model.m_fileName));
  });
  fileText->setBuddy(m_file);
  fileRow->addWidget(m_file, 1);
  fileRow->addWidget(browse);
  layout->addLayout(fileRow);
  auto* delayText = new QLabel(
      QString::fromLatin1(CDlgReplay::kDelayText).replace(QStringLiteral("delay"), QStringLiteral("&delay")), this);
  delayText->setWordWrap(true);
  layout->addWidget(delayText);
  m_delay = new QLineEdit(FromSystemText(m_model.m_delay), this);
  delayText->setBuddy(m_delay);
  layout->addWidget(m_delay);
  layout->addWidget(OkCancelButtons(this));
  setMinimumWidth(460);
}

void CReplayDlg::accept() {
  m_model.m_fileName = ToSystemText(m_file->text());
  m_model.m_delay = ToSystemText(m_delay->text());
  QDialog::accept();
}

}  // namespace rovex
