#include "ui/dialogs/options/fontchooser.h"

#include "lang/formattext.h"
#include "settings/settings.h"
#include "settings/textnumber.h"
#include "ui/dialogs/notestylecontrols.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace tabulet::ui {

settings::FontRecord fontOption(const settings::Settings &settings, const QString &prefix)
{
    settings::FontRecord font;
    font.face = settings.value(prefix);
    font.size = settings::leadingNumber(settings.value(prefix + QStringLiteral("size")));
    font.bold = settings.flag(prefix + QStringLiteral("bold"));
    font.italic = settings.flag(prefix + QStringLiteral("italics"));
    return font;
}

void writeFontOption(settings::Settings &settings, const QString &prefix, const settings::FontRecord &font)
{
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    settings.value(prefix) = font.face;
    settings.value(prefix + QStringLiteral("size")) = QString::number(font.size);
    settings.value(prefix + QStringLiteral("bold")) = flag(font.bold);
    settings.value(prefix + QStringLiteral("italics")) = flag(font.italic);
}

FontChooser::FontChooser(const settings::FontRecord &font, const QString &buttonText, QString sampleFormat,
                         const StylePickers &pickers, QWidget *parent)
    : QWidget(parent), m_pickers(pickers), m_font(font), m_sampleFormat(std::move(sampleFormat)),
      m_sample(new QLabel(this))
{
    m_sample->setObjectName(QStringLiteral("fontSample"));
    m_sample->setFrameShape(QFrame::StyledPanel);
    m_sample->setMinimumWidth(180);
    auto *select = new QPushButton(buttonText, this);
    select->setObjectName(QStringLiteral("selectFont"));
    connect(select, &QPushButton::clicked, this, &FontChooser::pick);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_sample, 1);
    row->addWidget(select);
    showSample();
}

void FontChooser::pick()
{
    if (const std::optional<QFont> chosen = m_pickers.font(toQFont(m_font), this)) {
        m_font = toFontRecord(*chosen);
        showSample();
    }
}

// The sample is drawn in the font at a size that fits the page; the text tells the real size.
void FontChooser::showSample()
{
    QFont shown = toQFont(m_font);
    shown.setPointSize(std::clamp(m_font.size, 6, 14));
    m_sample->setFont(shown);
    m_sample->setText(lang::formatText(m_sampleFormat, {m_font.face, m_font.size}));
}

} // namespace tabulet::ui
