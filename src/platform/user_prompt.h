#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/message_box.h"

// Everything that asks the user something and waits for the answer: message
// boxes, the file and folder choosers, and small fixed-text confirmations.
// The Qt program shows real dialogs; tests script the answers.

namespace rovex {

class UserPrompt {
 public:
  virtual ~UserPrompt() = default;

  virtual MsgResult MessageBox(const std::string& text, MsgIcon icon = MsgIcon::Warning,
                               MsgButtons buttons = MsgButtons::Ok,
                               const std::string& caption = kAppCaption) = 0;

  // Filters use the Windows form ("Desc (*.a;*.b)|*.a; *.b|All files (*.*)|*.*||").
  // Empty optional when the user cancels.
  virtual std::optional<std::string> OpenFile(const std::string& title, const std::string& filter,
                                              const std::string& initialPath) = 0;
  virtual std::optional<std::string> SaveFile(const std::string& title, const std::string& filter,
                                              const std::string& initialPath,
                                              const std::string& defaultExtension) = 0;
  // Several files of one folder at once (full paths, in the order chosen). By
  // default a single OpenFile.
  virtual std::optional<std::vector<std::string>> OpenFiles(const std::string& title, const std::string& filter,
                                                            const std::string& initialFolder) {
    if (auto path = OpenFile(title, filter, initialFolder)) return std::vector<std::string>{*path};
    return std::nullopt;
  }
  // A file to write, existing or new, chosen without the save dialog's
  // replace question: the caller appends to it or asks its own. By default SaveFile.
  virtual std::optional<std::string> ChooseOutputFile(const std::string& title, const std::string& filter,
                                                      const std::string& initialPath,
                                                      const std::string& defaultExtension) {
    return SaveFile(title, filter, initialPath, defaultExtension);
  }
  virtual std::optional<std::string> ChooseFolder(const std::string& title,
                                                  const std::string& initialFolder) = 0;

  // A modal dialog of static paragraphs with OK and Cancel; true on OK.
  virtual bool ConfirmDialog(const std::string& title, const std::vector<std::string>& paragraphs) = 0;
};

}  // namespace rovex
