#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QLineEdit;
class QPushButton;
class QVBoxLayout;

// What the file-choosing dialogs have in common: a label over one path box
// with a Browse button beside it. Browse hands the typed path to the model,
// lets it choose and shows what it chose; each dialog adds its own buttons
// under the row and says what OK does.

namespace rovex {

class PathDialog : public QDialog {
 public:
  QLineEdit* Path() const { return m_path; }
  QPushButton* BrowseButton() const { return m_browse; }

 protected:
  // path is the model's own, read and written by Browse and StorePath.
  PathDialog(const QString& title, const QString& label, int maxLength, std::string& path,
             std::function<void()> browse, QWidget* parent);

  // The box's text, back into the model's path.
  void StorePath();

  QVBoxLayout* m_layout;
  QLineEdit* m_path;
  QPushButton* m_browse;

 private:
  std::string& m_modelPath;
};

}  // namespace rovex
