#include "ui/dialogs/options/tabspage.h"

#include "lang/texttable.h"
#include "settings/textnumber.h"
#include "ui/dialogs/options/fontchooser.h"
#include "ui/dialogs/options/numberfield.h"
#include "ui/dialogs/options/optionsservices.h"
#include "ui/dialogs/options/optionswork.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include <limits>

namespace tabulet::ui {

TabsPage::TabsPage(const OptionsWork &work, lang::TextTable &texts, OptionsServices &services, QWidget *parent)
    : OptionsPage(parent), m_texts(texts), m_services(services),
      m_font(new FontChooser(fontOption(work.settings, QStringLiteral("tabfont")),
                             texts.text(QStringLiteral("IDC_BUTTON_SELECT")), texts.text(QStringLiteral("FONT_SAMPLE")),
                             services.pickers, this)),
      m_height(new NumberField(std::max(0, settings::leadingNumber(work.settings.value(QStringLiteral("tabheight")))),
                               this)),
      m_override(new QCheckBox(texts.text(QStringLiteral("IDC_OVERRIDESKINFONT")), this))
{
    m_height->setObjectName(QStringLiteral("tabHeight"));
    m_height->setMaximumWidth(80);
    m_override->setObjectName(QStringLiteral("overrideTheme"));
    m_override->setChecked(work.settings.flag(QStringLiteral("overridetheme")));

    auto *appearance = new QGroupBox(texts.text(QStringLiteral("IDC_STATIC_APPEARANCE")), this);
    auto *rows = new QFormLayout(appearance);
    rows->addRow(texts.text(QStringLiteral("IDC_STATIC_FONT")), m_font);
    rows->addRow(texts.text(QStringLiteral("IDC_STATIC_TABHEIGHT")), m_height);
    rows->addRow(m_override);
    auto *page = new QVBoxLayout(this);
    page->addWidget(appearance);
    page->addStretch();
}

bool TabsPage::check()
{
    return m_height->check(0, std::numeric_limits<int>::max(), m_texts, m_services.warn);
}

void TabsPage::write(OptionsWork &work) const
{
    writeFontOption(work.settings, QStringLiteral("tabfont"), m_font->font());
    work.settings.value(QStringLiteral("tabheight")) = QString::number(m_height->number());
    work.settings.value(QStringLiteral("overridetheme")) = m_override->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace tabulet::ui
