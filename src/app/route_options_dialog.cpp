#include "app/route_options_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"

namespace rovex {
namespace {

QCheckBox* Box(const char* text, bool checked, QWidget* parent, QVBoxLayout* layout) {
  auto* box = new QCheckBox(QString::fromLatin1(text), parent);
  box->setChecked(checked);
  layout->addWidget(box);
  return box;
}

}  // namespace

CDLG_ROUTE_OPTIONS::CDLG_ROUTE_OPTIONS(RouteOptionsModel::Values& values, QWidget* parent)
    : QDialog(parent), m_values(values) {
  setWindowTitle(QString::fromLatin1(RouteOptionsModel::kTitle));
  auto* layout = new QVBoxLayout(this);
  auto* labels = new QGroupBox(QStringLiteral("Choose the text that is displayed next to points in the route view."), this);
  auto* labelsLayout = new QVBoxLayout(labels);
  m_number = Box("&Point number", values.pointNumber, labels, labelsLayout);
  m_text1 = Box("Text &1", values.text1, labels, labelsLayout);
  m_text2 = Box("Text &2", values.text2, labels, labelsLayout);
  auto* excluded = new QGroupBox(QStringLiteral("Excluded camera options. "), this);
  auto* excludedLayout = new QVBoxLayout(excluded);
  m_exclude = Box("&Exclude cameras", values.excludeCameras, excluded, excludedLayout);
  m_say = Box("&Announce that route contains excluded cameras.", values.sayExcluded, excluded, excludedLayout);
  layout->addWidget(labels);
  layout->addWidget(excluded);
  layout->addWidget(OkCancelButtons(this));
}

void CDLG_ROUTE_OPTIONS::accept() {
  m_values.pointNumber = m_number->isChecked();
  m_values.text1 = m_text1->isChecked();
  m_values.text2 = m_text2->isChecked();
  m_values.excludeCameras = m_exclude->isChecked();
  m_values.sayExcluded = m_say->isChecked();
  QDialog::accept();
}

}  // namespace rovex
