#include "app/atlas_dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "platform/shell_opener.h"
#include "platform/user_prompt.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {
namespace {

QPushButton* Plain(const char* text, QWidget* parent) {
  auto* b = new QPushButton(QString::fromLatin1(text), parent);
  b->setAutoDefault(false);
  return b;
}

void OpenWith(ShellOpener* shell, const std::string& target) {
  if (shell) shell->Open(target);
}

}  // namespace

CAtlasFolder::CAtlasFolder(atlas::AtlasFolderModel& model, ShellOpener* shell, QWidget* parent)
    : QDialog(parent), m_model(model) {
  setWindowTitle(QStringLiteral("Default Trekbuddy atlas folder"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Choose the default Trekbuddy atlas folder."), this));
  auto* hint = new QLabel(QStringLiteral("This is the folder that contains the set of level folders.  The level folder "
                                         "have names that end in the zoom level.  i.e. Reading 11, Reading 12 etc. "),
                          this);
  hint->setWordWrap(true);
  layout->addWidget(hint);
  auto* row = new QHBoxLayout;
  m_folder = new QLineEdit(FromSystemText(model.folder), this);
  m_folder->setMaxLength(299);
  auto* browse = Plain("&Browse", this);
  connect(browse, &QPushButton::clicked, this, [this] {
    const QString chosen = QFileDialog::getExistingDirectory(this, QString(), QStringLiteral("/"));
    if (!chosen.isEmpty()) m_folder->setText(chosen);
  });
  row->addWidget(m_folder, 1);
  row->addWidget(browse);
  layout->addLayout(row);
  auto* open = Plain("Open current folder", this);
  connect(open, &QPushButton::clicked, this, [this, shell] { OpenWith(shell, ToSystemText(m_folder->text())); });
  auto* help = Plain("Web Help", this);
  connect(help, &QPushButton::clicked, this, [shell] { OpenWith(shell, kAtlasHelpPage); });
  m_apply = Plain("Apply and view map", this);
  connect(m_apply, &QPushButton::clicked, this, [this] {
    m_model.applyAndView = true;
    accept();
  });
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {open, help, m_apply}) buttons->addWidget(b);
  buttons->addStretch(1);
  buttons->addWidget(OkCancelButtons(this));
  layout->addLayout(buttons);
  setMinimumWidth(560);
}

void CAtlasFolder::accept() {
  m_model.folder = ToSystemText(m_folder->text());
  QDialog::accept();
}

CAtlasZoom::CAtlasZoom(atlas::AtlasZoomModel& model, ShellOpener* shell, QWidget* parent)
    : QDialog(parent), m_model(model) {
  setWindowTitle(QStringLiteral("Choose a layer display zoom."));
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  m_level = new QLineEdit(QString::number(model.level), this);
  m_level->setValidator(new QIntValidator(-99, 99, m_level));
  auto* up = Plain("+", this);
  auto* down = Plain("-", this);
  connect(up, &QPushButton::clicked, this, [this] {
    m_model.level = m_level->text().toInt();
    m_model.SpinUp();
    m_level->setText(QString::number(m_model.level));
  });
  connect(down, &QPushButton::clicked, this, [this] {
    m_model.level = m_level->text().toInt();
    m_model.SpinDown();
    m_level->setText(QString::number(m_model.level));
  });
  row->addWidget(m_level);
  row->addWidget(up);
  row->addWidget(down);
  row->addStretch(1);
  layout->addLayout(row);
  for (const char* text : {"Choose a layer display zoom.  0 to 17.  A typical value would be 13.\nOnly layers that "
                           "exist in the atlas can be displayed.",
                           "On your disk the last two digits of the atlas folder names indicate the zoom level of "
                           "that set of map tiles."}) {
    auto* label = new QLabel(QString::fromLatin1(text), this);
    label->setWordWrap(true);
    layout->addWidget(label);
  }
  auto* help = Plain("Web help", this);
  connect(help, &QPushButton::clicked, this, [shell] { OpenWith(shell, kAtlasHelpPage); });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(help);
  buttons->addStretch(1);
  buttons->addWidget(OkCancelButtons(this));
  layout->addLayout(buttons);
  setMinimumWidth(480);
}

void CAtlasZoom::accept() {
  m_model.Ok(ToSystemText(m_level->text()));
  QDialog::accept();
}

CDlgTrekbuddyKeys::CDlgTrekbuddyKeys(std::vector<atlas::KeyRow>& rows, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Trekbuddy keys"));
  auto* layout = new QVBoxLayout(this);
  for (const char* text : {"Moving around the Trekbuddy map",
                           "Move the map using the keys listed below or drag with the right mouse button.",
                           "You can also use the blue or green  arrows on the toolbar."}) {
    layout->addWidget(new QLabel(QString::fromLatin1(text), this));
  }
  auto* list = new QTreeWidget(this);
  list->setRootIsDecorated(false);
  list->setHeaderLabels({QStringLiteral("Function"), QStringLiteral("Function Key"), QStringLiteral("Key"),
                         QStringLiteral("Notes")});
  const int widths[] = {250, 95, 95, 400};
  for (int i = 0; i < 4; ++i) list->setColumnWidth(i, widths[i]);
  for (const atlas::KeyRow& r : rows) {
    list->addTopLevelItem(new QTreeWidgetItem({QString::fromLatin1(r.function), QString::fromLatin1(r.functionKey),
                                               QString::fromLatin1(r.key), QString::fromLatin1(r.notes)}));
  }
  layout->addWidget(list);
  layout->addWidget(OkButton(this));
  resize(880, 320);
}

CDialogMakePanFile::CDialogMakePanFile(atlas::MakePanModel& model, UserPrompt* prompt, ShellOpener* shell,
                                       QWidget* parent)
    : QDialog(parent), m_model(model), m_prompt(prompt) {
  setWindowTitle(QStringLiteral("Make Pan Image"));
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  m_folder = new QLineEdit(FromSystemText(model.folderBox), this);
  auto* browse = Plain("&Browse", this);
  connect(browse, &QPushButton::clicked, this, [this] {
    const QString chosen = QFileDialog::getExistingDirectory(this, QString(), QStringLiteral("/"));
    if (!chosen.isEmpty()) m_folder->setText(chosen);
  });
  row->addWidget(m_folder, 1);
  row->addWidget(browse);
  layout->addLayout(row);
  layout->addWidget(new QLabel(QString::fromLatin1(model.countsText.c_str()), this));
  layout->addWidget(new QLabel(QString::fromLatin1(model.tileText.c_str()), this));
  m_progress = new QProgressBar(this);
  m_progress->setRange(0, 400);
  m_progress->setValue(0);
  layout->addWidget(m_progress);
  m_create = Plain("Create pan.jpg file", this);
  connect(m_create, &QPushButton::clicked, this, [this] { Create(); });
  m_cancelButton = Plain("Stop", this);
  m_cancelButton->setEnabled(false);
  connect(m_cancelButton, &QPushButton::clicked, this, [this] { CancelJob(); });
  auto* open = Plain("Open current folder", this);
  connect(open, &QPushButton::clicked, this, [this, shell] { OpenWith(shell, ToSystemText(m_folder->text())); });
  auto* help = Plain("Web Help", this);
  connect(help, &QPushButton::clicked, this, [shell] { OpenWith(shell, kAtlasHelpPage); });
  layout->addLayout(ActionsThenOk(this, {m_create, m_cancelButton, open, help}));
  setMinimumWidth(560);
}

atlas::PanResult CDialogMakePanFile::Create() {
  if (m_running) return {};
  m_running = true;
  m_cancel = false;
  m_create->setEnabled(false);
  m_cancelButton->setEnabled(true);
  atlas::PanResult result = m_model.Create([this](int column, int) {
    m_progress->setValue(column);
    // The stop button and the window stay alive while the job runs.
    QApplication::processEvents();
    return !m_cancel;
  });
  m_running = false;
  m_create->setEnabled(true);
  m_cancelButton->setEnabled(false);
  if (m_prompt) {
    if (!result.warning.empty()) m_prompt->MessageBox(result.warning, MsgIcon::Stop, MsgButtons::Ok);
    if (!result.message.empty()) m_prompt->MessageBox(result.message, MsgIcon::Stop, MsgButtons::Ok);
  }
  return result;
}

}  // namespace rovex
