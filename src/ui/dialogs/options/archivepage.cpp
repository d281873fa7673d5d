#include "ui/dialogs/options/archivepage.h"

#include "lang/texttable.h"
#include "settings/textnumber.h"
#include "ui/dialogs/options/numberfield.h"
#include "ui/dialogs/options/optionsservices.h"
#include "ui/dialogs/options/optionswork.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tabulet::ui {

namespace {

constexpr int kFieldWidth = 60;

QString flagText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

int days(const OptionsWork &work, const char *option)
{
    return std::clamp(settings::leadingNumber(work.settings.value(QLatin1String(option))), 0, ArchivePage::kMaxDays);
}

} // namespace

ArchivePage::ArchivePage(const OptionsWork &work, lang::TextTable &texts, OptionsServices &services, QWidget *parent)
    : OptionsPage(parent), m_texts(texts), m_services(services),
      m_autoArchive(new QCheckBox(texts.text(QStringLiteral("IDC_CHECK_AUTOARCHIVE")), this)),
      m_every(new QLabel(texts.text(QStringLiteral("IDC_STATIC_ARCHIVE_EVERY")), this)),
      m_createInterval(new NumberField(days(work, "createarchiveinterval"), this)),
      m_everyDays(new QLabel(texts.text(QStringLiteral("IDC_STATIC_ARCHIVE_DAYS")), this)),
      m_silent(new QCheckBox(texts.text(QStringLiteral("IDC_CHECK_SILENTARCHIVE")), this)),
      m_deleteOld(new QCheckBox(texts.text(QStringLiteral("IDC_CHECK_DELETEOLDARCHIVES")), this)),
      m_olderThan(new QLabel(texts.text(QStringLiteral("IDC_STATIC_ARCHIVE_OLDERTHAN")), this)),
      m_deleteInterval(new NumberField(days(work, "deletearchiveinterval"), this)),
      m_olderDays(new QLabel(texts.text(QStringLiteral("IDC_STATIC_ARCHIVE_DAYS")), this)),
      m_defaultFolder(new QCheckBox(texts.text(QStringLiteral("USE_DEFAULT_ARCHIVING_PATH")), this)),
      m_folder(new QLineEdit(work.settings.value(QStringLiteral("customarchivedir")), this)),
      m_browse(new QPushButton(texts.text(QStringLiteral("BROWSE")), this))
{
    m_autoArchive->setObjectName(QStringLiteral("autoArchive"));
    m_createInterval->setObjectName(QStringLiteral("createInterval"));
    m_silent->setObjectName(QStringLiteral("silent"));
    m_deleteOld->setObjectName(QStringLiteral("deleteOld"));
    m_deleteInterval->setObjectName(QStringLiteral("deleteInterval"));
    m_defaultFolder->setObjectName(QStringLiteral("defaultFolder"));
    m_folder->setObjectName(QStringLiteral("archiveFolder"));
    m_browse->setObjectName(QStringLiteral("browse"));
    m_createInterval->setMaximumWidth(kFieldWidth);
    m_deleteInterval->setMaximumWidth(kFieldWidth);

    m_autoArchive->setChecked(work.settings.flag(QStringLiteral("autoarchive")));
    m_silent->setChecked(work.settings.flag(QStringLiteral("silentautoarchive")));
    m_deleteOld->setChecked(work.settings.flag(QStringLiteral("deletearchive")));
    m_defaultFolder->setChecked(settings::leadingNumber(work.settings.value(QStringLiteral("usedefaultarchivedir"))) > 0);

    auto *grid = new QGridLayout;
    grid->setColumnMinimumWidth(0, 20);
    grid->addWidget(m_autoArchive, 0, 0, 1, 5);
    grid->addWidget(m_every, 1, 1);
    grid->addWidget(m_createInterval, 1, 2);
    grid->addWidget(m_everyDays, 1, 3);
    grid->addWidget(m_silent, 2, 1, 1, 4);
    grid->addWidget(m_deleteOld, 3, 0, 1, 5);
    grid->addWidget(m_olderThan, 4, 1);
    grid->addWidget(m_deleteInterval, 4, 2);
    grid->addWidget(m_olderDays, 4, 3);
    // The labels before the day counts name them for screen readers.
    m_every->setBuddy(m_createInterval);
    m_olderThan->setBuddy(m_deleteInterval);
    grid->setColumnStretch(4, 1);

    auto *folderRow = new QHBoxLayout;
    auto *folderLabel = new QLabel(texts.text(QStringLiteral("CUSTOM_PATH")), this);
    folderLabel->setBuddy(m_folder);
    folderRow->addWidget(folderLabel);
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(m_browse);
    // The archiver takes its folder as the program starts.
    auto *later = new QLabel(texts.text(QStringLiteral("IDC_STATIC_CHANGES")), this);
    later->setWordWrap(true);

    auto *page = new QVBoxLayout(this);
    page->addLayout(grid);
    page->addSpacing(8);
    page->addWidget(m_defaultFolder);
    page->addLayout(folderRow);
    page->addWidget(later);
    page->addStretch();

    for (QCheckBox *box : {m_autoArchive, m_deleteOld, m_defaultFolder})
        connect(box, &QCheckBox::clicked, this, &ArchivePage::updateEnabled);
    connect(m_browse, &QPushButton::clicked, this, &ArchivePage::browse);
    updateEnabled();
}

bool ArchivePage::check()
{
    return m_createInterval->check(0, kMaxDays, m_texts, m_services.warn) &&
           m_deleteInterval->check(0, kMaxDays, m_texts, m_services.warn);
}

void ArchivePage::write(OptionsWork &work) const
{
    auto &options = work.settings;
    options.value(QStringLiteral("createarchiveinterval")) = QString::number(m_createInterval->number());
    options.value(QStringLiteral("deletearchiveinterval")) = QString::number(m_deleteInterval->number());
    options.value(QStringLiteral("autoarchive")) = flagText(m_autoArchive->isChecked());
    options.value(QStringLiteral("deletearchive")) = flagText(m_deleteOld->isChecked());
    options.value(QStringLiteral("silentautoarchive")) = flagText(m_silent->isChecked());
    options.value(QStringLiteral("usedefaultarchivedir")) = flagText(m_defaultFolder->isChecked());
    options.value(QStringLiteral("customarchivedir")) = m_folder->text();
}

void ArchivePage::updateEnabled()
{
    const bool every = m_autoArchive->isChecked();
    for (QWidget *control : std::initializer_list<QWidget *>{m_every, m_createInterval, m_everyDays, m_silent})
        control->setEnabled(every);
    const bool older = m_deleteOld->isChecked();
    for (QWidget *control : std::initializer_list<QWidget *>{m_olderThan, m_deleteInterval, m_olderDays})
        control->setEnabled(older);
    m_folder->setEnabled(!m_defaultFolder->isChecked());
    m_browse->setEnabled(!m_defaultFolder->isChecked());
}

void ArchivePage::browse()
{
    const QString chosen = m_services.askFolder(m_texts.text(QStringLiteral("SELECT_PATH")), m_folder->text(), this);
    if (!chosen.isEmpty())
        m_folder->setText(QDir::toNativeSeparators(QDir(chosen).absolutePath()));
}

} // namespace tabulet::ui
