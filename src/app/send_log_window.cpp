#include "app/send_log_window.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gps/dlg_send_log.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

SendLogWindow::SendLogWindow(CDlg_Send_Log& model, QWidget* parent) : QDialog(parent), m_model(model) {
  setWindowTitle(QString::fromLatin1(CDlg_Send_Log::kTitle));
  m_file = new QLineEdit(FromSystemText(m_model.m_fileName), this);
  auto* browse = new QPushButton(QStringLiteral("&Browse"), this);
  m_loopCount = new QLineEdit(FromSystemText(m_model.LoopCount()), this);
  m_linesSent = new QLineEdit(FromSystemText(m_model.LinesSent()), this);
  m_linesSent->setReadOnly(true);
  m_oneSecond = new QCheckBox(QStringLiteral("Send at &one second intervals"), this);
  m_oneSecond->setChecked(m_model.m_oneSecond);

  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(m_file, 1);
  fileRow->addWidget(browse);
  auto* form = new QFormLayout;
  auto* fileLabel = new QLabel(QStringLiteral("&File"), this);
  fileLabel->setBuddy(m_file);
  form->addRow(fileLabel, fileRow);
  form->addRow(QStringLiteral("&Loop Count"), m_loopCount);
  form->addRow(QStringLiteral("Lines Sent"), m_linesSent);
  form->addRow(m_oneSecond);

  auto* start = new QPushButton(QStringLiteral("St&art"), this);
  auto* stop = new QPushButton(QStringLiteral("St&op"), this);
  auto* pause = new QPushButton(QStringLiteral("&Pause"), this);
  auto* step = new QPushButton(QStringLiteral("&Single Step"), this);
  auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
  auto* buttons = new QGridLayout;
  buttons->addWidget(start, 0, 0);
  buttons->addWidget(stop, 0, 1);
  buttons->addWidget(pause, 1, 0);
  buttons->addWidget(step, 1, 1);
  buttons->addWidget(cancel, 2, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
  setMinimumWidth(420);

  // Typed fields reach the model as they change, so Start takes what is shown.
  connect(m_file, &QLineEdit::textEdited, this, [this](const QString& t) { m_model.m_fileName = ToSystemText(t); });
  connect(m_loopCount, &QLineEdit::textEdited, this, [this](const QString& t) { m_model.SetLoopCount(ToSystemText(t)); });
  connect(m_oneSecond, &QCheckBox::toggled, this, [this](bool on) { m_model.m_oneSecond = on; });
  connect(browse, &QPushButton::clicked, this, [this] {
    m_model.OnBrowse();
    m_file->setText(FromSystemText(m_model.m_fileName));
  });
  connect(start, &QPushButton::clicked, this, [this] { m_model.OnStart(); });
  connect(stop, &QPushButton::clicked, this, [this] { m_model.OnStop(); });
  connect(pause, &QPushButton::clicked, this, [this] { m_model.OnPause(); });
  connect(step, &QPushButton::clicked, this, [this] { m_model.OnSingleStep(); });
  connect(cancel, &QPushButton::clicked, this, &SendLogWindow::reject);

  // Runs on this thread: the sending thread only posts the call.
  m_model.SetOnFieldsChanged([this] { ShowFields(); });
}

SendLogWindow::~SendLogWindow() { m_model.SetOnFieldsChanged(nullptr); }

QPushButton* SendLogWindow::Button(const QString& text) const {
  for (QPushButton* b : findChildren<QPushButton*>()) {
    if (b->text() == text) return b;
  }
  return nullptr;
}

void SendLogWindow::ShowFields() {
  m_linesSent->setText(FromSystemText(m_model.LinesSent()));
  const QString loops = FromSystemText(m_model.LoopCount());
  if (m_loopCount->text() != loops) m_loopCount->setText(loops);
}

void SendLogWindow::accept() {
  m_model.OnCancel();
  QDialog::accept();
}

void SendLogWindow::reject() {
  m_model.OnCancel();
  QDialog::reject();
}

}  // namespace rovex
