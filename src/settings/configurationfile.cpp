#include "settings/configurationfile.h"

#include "settings/folderset.h"
#include "settings/legacyini.h"
#include "settings/notefiles.h"
#include "settings/notelist.h"
#include "settings/presetlist.h"
#include "settings/regularfile.h"
#include "settings/settings.h"
#include "settings/wholefile.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tabulet::settings {

namespace {

const QString kConfigurationName = QStringLiteral("tbu_config.xml");
const QString kLegacyName = QStringLiteral("tbu.ini");

// Reads a whole regular file of at most maxSize bytes; false when that is not possible.
bool readBounded(const QString &path, qint64 maxSize, QByteArray &bytes)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > maxSize)
        return false;
    QFile file;
    if (!openRegularFile(file, path))
        return false;
    bytes = file.read(maxSize + 1);
    return file.error() == QFileDevice::NoError && bytes.size() <= maxSize;
}

bool fileHolds(const QString &path, const QByteArray &bytes)
{
    QByteArray stored;
    return QFileInfo(path).size() == bytes.size() && readBounded(path, bytes.size(), stored) && stored == bytes;
}

} // namespace

ConfigurationFile::ConfigurationFile(const FolderSet &folders, Settings &settings, NoteList &notes, PresetList &presets)
    : m_folders(folders), m_settings(settings), m_notes(notes), m_presets(presets)
{
}

QString ConfigurationFile::filePath() const
{
    return dataFile(kConfigurationName);
}

QString ConfigurationFile::dataFile(const QString &name) const
{
    return withSeparator(m_folders.dataFolder) + name;
}

ConfigurationContent ConfigurationFile::content() const
{
    return {m_settings, m_notes, m_presets, m_pluginsSection ? *m_pluginsSection : *m_keptPlugins,
            m_commandsSection ? *m_commandsSection : *m_keptCommands};
}

LoadResult ConfigurationFile::load(bool optionsOnly)
{
    LoadResult result;
    migrateLegacyFiles();
    m_settings.clear();
    const bool hasConfiguration = QFileInfo::exists(filePath());
    const bool hasLegacy = QFileInfo::exists(dataFile(kLegacyName));
    if (!hasConfiguration && !hasLegacy && !m_firstRun)
        return result;
    if (hasConfiguration) {
        readConfiguration(optionsOnly, result);
    } else if (hasLegacy) {
        QByteArray bytes;
        if (readBounded(dataFile(kLegacyName), kMaxFileSize, bytes))
            readLegacyIni(bytes, m_settings, m_notes);
    } else if (m_firstRunHandler) {
        m_firstRunHandler(m_settings);
    }

    assignMissingFileNames(m_notes, m_folders.dataFolder);
    m_settings.applyDefaults();
    if (m_archiveFolderHandler)
        m_archiveFolderHandler(m_settings.value(QStringLiteral("customarchivedir")),
                               m_settings.flag(QStringLiteral("usedefaultarchivedir")));
    if (!optionsOnly && m_themeNameHandler)
        m_themeNameHandler(m_settings.value(QStringLiteral("theme")));
    m_settings.convertLegacyModifiers();
    result.success = true;
    return result;
}

void ConfigurationFile::migrateLegacyFiles()
{
    // Once a configuration exists this is no first run any more, also when it appeared during
    // the run (an archive restore before a restart).
    if (QFileInfo::exists(filePath()) || QFileInfo::exists(dataFile(kLegacyName))) {
        m_firstRun = false;
        return;
    }
    const QString programFolder = m_folders.programFolder;
    const QString programLegacy = withSeparator(programFolder) + kLegacyName;
    if (programFolder.isEmpty() || !QFileInfo::exists(programLegacy)) {
        m_firstRun = true;
        return;
    }
    if (QFile::rename(programLegacy, dataFile(kLegacyName)))
        m_firstRun = false;
    const QDir folder(programFolder);
    for (const QString &note : folder.entryList({QStringLiteral("*.rtf")}, QDir::Files))
        QFile::rename(folder.filePath(note), dataFile(note));
}

void ConfigurationFile::readConfiguration(bool optionsOnly, LoadResult &result)
{
    const QString path = filePath();
    QByteArray bytes;
    const bool readable = readBounded(path, kMaxFileSize, bytes);
    if (!optionsOnly) {
        m_keptPlugins->clear();
        m_keptCommands->clear();
    }
    const XmlReadOutcome outcome =
        readable ? readConfigurationXml(bytes, optionsOnly, content()) : XmlReadOutcome::Unparsable;
    if (outcome == XmlReadOutcome::Complete) {
        m_protectDamagedFile = false;
        m_keptDamagedFingerprint.clear();
        return;
    }

    result.damaged = true;
    QByteArray fingerprint;
    if (readable) {
        fingerprint = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    } else {
        const QFileInfo info(path);
        QDataStream(&fingerprint, QIODevice::WriteOnly) << info.size() << info.lastModified().toMSecsSinceEpoch();
    }
    keepDamagedFile(fingerprint, result);
    if (!optionsOnly)
        result.recoveredNotes = addUnlistedNoteFiles(m_notes, m_folders.dataFolder);
}

void ConfigurationFile::keepDamagedFile(const QByteArray &fingerprint, LoadResult &result)
{
    // Both loads of a start see the same damaged file; it is copied once.
    if (fingerprint != m_keptDamagedFingerprint) {
        const QString path = filePath();
        QString copy;
        for (int number = 1; number <= 9999; ++number) {
            const QString candidate =
                path + QStringLiteral(".damaged") + (number > 1 ? QStringLiteral("-%1").arg(number) : QString());
            const QFileInfo info(candidate);
            if (info.exists() || info.isSymLink())
                continue;
            // Only a regular file holds anything to keep; copying a pipe would wait for a writer.
            if (QFileInfo(path).isFile() && QFile::copy(path, candidate))
                copy = candidate;
            break;
        }
        m_keptDamagedFingerprint = fingerprint;
        m_keptDamagedCopy = copy;
        m_protectDamagedFile = copy.isEmpty();
    }
    result.damagedCopy = m_keptDamagedCopy;
}

QByteArray ConfigurationFile::documentBytes() const
{
    return writeConfigurationXml(content());
}

SaveResult ConfigurationFile::save()
{
    if (!m_savingEnabled || m_doNotSave || m_protectDamagedFile)
        return SaveResult::Disabled;
    const QByteArray bytes = documentBytes();
    const QString path = filePath();
    if (fileHolds(path, bytes))
        return SaveResult::Unchanged;
    return writeWholeFile(path, bytes) ? SaveResult::Written : SaveResult::Failed;
}

} // namespace tabulet::settings
