#include "ui/dialogs/options/miscpage.h"

#include "lang/texttable.h"
#include "ui/dialogs/options/optionswork.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace tabulet::ui {

namespace {

struct MiscOption
{
    const char *textKey;
    const char *option;
};

// In the order the page shows them.
constexpr std::array<MiscOption, 7> kMiscOptions{{
    {"IDC_AUTOFORMAT", "autoformat"},
    {"IDC_SAVEALWAYS", "savealways"},
    {"IDC_CHECKFORNEWVERSION", "checkfornewversiononstartup"},
    {"IDC_SHOWTOOLTIPS", "showtooltips"},
    {"IDC_CONFIRMEXIT", "confirmexit"},
    {"IDC_ONEINSTANCE", "oneinstance"},
    {"ID_SHOWTIPOFTHEDAY", "showtipsonstartup"},
}};

} // namespace

MiscPage::MiscPage(const OptionsWork &work, lang::TextTable &texts, QWidget *parent) : OptionsPage(parent)
{
    auto *page = new QVBoxLayout(this);
    for (std::size_t i = 0; i < kMiscOptions.size(); ++i) {
        const QString option = QLatin1String(kMiscOptions[i].option);
        m_boxes[i] = new QCheckBox(texts.text(QLatin1String(kMiscOptions[i].textKey)), this);
        m_boxes[i]->setObjectName(option);
        m_boxes[i]->setChecked(work.settings.flag(option));
        page->addWidget(m_boxes[i]);
        // A second copy looks for the first as it starts, so the choice holds from the next start.
        if (option == QLatin1String("oneinstance")) {
            auto *later = new QLabel(texts.text(QStringLiteral("IDC_STATIC_CHANGES")), this);
            later->setContentsMargins(20, 0, 0, 0);
            later->setWordWrap(true);
            page->addWidget(later);
        }
    }
    page->addStretch();
}

void MiscPage::write(OptionsWork &work) const
{
    for (std::size_t i = 0; i < kMiscOptions.size(); ++i)
        work.settings.value(QLatin1String(kMiscOptions[i].option)) =
            m_boxes[i]->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace tabulet::ui
