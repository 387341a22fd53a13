#include "app/route_picker_dialog.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {
namespace {

QFont PickerFont() {
  QFont font(QStringLiteral("Times New Roman"));
  font.setPointSize(22);
  font.setWeight(QFont::Normal);
  font.setStyleHint(QFont::Serif, QFont::PreferQuality);
  return font;
}

}  // namespace

CDlgRoutePicker::CDlgRoutePicker(RoutePickerModel& model, QWidget* parent) : QDialog(parent), m_model(model) {
  setWindowTitle(QString::fromLatin1(RoutePickerModel::kTitle));
  const QFont font = PickerFont();
  auto* layout = new QVBoxLayout(this);
  auto* rows = new QHBoxLayout;

  m_list = new QListWidget(this);
  m_list->setFont(font);
  for (const std::string& entry : model.Entries()) {
    auto* item = new QListWidgetItem(FromSystemText(entry), m_list);
    // Items 27 points high, whatever the screen's resolution.
    item->setSizeHint(QSize(0, QFontMetrics(font).height() * 27 / 22));
  }
  connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
  rows->addWidget(m_list, 1);

  auto* buttons = new QGridLayout;
  for (int slot = 1; slot <= kRoutePickSlots; ++slot) {
    auto* pick = new QPushButton(QStringLiteral("&%1").arg(slot), this);
    auto* change = new QPushButton(QStringLiteral("Change"), this);
    for (QPushButton* b : {pick, change}) {
      b->setFont(font);
      b->setAutoDefault(false);
    }
    connect(pick, &QPushButton::clicked, this, [this, slot] {
      m_model.PickSlot(slot);
      Close();
    });
    connect(change, &QPushButton::clicked, this, [this, slot] {
      m_model.Change(slot);
      m_list->item(slot - 1)->setText(FromSystemText(m_model.Entries()[slot - 1]));
    });
    buttons->addWidget(pick, slot - 1, 0);
    buttons->addWidget(change, slot - 1, 1);
    m_slots[slot - 1] = pick;
    m_changes[slot - 1] = change;
  }
  rows->addLayout(buttons);
  layout->addLayout(rows, 1);

  auto* keyRow = new QHBoxLayout;
  auto* keyLabel = new QLabel(QStringLiteral("&Key (1-9, O, C)"), this);
  m_keys = new QLineEdit(this);
  m_keys->setMaxLength(4);
  keyLabel->setBuddy(m_keys);
  connect(m_keys, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (text.isEmpty()) return;
    m_model.KeyTyped(ToSystemText(text), Selection());
    m_keys->clear();
    if (m_model.Closed()) Close();
  });
  keyRow->addWidget(keyLabel);
  keyRow->addWidget(m_keys, 1);
  layout->addLayout(keyRow);
  layout->addWidget(OkCancelButtons(this));
  m_keys->setFocus();
  resize(760, 560);
}

int CDlgRoutePicker::Selection() const { return m_list->currentItem() ? m_list->currentRow() : -1; }

void CDlgRoutePicker::Close() { QDialog::done(m_model.Picked() != 0 ? Accepted : Rejected); }

void CDlgRoutePicker::accept() {
  m_model.Ok(Selection());
  Close();
}

void CDlgRoutePicker::reject() {
  m_model.Cancel();
  Close();
}

}  // namespace rovex
