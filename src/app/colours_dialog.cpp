#include "app/colours_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/colour_picker_dialog.h"
#include "qtplatform/qt_canvas.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

ColourSample::ColourSample(QWidget* parent) : QWidget(parent) { setMinimumSize(150, 56); }

void ColourSample::SetColours(Colour font, Colour back) {
  m_font = font;
  m_back = back;
  update();
}

void ColourSample::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const Colour box = ColoursModel::kPreviewBox, outline = ColoursModel::kPreviewOutline;
  p.setPen(QColor(outline.red, outline.green, outline.blue));
  p.setBrush(QColor(box.red, box.green, box.blue));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  // The height is a cell height, as on the canvas: the preview shows the size
  // the panels draw at.
  rovex::Font sampleFont;
  sampleFont.height = ColoursModel::kPreviewFontHeight;
  const QFont f = QtCanvas::ResolveFont(sampleFont);
  p.setFont(f);
  QFontMetrics fm(f);
  QRect text = fm.boundingRect(QStringLiteral("Sample"));
  text.moveCenter(rect().center());
  p.fillRect(text, QColor(m_back.red, m_back.green, m_back.blue));
  p.setPen(QColor(m_font.red, m_font.green, m_font.blue));
  p.drawText(text, Qt::AlignCenter, QStringLiteral("Sample"));
}

CDLG_Colours::CDLG_Colours(RegistrySettings& settings, QWidget* parent) : QDialog(parent), m_settings(settings) {
  setWindowTitle(QStringLiteral("Display colours"));
  pickColour = [](QWidget* owner) -> std::optional<Colour> {
    CColourPickerDlg picker(Colour{}, owner);  // starts at black
    if (picker.exec() != QDialog::Accepted) return std::nullopt;
    return picker.Result();
  };
  ColoursModel::Fields fields = ColoursModel::Open(settings);
  auto* layout = new QVBoxLayout(this);
  const char* setNames[2] = {"Day", "Night"};
  // The form lists the edits Red, Blue, Green, the order ROVEX users know from this dialog; the model keeps r, g, b.
  const int shownOrder[3] = {0, 2, 1};
  const char* componentNames[3] = {"Red", "Blue", "Green"};
  for (int set = 0; set < 2; ++set) {
    auto* box = new QGroupBox(QString::fromLatin1(setNames[set]), this);
    auto* grid = new QGridLayout(box);
    for (int c = 0; c < 3; ++c) grid->addWidget(new QLabel(QString::fromLatin1(componentNames[c]), box), 0, c + 1);
    for (int row = 0; row < 2; ++row) {
      auto which = static_cast<ColoursModel::Which>(set * 2 + row);
      grid->addWidget(new QLabel(row == 0 ? QStringLiteral("Font") : QStringLiteral("Background"), box), row + 1, 0);
      for (int c = 0; c < 3; ++c) {
        int component = shownOrder[c];
        auto* edit = new QLineEdit(QString::fromStdString(fields[which][component]), box);
        edit->setMaximumWidth(56);
        m_edits[which][component] = edit;
        grid->addWidget(edit, row + 1, c + 1);
        connect(edit, &QLineEdit::textChanged, this, [this] { UpdateSamples(); });
      }
      auto* pick = new QPushButton(QStringLiteral("Pick"), box);
      grid->addWidget(pick, row + 1, 4);
      m_samples[which] = new ColourSample(box);
      grid->addWidget(m_samples[which], row + 1, 5);
      connect(pick, &QPushButton::clicked, this, [this, which] {
        if (auto c = pickColour(this)) {
          m_edits[which][0]->setText(QString::number(c->red));
          m_edits[which][1]->setText(QString::number(c->green));
          m_edits[which][2]->setText(QString::number(c->blue));
        }
      });
    }
    layout->addWidget(box);
  }
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  UpdateSamples();
}

ColoursModel::Fields CDLG_Colours::Fields() const {
  ColoursModel::Fields f;
  for (int w = 0; w < 4; ++w) {
    for (int c = 0; c < 3; ++c) f[w][c] = ToSystemText(m_edits[w][c]->text());
  }
  return f;
}

void CDLG_Colours::UpdateSamples() {
  ColoursModel::Fields f = Fields();
  for (int set = 0; set < 2; ++set) {
    Colour font = ColoursModel::ColourOf(f, static_cast<ColoursModel::Which>(set * 2));
    Colour back = ColoursModel::ColourOf(f, static_cast<ColoursModel::Which>(set * 2 + 1));
    m_samples[set * 2]->SetColours(font, back);
    m_samples[set * 2 + 1]->SetColours(font, back);
  }
}

void CDLG_Colours::accept() {
  ColoursModel::Ok(m_settings, Fields());
  QDialog::accept();
}

}  // namespace rovex
