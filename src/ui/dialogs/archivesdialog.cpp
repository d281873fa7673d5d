#include "ui/dialogs/archivesdialog.h"

#include "archive/archiver.h"
#include "lang/filefacttexts.h"
#include "lang/texttable.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

namespace tabulet::ui {
namespace {

constexpr int kDateColumnWidth = 120;
constexpr int kCountColumnWidth = 100;
constexpr int kRecordRole = Qt::UserRole;

} // namespace

ArchivesDialog::ArchivesDialog(archive::Archiver &archiver, archive::ArchiverHost &host, lang::TextTable &texts,
                               QWidget *parent)
    : QDialog(parent), m_archiver(archiver), m_host(host), m_texts(texts)
{
    setWindowTitle(texts.text(QStringLiteral("ARCHIVES")));
    m_list = new QTreeWidget(this);
    m_list->setRootIsDecorated(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setHeaderLabels(
        {texts.text(QStringLiteral("ARCHIVES_DATE")), texts.text(QStringLiteral("ARCHIVES_NUMOFFILES"))});
    m_list->header()->resizeSection(0, kDateColumnWidth);
    m_list->header()->resizeSection(1, kCountColumnWidth);

    auto *get = new QPushButton(texts.text(QStringLiteral("ARCHIVES_RESTORE")), this);
    auto *archiveNowButton = new QPushButton(texts.text(QStringLiteral("IDC_ARCHIVE_NOW")), this);
    auto *cancel = new QPushButton(texts.text(QStringLiteral("IDCANCEL")), this);
    cancel->setDefault(true);
    connect(get, &QPushButton::clicked, this, &ArchivesDialog::getSelected);
    connect(archiveNowButton, &QPushButton::clicked, this, &ArchivesDialog::archiveNow);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(get);
    buttons->addWidget(archiveNowButton);
    buttons->addStretch();
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    fillList();
    // The keys move through the archives from the start.
    m_list->setFocus();
}

void ArchivesDialog::fillList()
{
    m_list->clear();
    m_records = m_archiver.scanArchives();
    // The scan is oldest first; each row goes on top, so the newest archive leads the list.
    for (int i = 0; i < m_records.size(); ++i) {
        auto *row =
            new QTreeWidgetItem({lang::dateTimeText(m_records[i].time), QString::number(m_records[i].fileCount)});
        row->setData(0, kRecordRole, i);
        m_list->insertTopLevelItem(0, row);
    }
}

void ArchivesDialog::archiveNow()
{
    m_archiver.archiveNow(false, m_host);
    fillList();
}

void ArchivesDialog::getSelected()
{
    const QTreeWidgetItem *row = m_list->currentItem();
    if (!row || !row->isSelected())
        return;
    const archive::ArchiveRecord chosen = m_records.value(row->data(0, kRecordRole).toInt());
    const BeforeRestore before = askArchiveFirst();
    if (before == BeforeRestore::Cancel)
        return;
    if (before == BeforeRestore::ArchiveFirst) {
        m_archiver.archiveNow(false, m_host);
        fillList();
    }
    // When the copies could not all be gathered, nothing was changed and the program goes on.
    if (m_archiver.restore(chosen, m_host))
        done(kRestored);
    else
        reject();
}

ArchivesDialog::BeforeRestore ArchivesDialog::askArchiveFirst()
{
    if (m_archiveFirst)
        return m_archiveFirst();
    QMessageBox box(QMessageBox::Question, windowTitle(), m_texts.text(QStringLiteral("ARCHIVE_GET")),
                    QMessageBox::NoButton, this);
    QPushButton *yes = box.addButton(m_texts.text(QStringLiteral("ARCHIVE_YES")), QMessageBox::AcceptRole);
    QPushButton *no = box.addButton(m_texts.text(QStringLiteral("ARCHIVE_NO")), QMessageBox::NoRole);
    QPushButton *cancel = box.addButton(m_texts.text(QStringLiteral("IDCANCEL")), QMessageBox::RejectRole);
    // Escape changes nothing.
    box.setDefaultButton(no);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes)
        return BeforeRestore::ArchiveFirst;
    return box.clickedButton() == no ? BeforeRestore::RestoreOnly : BeforeRestore::Cancel;
}

} // namespace tabulet::ui
