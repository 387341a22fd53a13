#include "qtplatform/qt_user_prompt.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QStringDecoder>
#include <QVBoxLayout>

#include "platform/file_filter.h"

namespace rovex {

QString FromSystemText(const std::string& text) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString s = utf8(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
  if (!utf8.hasError()) return s;
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToSystemText(const QString& text) { return text.toUtf8().toStdString(); }

QString QtUserPrompt::ToQtFilter(const std::string& filter) {
  QStringList parts;
  for (const FileFilter& f : ParseFileFilter(filter)) {
    QStringList patterns;
    for (const std::string& p : f.patterns) patterns << FromSystemText(p == "*.*" ? "*" : p);
    QString desc = FromSystemText(f.description);
    // Qt reads the patterns from the last parentheses of each entry.
    parts << QStringLiteral("%1 (%2)").arg(desc.section('(', 0, 0).trimmed(), patterns.join(' '));
  }
  return parts.join(QStringLiteral(";;"));
}

MsgResult QtUserPrompt::MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons,
                                   const std::string& caption) {
  QMessageBox box(m_parent);
  box.setWindowTitle(FromSystemText(caption));
  box.setText(FromSystemText(text));
  switch (icon) {
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Stop: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
  }
  switch (buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
    case MsgButtons::RetryCancel: box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel); break;
  }
  switch (box.exec()) {
    case QMessageBox::Ok: return MsgResult::Ok;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    case QMessageBox::Retry: return MsgResult::Retry;
    default: return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Cancel;
  }
}

std::optional<std::string> QtUserPrompt::OpenFile(const std::string& title, const std::string& filter,
                                                  const std::string& initialPath) {
  QString f = QFileDialog::getOpenFileName(m_parent, FromSystemText(title), FromSystemText(initialPath),
                                           ToQtFilter(filter));
  if (f.isEmpty()) return std::nullopt;
  return ToSystemText(f);
}

std::optional<std::string> QtUserPrompt::SaveFile(const std::string& title, const std::string& filter,
                                                  const std::string& initialPath,
                                                  const std::string& defaultExtension) {
  QFileDialog dialog(m_parent, FromSystemText(title), FromSystemText(initialPath), ToQtFilter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  if (!defaultExtension.empty()) dialog.setDefaultSuffix(FromSystemText(defaultExtension));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ToSystemText(dialog.selectedFiles().first());
}

std::optional<std::vector<std::string>> QtUserPrompt::OpenFiles(const std::string& title, const std::string& filter,
                                                                 const std::string& initialFolder) {
  QStringList files = QFileDialog::getOpenFileNames(m_parent, FromSystemText(title), FromSystemText(initialFolder),
                                                    ToQtFilter(filter));
  if (files.isEmpty()) return std::nullopt;
  std::vector<std::string> paths;
  for (const QString& f : files) paths.push_back(ToSystemText(f));
  return paths;
}

std::optional<std::string> QtUserPrompt::ChooseOutputFile(const std::string& title, const std::string& filter,
                                                          const std::string& initialPath,
                                                          const std::string& defaultExtension) {
  QFileDialog dialog(m_parent, FromSystemText(title), FromSystemText(initialPath), ToQtFilter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (!defaultExtension.empty()) dialog.setDefaultSuffix(FromSystemText(defaultExtension));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ToSystemText(dialog.selectedFiles().first());
}

std::optional<std::string> QtUserPrompt::ChooseFolder(const std::string& title, const std::string& initialFolder) {
  QString d = QFileDialog::getExistingDirectory(m_parent, FromSystemText(title), FromSystemText(initialFolder));
  if (d.isEmpty()) return std::nullopt;
  return ToSystemText(d);
}

bool QtUserPrompt::ConfirmDialog(const std::string& title, const std::vector<std::string>& paragraphs) {
  QDialog dialog(m_parent);
  dialog.setWindowTitle(FromSystemText(title));
  auto* layout = new QVBoxLayout(&dialog);
  for (const std::string& p : paragraphs) {
    auto* label = new QLabel(FromSystemText(p), &dialog);
    label->setWordWrap(true);
    layout->addWidget(label);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  dialog.setMinimumWidth(420);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace rovex
