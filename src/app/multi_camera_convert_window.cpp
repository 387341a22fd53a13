#include "app/multi_camera_convert_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "app/conversion_progress.h"
#include "app/dialog_buttons.h"
#include "app/file_box.h"
#include "converters/camera_convert_dialog.h"
#include "converters/multi_camera_convert_dialog.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

using converters::MultiCameraConvertDialog;

CDlgMultiCameraConvert::CDlgMultiCameraConvert(MultiCameraConvertDialog& model, UserPrompt& prompt,
                                               QWidget* parent)
    : QDialog(parent), m_model(model), m_prompt(prompt) {
  setWindowTitle(QStringLiteral("Convert multi PocketGPS file(s) to CSV file"));
  auto* layout = new QVBoxLayout(this);

  auto* sourcesLabel = new QLabel(QStringLiteral("Camera &lists to convert, in this order"), this);
  m_sources = new QTreeWidget(this);
  m_sources->setColumnCount(1);
  m_sources->setHeaderLabels({FromSystemText(MultiCameraConvertDialog::kSourceColumn)});
  m_sources->header()->resizeSection(0, MultiCameraConvertDialog::kSourceColumnWidth);
  m_sources->setRootIsDecorated(false);
  m_sources->setSelectionMode(QAbstractItemView::ExtendedSelection);
  sourcesLabel->setBuddy(m_sources);
  m_add = new QPushButton(QStringLiteral("&Add files..."), this);
  m_remove = new QPushButton(QStringLiteral("&Remove"), this);
  m_add->setAutoDefault(false);
  m_remove->setAutoDefault(false);
  auto* listButtons = new QHBoxLayout;
  listButtons->addWidget(m_add);
  listButtons->addWidget(m_remove);
  listButtons->addStretch(1);
  layout->addWidget(sourcesLabel);
  layout->addWidget(m_sources, 1);
  layout->addLayout(listButtons);

  m_destination = new FileBox(
      QStringLiteral("&Destination file"), QStringLiteral("&Browse..."),
      [this](const std::string&) {
        return m_prompt.ChooseOutputFile("Browse", converters::CameraConvertDialog::kBrowseFilter,
                                         m_model.browseFolder, "");
      },
      this);
  m_destination->SetText(m_model.destination);
  m_append = new QCheckBox(QStringLiteral("A&ppend to existing file."), this);
  m_append->setChecked(m_model.append);
  m_typePrefix = new QCheckBox(QStringLiteral("Name each camera by its &type word, \"@\" and the speed"), this);
  m_typePrefix->setChecked(m_model.typePrefix);
  layout->addWidget(m_destination);
  layout->addWidget(m_append);
  layout->addWidget(m_typePrefix);

  m_convert = new QPushButton(QStringLiteral("&Convert"), this);
  layout->addLayout(ActionsThenOk(this, {m_convert}));

  connect(m_add, &QPushButton::clicked, this, &CDlgMultiCameraConvert::AddFiles);
  connect(m_remove, &QPushButton::clicked, this, &CDlgMultiCameraConvert::RemoveSelected);
  connect(m_convert, &QPushButton::clicked, this, &CDlgMultiCameraConvert::Convert);
  ShowSources();
  resize(MultiCameraConvertDialog::kSourceColumnWidth + 60, 420);
}

void CDlgMultiCameraConvert::AddFiles() {
  auto paths = m_prompt.OpenFiles("Browse", converters::CameraConvertDialog::kBrowseFilter, m_model.browseFolder);
  if (!paths) return;
  for (const std::string& path : *paths) {
    std::filesystem::path p(path);
    m_model.AddFiles(p.parent_path().string(), {p.filename().string()});
  }
  ShowSources();
}

void CDlgMultiCameraConvert::RemoveSelected() {
  std::vector<std::size_t> rows;
  for (QTreeWidgetItem* item : m_sources->selectedItems()) {
    rows.push_back(static_cast<std::size_t>(m_sources->indexOfTopLevelItem(item)));
  }
  m_model.RemoveRows(rows);
  ShowSources();
}

void CDlgMultiCameraConvert::ShowSources() {
  m_sources->clear();
  for (const std::string& source : m_model.sources) {
    m_sources->addTopLevelItem(new QTreeWidgetItem(QStringList{FromSystemText(source)}));
  }
}

void CDlgMultiCameraConvert::Convert() {
  m_model.destination = m_destination->Text();
  m_model.append = m_append->isChecked();
  m_model.typePrefix = m_typePrefix->isChecked();
  ConversionProgress progress(this);
  m_model.Convert(m_prompt, progress.Function());
}

}  // namespace rovex
