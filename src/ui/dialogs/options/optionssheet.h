#pragma once

#include "ui/dialogs/options/optionsservices.h"
#include "ui/dialogs/options/optionswork.h"

#include <QDialog>

#include <vector>

class QTabWidget;

namespace tabulet::settings {
struct FolderSet;
}

namespace tabulet::ui {

class OptionsPage;

// The options: nine pages over a copy of the options, the key bindings and the plug-ins' flags,
// with OK and Cancel. OK takes the pages' values into the work (work()), once every page's
// numbers can be taken; the caller then applies it (applyOptions). Cancel drops it.
class OptionsSheet final : public QDialog
{
    Q_OBJECT
public:
    enum Page { Notepad, Tabs, Misc, TrayIcon, Language, Archive, Keyboard, Plugins, Network, PageCount };

    // texts, keyNames and folders must outlive the sheet.
    OptionsSheet(OptionsWork work, lang::TextTable &texts, const commands::KeyNames &keyNames,
                 const settings::FolderSet &folders, OptionsServices services, QWidget *parent = nullptr);
    ~OptionsSheet() override;

    const OptionsWork &work() const { return m_work; }
    QTabWidget &pages() { return *m_pages; }
    OptionsPage &page(Page which) { return *m_pageList[which]; }

    void accept() override;

private:
    void leavePage(int entered);

    OptionsWork m_work;
    OptionsServices m_services;
    QTabWidget *m_pages;
    std::vector<OptionsPage *> m_pageList;
    int m_shownPage = 0;
};

} // namespace tabulet::ui
