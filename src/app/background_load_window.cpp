#include "app/background_load_window.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "app/conversion_progress.h"
#include "app/dialog_buttons.h"
#include "app/file_box.h"
#include "platform/user_prompt.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

BackgroundLoadWindow::BackgroundLoadWindow(UserPrompt& prompt, const Texts& texts, const std::string& source,
                                           Loader load, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(FromSystemText(texts.title));
  auto* layout = new QVBoxLayout(this);
  for (const char* hint : texts.hints) AddHint(layout, hint, this);
  const std::string filter = texts.browseFilter;
  m_source = new FileBox(
      FromSystemText(texts.fileLabel), QStringLiteral("&Browse"),
      [&prompt, filter](const std::string& current) { return prompt.OpenFile("Browse", filter, current); }, this);
  m_source->SetText(source);
  layout->addWidget(m_source);
  m_load = new QPushButton(FromSystemText(texts.loadButton), this);
  connect(m_load, &QPushButton::clicked, this, [this, load] {
    ConversionProgress progress(this);
    load(m_source->Text(), progress.Function());
  });
  layout->addLayout(ActionsThenOk(this, {m_load}));
  setMinimumWidth(480);
}

}  // namespace rovex
