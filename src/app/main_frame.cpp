#include "app/main_frame.h"
#include "settings/demo_seed.h"

#include <QCoreApplication>

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>

#include "app/about_dialog.h"
#include "app/qt_key_press.h"
#include "app/rovex_view.h"
#include "app/toolbar_icons.h"
#include "qtplatform/qt_user_prompt.h"
#include "settings/registry_settings.h"
#include "system/accelerator_table.h"
#include "system/command_ids.h"
#include "system/command_table.h"
#include "gps/gps_input.h"

namespace rovex {
namespace {

struct WindowRectangle {
  int left, top, right, bottom;
};

constexpr WindowRectangle k600x480{10, 10, 590, 470};
constexpr WindowRectangle k800x600{10, 10, 790, 610};
constexpr WindowRectangle k800x700{10, 10, 805, 640};

// The buttons of the two toolbars, in order; a button shows only when its command works.
struct ToolButton {
  int id;
  const char* icon;
};

const std::vector<ToolButton>& StandardButtons() {
  static const std::vector<ToolButton> buttons = {
      {cmd::kFileOpen, "open"}, {cmd::kFileSave, "save"}, {cmd::kFilePrint, "print"}, {cmd::kAbout, "about"}};
  return buttons;
}

const std::vector<ToolButton>& RovexButtons() {
  static const std::vector<ToolButton> buttons = {
      {cmd::kToolStart, "start"},          {cmd::kToolStop, "stop"},
      {cmd::kToolZoomIn, "zoom_in"},       {cmd::kToolZoomOut, "zoom_out"},
      {cmd::kToolMark, "mark"},            {cmd::kToolDayColours, "day"},
      {cmd::kToolNightColours, "night"},
  };
  return buttons;
}

// The text of a menu item with its key shown at the right (display only: keys
// run through the accelerator table).
QString MenuText(const MenuCommand& item) {
  QString text = FromSystemText(item.text);
  if (!item.key.empty()) text += QLatin1Char('\t') + FromSystemText(item.key);
  return text;
}

}  // namespace

std::string CMainFrame::HomePage() {
  // The program's own guide, installed beside it; there is no web site to send the user to.
  return DemoSeed::ShareFolderOf(QCoreApplication::applicationFilePath().toStdString()) + "/README.md";
}

CMainFrame::CMainFrame(const Services& services, QWidget* parent) : QMainWindow(parent), m_services(services) {
  setWindowTitle(QStringLiteral("ROVEX"));
  resize(800, 600);
  // The view is created first: its construction runs the settings version check.
  m_view = new CROVEXView(m_services, this);
  setCentralWidget(m_view);
  m_view->setFocus();
  RegisterFrameCommands();
  BuildToolBars();
  BuildStatusBar();
  BuildMenus();
  if (m_services.store && RegistrySettings(*m_services.store, nullptr).ReadFlagSetting("AutoStartSize") == 1) {
    ApplyWindowRectangle(k800x600.left, k800x600.top, k800x600.right, k800x600.bottom);
    // The window's decorations are known only once it is on screen: place it again then.
    m_placeOnShow = true;
  }
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::RegisterFrameCommands() {
  auto add = [this](int id, std::function<void()> run, std::function<bool()> checked = nullptr) {
    m_handlers[id] = std::move(run);
    if (checked) m_checks[id] = std::move(checked);
  };
  // Shown or hidden by the user, whether or not the window itself is on screen yet.
  auto toggle = [this](QWidget* w) { w->setVisible(!w->isVisibleTo(this)); };
  add(cmd::kViewToolbar, [this, toggle] { toggle(m_standardBar); }, [this] { return m_standardBar->isVisibleTo(this); });
  add(cmd::kViewStatusBar, [this, toggle] { toggle(statusBar()); }, [this] { return statusBar()->isVisibleTo(this); });
  add(cmd::kViewRovexToolbar, [this, toggle] { toggle(m_rovexBar); }, [this] { return m_rovexBar->isVisibleTo(this); });
  auto preset = [this](WindowRectangle r) { return [this, r] { ApplyWindowRectangle(r.left, r.top, r.right, r.bottom); }; };
  add(cmd::kWindow600x480, preset(k600x480));
  add(cmd::kWindow800x600, preset(k800x600));
  add(cmd::kWindow800x700, preset(k800x700));
  add(cmd::kAppExit, [this] { close(); });
  add(cmd::kAbout, [this] { ShowAbout(); });
}

bool CMainFrame::HasCommand(int id) const { return m_handlers.count(id) || m_view->System().HasCommand(id); }

bool CMainFrame::RunCommand(int id) {
  if (auto h = m_handlers.find(id); h != m_handlers.end()) {
    h->second();
    return true;
  }
  return m_view->System().RunCommand(id);
}

std::optional<bool> CMainFrame::IsChecked(int id) const {
  if (auto c = m_checks.find(id); c != m_checks.end()) return c->second();
  return m_view->System().IsChecked(id);
}

QAction* CMainFrame::MenuAction(int id) const {
  auto it = m_menuActions.find(id);
  return it == m_menuActions.end() ? nullptr : it->second;
}

void CMainFrame::BuildMenus() {
  for (const MenuDefinition& definition : MenuTable()) {
    std::vector<const MenuCommand*> present;
    for (const MenuCommand& item : definition.items) {
      if (HasCommand(item.id)) present.push_back(&item);
    }
    if (present.empty()) continue;
    QMenu* menu = menuBar()->addMenu(FromSystemText(definition.title));
    for (const MenuCommand* item : present) {
      QAction* action = menu->addAction(MenuText(*item));
      action->setStatusTip(FromSystemText(item->prompt));
      action->setCheckable(IsChecked(item->id).has_value());
      const int id = item->id;
      connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
      m_menuActions[id] = action;
    }
    // Check marks are brought up to date each time a menu opens.
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateCheckMarks(menu); });
  }
}

void CMainFrame::UpdateCheckMarks(QMenu* menu) {
  for (const auto& [id, action] : m_menuActions) {
    if (action->parent() != menu) continue;
    if (auto checked = IsChecked(id)) action->setChecked(*checked);
  }
}

void CMainFrame::BuildToolBars() {
  auto build = [this](const QString& title, const QString& name, const std::vector<ToolButton>& buttons) {
    auto* bar = new QToolBar(title, this);
    bar->setObjectName(name);
    bar->setAllowedAreas(Qt::AllToolBarAreas);
    bar->setMovable(true);
    bar->setFloatable(true);
    bar->setIconSize(QSize(32, 32));
    bar->setFocusPolicy(Qt::NoFocus);
    for (const ToolButton& b : buttons) {
      if (!HasCommand(b.id)) continue;
      QAction* action = bar->addAction(ToolbarIcon(b.icon), FromSystemText(CommandTooltip(b.id)));
      action->setStatusTip(FromSystemText(CommandPrompt(b.id)));
      const int id = b.id;
      connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    }
    addToolBar(Qt::TopToolBarArea, bar);
    return bar;
  };
  m_standardBar = build(QStringLiteral("Standard"), QStringLiteral("StandardToolBar"), StandardButtons());
  m_rovexBar = build(QStringLiteral("ROVEX Toolbar"), QStringLiteral("RovexToolBar"), RovexButtons());
}

void CMainFrame::BuildStatusBar() {
  m_prompt = new QLabel(QStringLiteral("Ready"), this);
  statusBar()->addWidget(m_prompt, 1);
  // Three indicator panes beside the prompt, lit while their state is on.
  auto checked = [this](int id) { return [this, id] { return IsChecked(id).value_or(false); }; };
  const std::pair<const char*, std::function<bool()>> indicators[] = {
      {"MUTE", checked(cmd::kMute)},
      {"LOG", checked(cmd::kLogNmea)},
      {"GPS", [this] { return m_view->System().Gps().PortOpen(); }},
  };
  for (const auto& [name, lit] : indicators) {
    auto* pane = new QLabel(this);
    pane->setObjectName(QString::fromLatin1(name));
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("MMMMM")));
    pane->setAlignment(Qt::AlignCenter);
    pane->setFrameShape(QFrame::StyledPanel);
    statusBar()->addPermanentWidget(pane);
    m_indicators.push_back({pane, lit, QString::fromLatin1(name)});
  }
  auto* timer = new QTimer(this);
  connect(timer, &QTimer::timeout, this, [this] { UpdateIndicators(); });
  timer->start(500);
  UpdateIndicators();
}

void CMainFrame::UpdateIndicators() {
  for (const Indicator& i : m_indicators) {
    i.pane->setText(i.lit() ? i.text : QString());
  }
}

QString CMainFrame::StatusPrompt() const { return m_prompt->text(); }

bool CMainFrame::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    QString tip = static_cast<QStatusTipEvent*>(event)->tip();
    m_prompt->setText(tip.isEmpty() ? QStringLiteral("Ready") : tip);
    return true;
  }
  return QMainWindow::event(event);
}

bool CMainFrame::TranslateAccelerator(QKeyEvent* event) {
  auto id = rovex::TranslateAccelerator(ToKeyPress(*event), [this](int command) { return HasCommand(command); });
  if (!id) return false;
  RunCommand(*id);
  return true;
}

void CMainFrame::keyPressEvent(QKeyEvent* event) {
  if (TranslateAccelerator(event)) {
    event->accept();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void CMainFrame::closeEvent(QCloseEvent* event) { event->accept(); }

void CMainFrame::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!m_placeOnShow) return;
  m_placeOnShow = false;
  QTimer::singleShot(0, this, [this] {
    ApplyWindowRectangle(k800x600.left, k800x600.top, k800x600.right, k800x600.bottom);
  });
}

void CMainFrame::ApplyWindowRectangle(int left, int top, int right, int bottom) {
  if (isMaximized() || isMinimized()) showNormal();
  // The rectangle is the whole window; Qt sizes the inside, so the decorations are taken off.
  QSize decorations = frameGeometry().size() - geometry().size();
  move(left, top);
  resize(right - left - decorations.width(), bottom - top - decorations.height());
}

void CMainFrame::ShowAbout() {
  CAboutDlg dialog(m_services.shell, HomePage().c_str(), this);
  dialog.exec();
}

}  // namespace rovex
