#pragma once

#include "archive/archiverecord.h"

#include <QDialog>
#include <QList>

#include <functional>

class QTreeWidget;

namespace tabulet::archive {
class Archiver;
class ArchiverHost;
} // namespace tabulet::archive

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

// The archive browser: the archives newest first with their date and number of files, a button
// that archives now, and Get, which restores the selected archive after offering to archive the
// current state first (or to leave everything as it is). exec() returns kRestored when the data folder now holds a
// restored archive; the caller must then start again without saving anything over it.
class ArchivesDialog final : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kRestored = 6;

    // What happens before a restore: the current state is archived first, or not, or nothing is
    // restored after all. The dialog asks with a question box unless a test answers instead.
    enum class BeforeRestore { ArchiveFirst, RestoreOnly, Cancel };
    using ArchiveFirstQuestion = std::function<BeforeRestore()>;

    ArchivesDialog(archive::Archiver &archiver, archive::ArchiverHost &host, lang::TextTable &texts,
                   QWidget *parent = nullptr);

    void setArchiveFirstQuestion(ArchiveFirstQuestion question) { m_archiveFirst = std::move(question); }

    // The two buttons' actions.
    void archiveNow();
    void getSelected();

private:
    void fillList();
    BeforeRestore askArchiveFirst();

    archive::Archiver &m_archiver;
    archive::ArchiverHost &m_host;
    lang::TextTable &m_texts;
    QTreeWidget *m_list = nullptr;
    QList<archive::ArchiveRecord> m_records;
    ArchiveFirstQuestion m_archiveFirst;
};

} // namespace tabulet::ui
