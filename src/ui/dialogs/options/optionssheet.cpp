#include "ui/dialogs/options/optionssheet.h"

#include "lang/texttable.h"
#include "settings/folderset.h"
#include "ui/dialogs/options/archivepage.h"
#include "ui/dialogs/options/keyboardpage.h"
#include "ui/dialogs/options/languagepage.h"
#include "ui/dialogs/options/miscpage.h"
#include "ui/dialogs/options/networkpage.h"
#include "ui/dialogs/options/notepadpage.h"
#include "ui/dialogs/options/pluginspage.h"
#include "ui/dialogs/options/tabspage.h"
#include "ui/dialogs/options/trayiconpage.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tabulet::ui {

OptionsSheet::OptionsSheet(OptionsWork work, lang::TextTable &texts, const commands::KeyNames &keyNames,
                           const settings::FolderSet &folders, OptionsServices services, QWidget *parent)
    : QDialog(parent), m_work(std::move(work)), m_services(std::move(services)), m_pages(new QTabWidget(this))
{
    setWindowTitle(texts.text(QStringLiteral("OPTIONS")));
    m_pageList = {
        new NotepadPage(m_work, texts, keyNames, m_services),
        new TabsPage(m_work, texts, m_services),
        new MiscPage(m_work, texts),
        new TrayIconPage(m_work, texts),
        new LanguagePage(m_work, texts, m_services, folders.languagesFolder),
        new ArchivePage(m_work, texts, m_services),
        new KeyboardPage(m_work, texts, keyNames, m_services),
        new PluginsPage(m_work, texts, m_services),
        new NetworkPage(m_work, texts, m_services),
    };
    static constexpr const char *kTitleKeys[PageCount] = {
        "OPTIONNOTEPAD", "OPTIONTABS",     "OPTIONMISC",    "OPTIONTRAYICON", "OPTIONLANGUAGE",
        "OPTIONARCHIVE", "OPTIONKEYBOARD", "OPTIONPLUGINS", "OPTIONNETWORK",
    };
    for (int index = 0; index < PageCount; ++index)
        m_pages->addTab(m_pageList[static_cast<std::size_t>(index)], texts.text(QLatin1String(kTitleKeys[index])));
    // Every page's title in view, as a property sheet shows them.
    m_pages->setUsesScrollButtons(false);
    connect(m_pages, &QTabWidget::currentChanged, this, &OptionsSheet::leavePage);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(texts.text(QStringLiteral("IDOK")));
    buttons->button(QDialogButtonBox::Cancel)->setText(texts.text(QStringLiteral("IDCANCEL")));
    connect(buttons, &QDialogButtonBox::accepted, this, &OptionsSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &OptionsSheet::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);
}

OptionsSheet::~OptionsSheet() = default;

void OptionsSheet::accept()
{
    // The page in view first, so that a problem there is told without turning the page.
    if (!m_pageList[static_cast<std::size_t>(m_shownPage)]->check())
        return;
    for (int index = 0; index < PageCount; ++index) {
        if (index != m_shownPage && !m_pageList[static_cast<std::size_t>(index)]->check()) {
            m_pages->setCurrentIndex(index);
            return;
        }
    }
    for (const OptionsPage *page : m_pageList)
        page->write(m_work);
    QDialog::accept();
}

// A page whose numbers cannot be taken is not left: it stays in view while the user is told.
void OptionsSheet::leavePage(int entered)
{
    const int left = m_shownPage;
    if (entered == left)
        return;
    const QSignalBlocker blocker(m_pages);
    m_pages->setCurrentIndex(left);
    if (!m_pageList[static_cast<std::size_t>(left)]->check())
        return;
    m_pages->setCurrentIndex(entered);
    m_shownPage = entered;
}

} // namespace tabulet::ui
