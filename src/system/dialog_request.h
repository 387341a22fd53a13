#pragma once

#include <type_traits>
#include <typeindex>
#include <typeinfo>

// A modal dialog asked for by the running system: the model of the dialog,
// whose rules live below the window. The window looks up the dialog that shows
// models of that type; a new dialog adds its model and one entry in the
// window's table, never a method on the window's interface.

namespace rovex {

class DialogRequest {
 public:
  template <class Model>
  explicit DialogRequest(Model& model)
      : m_type(typeid(std::remove_const_t<Model>)), m_model(const_cast<std::remove_const_t<Model>*>(&model)) {}

  std::type_index Type() const { return m_type; }
  // The model when it is of that type, else null.
  template <class Model>
  Model* Get() const {
    return m_type == std::type_index(typeid(Model)) ? static_cast<Model*>(m_model) : nullptr;
  }

 private:
  std::type_index m_type;
  void* m_model;
};

}  // namespace rovex
