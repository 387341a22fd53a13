#include "app/track_select_dialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "app/track_rows_widget.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

CDialog_TrackSelect::CDialog_TrackSelect(trackeditor::TrackSelectModel& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
  setWindowTitle(FromSystemText(model.Title()));
  auto* layout = new QVBoxLayout(this);
  m_list = new TrackRowsWidget(false, this);
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->Fill(model.Rows());
  m_description = new QLineEdit(this);
  m_path = new QLineEdit(this);
  m_description->setReadOnly(true);
  m_path->setReadOnly(true);
  auto choose = [this](int row) {
    if (row < 0) return;
    m_model.Choose(static_cast<std::size_t>(row));
    m_description->setText(FromSystemText(m_model.description));
    m_path->setText(FromSystemText(m_model.path));
  };
  connect(m_list, &QTableWidget::cellDoubleClicked, this, [choose](int row, int) { choose(row); });
  m_select = new QPushButton(QStringLiteral("&Select track"), this);
  connect(m_select, &QPushButton::clicked, this, [this, choose] { choose(m_list->currentRow()); });
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Track description."), m_description);
  form->addRow(QStringLiteral("Track path/name."), m_path);
  layout->addWidget(m_list, 1);
  layout->addLayout(form);
  layout->addLayout(TrackDialogButtons(this, {m_select}));
  resize(760, 400);
}

}  // namespace rovex
