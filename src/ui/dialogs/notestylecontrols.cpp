#include "ui/dialogs/notestylecontrols.h"

#include "lang/formattext.h"
#include "lang/texttable.h"
#include "settings/preset.h"
#include "ui/editor/editingstyles.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace tabulet::ui {
namespace {

// Font face names reach the system in fields of 32 characters.
constexpr int kMaxFaceLength = 31;
constexpr int kSwatchWidth = 40;
constexpr int kSwatchHeight = 14;
const QColor kDisabledColour(0xA0, 0xA0, 0xA0);
// The tab colour's band on a preset's swatch, as a part of its height.
constexpr int kBandDivisor = 4;
const QColor kSwatchEdgeColour(0x80, 0x80, 0x80);

QColor toQColor(settings::Colour colour)
{
    return QColor(settings::redOf(colour), settings::greenOf(colour), settings::blueOf(colour));
}

} // namespace

StylePickers StylePickers::system()
{
    StylePickers pickers;
    pickers.colour = [](const QColor &current, QWidget *parent) -> std::optional<QColor> {
        installCustomColours();
        const QColor chosen = QColorDialog::getColor(current, parent);
        return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
    };
    pickers.font = [](const QFont &current, QWidget *parent) -> std::optional<QFont> {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, current, parent);
        return ok ? std::optional<QFont>(chosen) : std::nullopt;
    };
    return pickers;
}

QFont toQFont(const settings::FontRecord &font)
{
    QFont shown(font.face.left(kMaxFaceLength));
    if (font.size > 0)
        shown.setPointSize(font.size);
    shown.setBold(font.bold);
    shown.setItalic(font.italic);
    return shown;
}

QPixmap presetSwatch(const settings::Preset &preset, const QSize &size, const QColor &plain, const QColor &ink)
{
    QPixmap swatch(size);
    swatch.fill(preset.hasBackground ? toQColor(preset.background) : plain);
    QPainter painter(&swatch);
    const QRect whole(QPoint(0, 0), size);
    const int band = preset.hasTabColour ? size.height() / kBandDivisor : 0;
    if (band > 0)
        painter.fillRect(QRect(0, 0, size.width(), band), toQColor(preset.tabColour));
    QFont font = preset.hasFont ? toQFont(preset.font) : painter.font();
    font.setPixelSize(std::max(1, (size.height() - band) * 2 / 3));
    painter.setFont(font);
    painter.setPen(preset.hasTextColour ? toQColor(preset.textColour) : ink);
    painter.drawText(whole.adjusted(0, band, 0, 0), Qt::AlignCenter, QStringLiteral("Ab"));
    painter.setPen(kSwatchEdgeColour);
    painter.drawRect(whole.adjusted(0, 0, -1, -1));
    return swatch;
}

settings::FontRecord toFontRecord(const QFont &font)
{
    settings::FontRecord record;
    record.face = font.family().left(kMaxFaceLength);
    if (font.pointSize() > 0)
        record.size = font.pointSize();
    record.bold = font.bold();
    record.italic = font.italic();
    return record;
}

NoteStyleControls::NoteStyleControls(lang::TextTable &texts, const NoteStyleChoice &choice, QWidget *parent)
    : QWidget(parent), m_font(choice.font), m_sampleFormat(texts.text(QStringLiteral("FONT_SAMPLE")))
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    m_title = addColourRow(*grid, 0, texts.text(QStringLiteral("IDC_CHECK_TITLECOLOR")), "titleColour",
                           choice.hasTitleColour, choice.titleColour);
    m_text = addColourRow(*grid, 1, texts.text(QStringLiteral("IDC_CHECK_TEXTCOLOR")), "textColour",
                          choice.hasTextColour, choice.textColour);
    m_background = addColourRow(*grid, 2, texts.text(QStringLiteral("IDC_CHECK_BGCOLOR")), "backgroundColour",
                                choice.hasBackground, choice.background);
    connect(m_title.button, &QPushButton::clicked, this, [this] { pickColour(m_title); });
    connect(m_text.button, &QPushButton::clicked, this, [this] { pickColour(m_text); });
    connect(m_background.button, &QPushButton::clicked, this, [this] { pickColour(m_background); });

    m_ownFont = new QCheckBox(texts.text(QStringLiteral("IDC_CUSTOM_FONT")), this);
    m_ownFont->setObjectName(QStringLiteral("ownFont"));
    m_ownFont->setChecked(choice.hasFont);
    m_sample = new QLabel(this);
    m_sample->setObjectName(QStringLiteral("fontSample"));
    m_selectFont = new QPushButton(texts.text(QStringLiteral("IDC_SELECT_FONT")), this);
    m_selectFont->setObjectName(QStringLiteral("selectFont"));
    connect(m_ownFont, &QCheckBox::toggled, this, &NoteStyleControls::updateEnabled);
    connect(m_selectFont, &QPushButton::clicked, this, &NoteStyleControls::pickFont);
    grid->addWidget(m_ownFont, 3, 0);
    grid->addWidget(m_sample, 4, 0);
    grid->addWidget(m_selectFont, 4, 1);
    updateEnabled();
}

NoteStyleControls::ColourRow NoteStyleControls::addColourRow(QGridLayout &grid, int row, const QString &text,
                                                             const char *name, bool on, settings::Colour colour)
{
    ColourRow controls;
    controls.check = new QCheckBox(text, this);
    controls.check->setObjectName(QLatin1String(name));
    controls.check->setChecked(on);
    controls.button = new QPushButton(this);
    controls.button->setObjectName(QLatin1String(name) + QLatin1String("Button"));
    controls.button->setIconSize(QSize(kSwatchWidth, kSwatchHeight));
    // The swatch shows no text: screen readers name it after its row.
    controls.button->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    controls.colour = colour;
    connect(controls.check, &QCheckBox::toggled, this, &NoteStyleControls::updateEnabled);
    grid.addWidget(controls.check, row, 0);
    grid.addWidget(controls.button, row, 1);
    return controls;
}

NoteStyleChoice NoteStyleControls::choice() const
{
    NoteStyleChoice choice;
    choice.hasTitleColour = m_title.check->isChecked();
    choice.titleColour = m_title.colour;
    choice.hasTextColour = m_text.check->isChecked();
    choice.textColour = m_text.colour;
    choice.hasBackground = m_background.check->isChecked();
    choice.background = m_background.colour;
    choice.hasFont = m_ownFont->isChecked();
    choice.font = m_font;
    return choice;
}

void NoteStyleControls::pickColour(ColourRow &row)
{
    if (const std::optional<QColor> chosen = m_pickers.colour(toQColor(row.colour), this)) {
        row.colour = settings::colourFromRgb(chosen->red(), chosen->green(), chosen->blue());
        showColour(row);
    }
}

void NoteStyleControls::pickFont()
{
    if (const std::optional<QFont> chosen = m_pickers.font(toQFont(m_font), this)) {
        m_font = toFontRecord(*chosen);
        updateEnabled();
    }
}

void NoteStyleControls::showColour(const ColourRow &row)
{
    QPixmap swatch(kSwatchWidth, kSwatchHeight);
    swatch.fill(row.check->isChecked() ? toQColor(row.colour) : kDisabledColour);
    row.button->setIcon(swatch);
}

void NoteStyleControls::updateEnabled()
{
    for (const ColourRow *row : {&m_title, &m_text, &m_background}) {
        row->button->setEnabled(row->check->isChecked());
        showColour(*row);
    }
    const bool ownFont = m_ownFont->isChecked();
    m_sample->setEnabled(ownFont);
    m_selectFont->setEnabled(ownFont);
    m_sample->setFont(toQFont(m_font));
    m_sample->setText(lang::formatText(m_sampleFormat, {m_font.face, m_font.size}));
}

} // namespace tabulet::ui
