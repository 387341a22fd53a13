#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "trackeditor/background_load.h"

class QPushButton;

// What the track editor's two background loaders look like: the hints, a
// source file box with Browse, the load button, and OK at the right end. Load
// may be pressed again for more files; each load keeps the window alive with a
// progress window for large files.

namespace rovex {

class FileBox;
class UserPrompt;

class BackgroundLoadWindow : public QDialog {
 public:
  FileBox* Source() const { return m_source; }
  QPushButton* LoadButton() const { return m_load; }

 protected:
  struct Texts {
    const char* title;
    const char* fileLabel;
    const char* browseFilter;
    const char* loadButton;
    std::vector<const char*> hints;
  };
  using Loader = std::function<void(const std::string& source, const trackeditor::LoadProgress& progress)>;

  BackgroundLoadWindow(UserPrompt& prompt, const Texts& texts, const std::string& source, Loader load,
                       QWidget* parent);

 private:
  FileBox* m_source;
  QPushButton* m_load;
};

}  // namespace rovex
