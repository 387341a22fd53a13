#include "app/passed_camera_list_window.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/camera_table_widget.h"
#include "app/dialog_buttons.h"
#include "cameras/passed_camera_list.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

PassedCameraListWindow::PassedCameraListWindow(PassedCameraList& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
  setWindowTitle(QStringLiteral("Passed camera list"));
  setSizeGripEnabled(true);
  m_logFile = new QLineEdit(FromSystemText(m_model.logFile), this);
  auto* browse = new QPushButton(QStringLiteral("&Browse"), this);
  m_nearest = new QLineEdit(FromSystemText(m_model.nearestDistance), this);
  m_farthest = new QLineEdit(FromSystemText(m_model.farthestDistance), this);
  m_process = new QPushButton(QStringLiteral("&Process"), this);
  m_copy = new QPushButton(QStringLiteral("Cop&y"), this);
  m_table = new CameraTableWidget(this);
  m_table->Show(m_model.Table());

  auto* grid = new QGridLayout;
  auto label = [this](const char* text, QWidget* buddy) {
    auto* l = new QLabel(QString::fromLatin1(text), this);
    l->setBuddy(buddy);
    return l;
  };
  grid->addWidget(label("&Log file", m_logFile), 0, 0);
  grid->addWidget(m_logFile, 0, 1, 1, 3);
  grid->addWidget(browse, 0, 4);
  grid->addWidget(label("&Nearest distance (m)", m_nearest), 1, 0);
  grid->addWidget(m_nearest, 1, 1);
  grid->addWidget(label("&Farthest distance (m)", m_farthest), 1, 2);
  grid->addWidget(m_farthest, 1, 3);
  auto* actions = new QHBoxLayout;
  actions->addWidget(m_process);
  actions->addWidget(m_copy);
  actions->addStretch(1);
  QDialogButtonBox* ok = OkButton(this);
  actions->addWidget(ok);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(actions);
  layout->addWidget(m_table, 1);
  resize(560, 420);

  connect(browse, &QPushButton::clicked, this, [this] {
    m_model.OnBrowse();
    m_logFile->setText(FromSystemText(m_model.logFile));
  });
  connect(m_process, &QPushButton::clicked, this, &PassedCameraListWindow::Process);
  connect(m_copy, &QPushButton::clicked, this, [this] { m_model.Copy(); });
}

void PassedCameraListWindow::TakeFields() {
  m_model.logFile = ToSystemText(m_logFile->text());
  m_model.nearestDistance = ToSystemText(m_nearest->text());
  m_model.farthestDistance = ToSystemText(m_farthest->text());
}

void PassedCameraListWindow::Process() {
  TakeFields();
  m_model.Process();
  m_table->Show(m_model.Table());
}

}  // namespace rovex
