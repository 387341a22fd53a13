#include "app/start_time_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"

namespace rovex {
namespace {

QString Text(const std::string& text) { return QString::fromLocal8Bit(text.data(), static_cast<int>(text.size())); }
std::string Std(const QLineEdit* edit) { return edit->text().toLocal8Bit().toStdString(); }

}  // namespace

CDlgStartTimeOptions::CDlgStartTimeOptions(StartTimeOptionsModel& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
  setWindowTitle(QString::fromLatin1(StartTimeOptionsModel::kTitle));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QString::fromLatin1(StartTimeOptionsModel::kHeading), this));
  StartTimeOptionsModel::Values& v = model.Fields();
  const char* titles[] = {"Load Route 1", "Load Route 2", "Set night time colours."};
  const char* browse[] = {"&Browse", "B&rowse"};
  const char* picker[] = {"&Picker", "P&icker"};
  for (int i = 0; i < 3; ++i) {
    auto* box = new QGroupBox(QString::fromLatin1(titles[i]), this);
    auto* grid = new QGridLayout(box);
    Row& row = m_rows[i];
    row.start = new QLineEdit(box);
    row.end = new QLineEdit(box);
    row.enable = new QCheckBox(QStringLiteral("Enable"), box);
    for (QLineEdit* e : {row.start, row.end}) e->setMaximumWidth(70);
    grid->addWidget(new QLabel(QStringLiteral("Start time"), box), 0, 0);
    grid->addWidget(row.start, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("End Time"), box), 0, 2);
    grid->addWidget(row.end, 0, 3);
    grid->addWidget(row.enable, 0, 4);
    grid->setColumnStretch(5, 1);
    if (i < 2) {
      const StartTimeOptionsModel::Timer& t = v.timers[i];
      row.start->setText(Text(t.start));
      row.end->setText(Text(t.end));
      row.enable->setChecked(t.enable);
      row.file = new QLineEdit(Text(t.file), box);
      row.file->setMinimumWidth(320);
      grid->addWidget(row.file, 1, 0, 1, 4);
      auto* b = new QPushButton(QString::fromLatin1(browse[i]), box);
      auto* p = new QPushButton(QString::fromLatin1(picker[i]), box);
      for (QPushButton* button : {b, p}) button->setAutoDefault(false);
      grid->addWidget(b, 1, 4);
      grid->addWidget(p, 1, 5, Qt::AlignLeft);
      connect(b, &QPushButton::clicked, this, [this, i] {
        Take();
        m_model.Browse(i);
        m_rows[i].file->setText(Text(m_model.Fields().timers[i].file));
      });
      connect(p, &QPushButton::clicked, this, [this, i] {
        Take();
        m_model.Picker(i);
        m_rows[i].file->setText(Text(m_model.Fields().timers[i].file));
      });
    } else {
      row.start->setText(Text(v.nightStart));
      row.end->setText(Text(v.nightEnd));
      row.enable->setChecked(v.nightEnable);
    }
    layout->addWidget(box);
  }
  layout->addWidget(OkCancelButtons(this));
}

void CDlgStartTimeOptions::Take() {
  StartTimeOptionsModel::Values& v = m_model.Fields();
  for (int i = 0; i < 2; ++i) {
    v.timers[i] = {Std(m_rows[i].start), Std(m_rows[i].end), Std(m_rows[i].file), m_rows[i].enable->isChecked()};
  }
  v.nightStart = Std(m_rows[2].start);
  v.nightEnd = Std(m_rows[2].end);
  v.nightEnable = m_rows[2].enable->isChecked();
}

void CDlgStartTimeOptions::accept() {
  Take();
  QDialog::accept();
}

}  // namespace rovex
