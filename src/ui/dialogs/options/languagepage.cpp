#include "ui/dialogs/options/languagepage.h"

#include "lang/texttable.h"
#include "ui/dialogs/options/optionsservices.h"
#include "ui/dialogs/options/optionswork.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tabulet::ui {

LanguagePage::LanguagePage(const OptionsWork &work, lang::TextTable &texts, OptionsServices &services,
                           const QString &languagesFolder, QWidget *parent)
    : OptionsPage(parent), m_list(new QListWidget(this))
{
    m_list->setObjectName(QStringLiteral("languages"));
    const QString configured = work.settings.value(QStringLiteral("languagefile"));
    int index = -1;
    for (const lang::InstalledLanguage &language : work.languages) {
        auto *row = new QListWidgetItem(language.name, m_list);
        row->setData(Qt::UserRole, language.file);
        row->setToolTip(language.file);
        if (language.file == configured)
            index = m_list->row(row);
    }
    if (index >= 0)
        m_list->setCurrentRow(index);
    else
        m_list->setCurrentRow(-1, QItemSelectionModel::Clear);

    auto *getMore = new QPushButton(texts.text(QStringLiteral("IDC_GETMORELANGUAGES")), this);
    getMore->setObjectName(QStringLiteral("getMoreLanguages"));
    // There is no site to fetch languages from: the folder where installed ones go is opened.
    connect(getMore, &QPushButton::clicked, this, [&services, languagesFolder] {
        QDir().mkpath(languagesFolder);
        services.openWithDesktop(languagesFolder);
    });
    auto *changes = new QLabel(texts.text(QStringLiteral("IDC_STATIC_CHANGES")), this);
    changes->setWordWrap(true);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(getMore);
    auto *page = new QVBoxLayout(this);
    page->addWidget(new QLabel(texts.text(QStringLiteral("IDC_STATIC_LANGUAGE")), this));
    page->addWidget(m_list);
    page->addWidget(changes);
    page->addLayout(buttonRow);
}

void LanguagePage::write(OptionsWork &work) const
{
    if (const QListWidgetItem *chosen = m_list->currentItem(); chosen && chosen->isSelected())
        work.settings.value(QStringLiteral("languagefile")) = chosen->data(Qt::UserRole).toString();
}

} // namespace tabulet::ui
