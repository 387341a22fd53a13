#pragma once

#include <QDialog>
#include <QWidget>
#include <functional>
#include <map>
#include <typeindex>

#include "platform/services.h"
#include "system/dialog_request.h"

// The window's dialogs by the type of the model they show. A new dialog is one
// entry here (rovex_dialogs.cpp); the running system asks for it with its model.

namespace rovex {

class DialogTable {
 public:
  template <class Model>
  void Add(std::function<bool(Model&, QWidget*)> show) {
    m_shows[std::type_index(typeid(Model))] = [show](const DialogRequest& request, QWidget* parent) {
      return show(*request.Get<Model>(), parent);
    };
  }
  // A modal window made from the model, the further arguments and the
  // parent, shown until it closes.
  template <class Model, class Window, class... Args>
  void AddWindow(Args... args) {
    Add<Model>([args...](Model& model, QWidget* parent) {
      Window window(model, args..., parent);
      return window.exec() == QDialog::Accepted;
    });
  }

  // False when no dialog shows that model.
  bool Run(const DialogRequest& request, QWidget* parent) const {
    auto show = m_shows.find(request.Type());
    return show != m_shows.end() && show->second(request, parent);
  }

 private:
  std::map<std::type_index, std::function<bool(const DialogRequest&, QWidget*)>> m_shows;
};

// Every dialog the running system asks for; the dialogs that ask the user
// something or use the clipboard take them from the window's services.
DialogTable RovexDialogs(const Services& services);

}  // namespace rovex
