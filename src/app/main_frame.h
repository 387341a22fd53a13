#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "platform/services.h"

class QAction;
class QLabel;
class QMenu;
class QKeyEvent;
class QToolBar;

// The main window: the menus built from the command table, the standard
// toolbar and the ROVEX toolbar (both dockable on any side), the status bar
// with its prompt pane, the window-size presets, and the view in the middle.
// Commands of the window itself (toolbars, sizes, Exit, About) are handled
// here; every other command goes to the running system.

namespace rovex {

class CROVEXView;

class CMainFrame final : public QMainWindow {
  Q_OBJECT
 public:
  explicit CMainFrame(const Services& services, QWidget* parent = nullptr);
  ~CMainFrame() override;

  CROVEXView& View() { return *m_view; }
  QToolBar* StandardToolBar() const { return m_standardBar; }
  QToolBar* RovexToolBar() const { return m_rovexBar; }
  // The message pane of the status bar.
  QString StatusPrompt() const;

  bool HasCommand(int id) const;
  bool RunCommand(int id);
  std::optional<bool> IsChecked(int id) const;
  // The menu action of a command, or null when it is not in the menus.
  QAction* MenuAction(int id) const;

  // Runs the command of an accelerator key; false when the key has none.
  bool TranslateAccelerator(QKeyEvent* event);

  // The frame's normal position, as left, top, right, bottom of the whole window.
  void ApplyWindowRectangle(int left, int top, int right, int bottom);

  // The home page the About box opens.
  static std::string HomePage();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void RegisterFrameCommands();
  void BuildMenus();
  void BuildToolBars();
  void BuildStatusBar();
  void UpdateCheckMarks(QMenu* menu);
  void ShowAbout();
  void UpdateIndicators();

  struct Indicator {
    QLabel* pane;
    std::function<bool()> lit;
    QString text;
  };

  Services m_services;
  CROVEXView* m_view = nullptr;
  QToolBar* m_standardBar = nullptr;
  QToolBar* m_rovexBar = nullptr;
  QLabel* m_prompt = nullptr;
  std::map<int, std::function<void()>> m_handlers;
  std::map<int, std::function<bool()>> m_checks;
  std::map<int, QAction*> m_menuActions;
  std::vector<Indicator> m_indicators;
  bool m_placeOnShow = false;
};

}  // namespace rovex
