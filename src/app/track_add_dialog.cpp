#include "app/track_add_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "app/track_rows_widget.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

CDialogTrackAdd::CDialogTrackAdd(trackeditor::TrackAddModel& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
  setWindowTitle(FromSystemText(model.Title()));
  auto* layout = new QVBoxLayout(this);
  m_list = new TrackRowsWidget(false, this);
  m_list->Fill(model.Rows());
  connect(m_list, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
    m_model.Choose(static_cast<std::size_t>(row));
    m_description->setText(FromSystemText(m_model.description));
    m_path->setText(FromSystemText(m_model.path));
  });
  auto* boxes = new QGridLayout;
  m_description = new QLineEdit(this);
  m_path = new QLineEdit(this);
  m_browse = new QPushButton(QStringLiteral("&Browse"), this);
  m_browse->setAutoDefault(false);
  boxes->addWidget(new QLabel(QString::fromLatin1(trackeditor::TrackAddModel::kDescriptionHint), this), 0, 0, 1, 2);
  boxes->addWidget(m_description, 1, 0, 1, 2);
  boxes->addWidget(new QLabel(QString::fromLatin1(trackeditor::TrackAddModel::kPathHint), this), 2, 0, 1, 2);
  boxes->addWidget(m_path, 3, 0);
  boxes->addWidget(m_browse, 3, 1);
  connect(m_browse, &QPushButton::clicked, this, [this] {
    m_model.path = ToSystemText(m_path->text());
    m_model.Browse();
    m_path->setText(FromSystemText(m_model.path));
  });
  m_add = new QPushButton(QStringLiteral("&Add"), this);
  m_remove = new QPushButton(QStringLiteral("&Remove"), this);
  connect(m_add, &QPushButton::clicked, this, [this] {
    m_model.description = ToSystemText(m_description->text());
    m_model.path = ToSystemText(m_path->text());
    if (m_model.Add()) m_list->Fill(m_model.Rows());
  });
  connect(m_remove, &QPushButton::clicked, this, [this] {
    if (m_model.Remove(m_list->SelectedRows())) m_list->Fill(m_model.Rows());
  });
  layout->addWidget(m_list, 1);
  layout->addLayout(boxes);
  layout->addLayout(TrackDialogButtons(this, {m_add, m_remove}));
  resize(760, 440);
}

}  // namespace rovex
