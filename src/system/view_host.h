#pragma once

#include <string>

#include "system/dialog_request.h"

// What the running system asks of the window that shows it: the title, when
// to draw, and modal dialogs on their models. The Qt view answers with its
// frame, widget and dialogs; tests record the calls.

namespace rovex {

class RegistrySettings;

// The six dialogs of the Options menu that edit settings directly.
enum class OptionDialog { Speed, TimeZone, Tracking, MapScale, Colours, Specs };

// The model of an option dialog: it reads its values from settings on opening
// and writes them there on OK.
struct OptionDialogRequest {
  OptionDialog which;
  RegistrySettings& settings;
};

class ViewHost {
 public:
  virtual ~ViewHost() = default;
  // The main window's title.
  virtual void SetTitle(const std::string& title) = 0;
  // Draw now: the drawing pass has run when this returns.
  virtual void Repaint() = 0;
  // Draw at the next opportunity.
  virtual void Invalidate() = 0;
  // Shows the dialog for the request's model and waits for it to close; true
  // when it ended with OK. A window without such a dialog answers false.
  virtual bool RunDialog(const DialogRequest& request) = 0;

  template <class Model>
  bool Run(Model& model) {
    return RunDialog(DialogRequest(model));
  }
};

}  // namespace rovex
