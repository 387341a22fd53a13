#include "app/conversion_progress.h"

#include <QApplication>
#include <QProgressDialog>
#include <algorithm>

namespace rovex {
namespace {

constexpr int kSteps = 1000;

}  // namespace

ConversionProgress::ConversionProgress(QWidget* owner) : m_owner(owner) {}

ConversionProgress::~ConversionProgress() = default;

converters::ProgressFunction ConversionProgress::Function() {
  return [this](uint64_t done, uint64_t total) { return Report(done, total); };
}

bool ConversionProgress::Report(uint64_t done, uint64_t total) {
  if (!m_window) {
    if (total != 0 && total < kShowFrom) return true;
    m_window = std::make_unique<QProgressDialog>(QStringLiteral("Converting..."), QStringLiteral("Cancel"), 0,
                                                 kSteps, m_owner);
    m_window->setWindowTitle(m_owner ? m_owner->windowTitle() : QString());
    // Modal to the dialog: its buttons cannot start a second conversion meanwhile.
    m_window->setWindowModality(Qt::WindowModal);
    m_window->setAutoReset(false);
    m_window->setAutoClose(false);
    m_window->setMinimumDuration(0);
    m_window->show();
  }
  if (total == 0) {
    m_window->setRange(0, 0);  // a busy indicator
  } else {
    m_window->setValue(static_cast<int>(std::min<uint64_t>(done, total) * kSteps / total));
  }
  QApplication::processEvents();
  return !m_window->wasCanceled();
}

}  // namespace rovex
