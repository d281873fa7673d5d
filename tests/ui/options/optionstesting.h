// A sheet over a work of the tests' own, its dialogs answered by the test.
#pragma once

#include "fakekeynames.h"
#include "lang/texttable.h"
#include "settings/folderset.h"
#include "ui/dialogs/options/optionssheet.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <QTabWidget>

#include <memory>
#include <optional>

namespace tabulet::ui::testing {

struct SheetRig
{
    lang::TextTable texts;
    FakeKeyNames keyNames;
    settings::FolderSet folders;
    // What the shortcut dialog answers next (nullopt: Cancel), and each warning shown.
    std::optional<commands::Shortcut> nextShortcut;
    // What each opening of the shortcut dialog was for.
    QStringList askedFor;
    bool detailsChangeState = false;
    QStringList warnings;
    QList<int> pagesWhenWarned;
    QStringList opened;
    std::unique_ptr<OptionsSheet> sheet;

    SheetRig()
    {
        texts.loadLanguageText("OPTION_INTEGERRANGE: between %d and %d\nOPTION_ENTERINTEGER: integer\n"
                               "IDC_STATIC_ACTIVATE: Show or hide Tabulet with:\n"
                               "OPTION_LISTENADDRESS: not an address: %s\n");
    }

    OptionsServices services()
    {
        OptionsServices answers;
        answers.askShortcut = [this](const QString &boundTo, const commands::Shortcut &, const commands::CommandTable &,
                                     QWidget *) {
            askedFor.append(boundTo);
            return nextShortcut;
        };
        answers.showPluginDetails = [this](const plugins::PluginInfo &, QWidget *) { return detailsChangeState; };
        answers.askFolder = [](const QString &, const QString &, QWidget *) { return QStringLiteral("/srv/archives"); };
        answers.openWithDesktop = [this](const QString &path) { opened.append(path); };
        answers.warn = [this](const QString &text, QWidget *) {
            warnings.append(text);
            pagesWhenWarned.append(sheet ? sheet->pages().currentIndex() : -1);
        };
        return answers;
    }

    OptionsSheet &open(OptionsWork work)
    {
        sheet = std::make_unique<OptionsSheet>(std::move(work), texts, keyNames, folders, services());
        return *sheet;
    }

    // A work whose options hold the defaults with the given values laid over them.
    static OptionsWork workWith(std::initializer_list<std::pair<const char *, const char *>> values)
    {
        OptionsWork work;
        work.settings.applyDefaults();
        for (const auto &[key, value] : values)
            work.settings.value(QLatin1String(key)) = QString::fromUtf8(value);
        return work;
    }
};

template<typename Widget> Widget *child(QWidget &parent, const char *name)
{
    auto *found = parent.findChild<Widget *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

} // namespace tabulet::ui::testing
