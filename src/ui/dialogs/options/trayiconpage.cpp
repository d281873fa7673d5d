#include "ui/dialogs/options/trayiconpage.h"

#include "lang/texttable.h"
#include "ui/dialogs/options/optionswork.h"
#include "ui/tray/trayiconpictures.h"

#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tabulet::ui {

namespace {

constexpr int kColumnWidth = 300;
constexpr int kPictureSize = 16;

} // namespace

TrayIconPage::TrayIconPage(const OptionsWork &work, lang::TextTable &texts, QWidget *parent)
    : OptionsPage(parent), m_list(new QTreeWidget(this))
{
    m_list->setObjectName(QStringLiteral("trayIcons"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({texts.text(QStringLiteral("TRAYICON_PICTURE"))});
    m_list->setColumnWidth(0, kColumnWidth);
    m_list->setIconSize(QSize(kPictureSize, kPictureSize));
    for (int index = 0; index < kTrayPictureChoices; ++index) {
        const auto picture = static_cast<TrayPicture>(index);
        auto *row = new QTreeWidgetItem(m_list, {trayPictureName(picture, texts)});
        row->setIcon(0, trayPictureIcon(picture));
    }
    // A value naming no picture shows the white notes, so that is what the list selects.
    m_list->setCurrentItem(
        m_list->topLevelItem(static_cast<int>(trayPictureOf(work.settings.value(QStringLiteral("trayicon"))))));

    auto *page = new QVBoxLayout(this);
    page->addWidget(new QLabel(texts.text(QStringLiteral("IDC_STATIC_TRAYICON")), this));
    page->addWidget(m_list);
}

void TrayIconPage::write(OptionsWork &work) const
{
    QTreeWidgetItem *chosen = m_list->currentItem();
    work.settings.value(QStringLiteral("trayicon")) = QString::number(chosen ? m_list->indexOfTopLevelItem(chosen) : 0);
}

} // namespace tabulet::ui
