#include "app/track_display_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "app/track_rows_widget.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

CDialogTrackDisplay::CDialogTrackDisplay(trackeditor::TrackDisplayModel& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
  setWindowTitle(FromSystemText(model.Title()));
  auto* layout = new QVBoxLayout(this);
  m_list = new TrackRowsWidget(true, this);
  m_list->Fill(model.Rows());
  auto refill = [this] { m_list->Fill(m_model.Rows()); };
  connect(m_list, &QTableWidget::cellDoubleClicked, this, [this, refill](int row, int) {
    m_model.Toggle(static_cast<std::size_t>(row));
    refill();
  });
  m_all = new QPushButton(QStringLiteral("&All"), this);
  m_none = new QPushButton(QStringLiteral("&None"), this);
  m_apply = new QPushButton(QStringLiteral("A&pply"), this);
  connect(m_all, &QPushButton::clicked, this, [this, refill] {
    m_model.All();
    refill();
  });
  connect(m_none, &QPushButton::clicked, this, [this, refill] {
    m_model.None();
    refill();
  });
  connect(m_apply, &QPushButton::clicked, this, [this] { m_model.Apply(); });
  layout->addWidget(new QLabel(QString::fromLatin1(trackeditor::TrackDisplayModel::kNote), this));
  layout->addWidget(m_list, 1);
  layout->addLayout(TrackDialogButtons(this, {m_all, m_none, m_apply}));
  resize(840, 360);
}

}  // namespace rovex
