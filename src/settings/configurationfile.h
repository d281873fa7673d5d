#pragma once

#include "settings/configurationxml.h"
#include "settings/keptsection.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

namespace tabulet::settings {

struct FolderSet;
class NoteList;
class PresetList;
class Settings;

struct LoadResult
{
    // False only when no configuration exists and this is not a first run; the store is then
    // left empty.
    bool success = false;
    // "tbu_config.xml" could not be read as a whole (unreadable, not XML, no root, no options or
    // no notes). It is never written over before it was kept as `damagedCopy`.
    bool damaged = false;
    // Full path of the copy of the damaged file; empty when no copy could be made, in which case
    // saving stays off until a load succeeds.
    QString damagedCopy;
    // Notes added for note files that the damaged configuration no longer listed.
    int recoveredNotes = 0;
};

enum class SaveResult {
    Written,
    Unchanged, // the file already holds these bytes; nothing was written
    Disabled,  // saving is off, the do-not-save mark is set, or a damaged file is protected
    Failed,
};

// "tbu_config.xml" in the data folder: loading it (with the move from the old "tbu.ini"), and
// saving it. Owns the flags that guard saving.
class ConfigurationFile final
{
public:
    using ArchiveFolderHandler = std::function<void(const QString &customArchiveDir, bool useDefaultArchiveDir)>;
    using ThemeNameHandler = std::function<void(const QString &themeName)>;
    using FirstRunHandler = std::function<void(Settings &settings)>;

    // Files larger than this are taken as damaged without being parsed.
    static constexpr qint64 kMaxFileSize = qint64(64) * 1024 * 1024;

    // Keeps references: the folder set and the models must outlive this object. The data folder
    // is looked up at every load and save, so a -homedir change before the first load counts.
    ConfigurationFile(const FolderSet &folders, Settings &settings, NoteList &notes, PresetList &presets);

    // Clears the options and reads them again; unless optionsOnly, also the notes, presets and
    // sections. Then applies the defaults, tells the archiver (and, unless optionsOnly, the
    // theme) and converts an old numeric "activatemod".
    LoadResult load(bool optionsOnly);
    SaveResult save();
    // The bytes a save would write now.
    QByteArray documentBytes() const;
    QString filePath() const;

    // The modules that read and write "plugins" and "commands"; without one, the element is
    // written back as it was read. The section must outlive its registration (pass nullptr to end it).
    void setPluginsSection(ConfigurationSection *section) { m_pluginsSection = section; }
    void setCommandsSection(ConfigurationSection *section) { m_commandsSection = section; }
    void setArchiveFolderHandler(ArchiveFolderHandler handler) { m_archiveFolderHandler = std::move(handler); }
    void setThemeNameHandler(ThemeNameHandler handler) { m_themeNameHandler = std::move(handler); }
    // Chooses options at a load that finds no configuration and no old settings file, before
    // the defaults fill in the rest (the theme that suits the desktop).
    void setFirstRunHandler(FirstRunHandler handler) { m_firstRunHandler = std::move(handler); }

    bool savingEnabled() const { return m_savingEnabled; }
    void setSavingEnabled(bool enabled) { m_savingEnabled = enabled; }
    // Set before a restart that must read files restored underneath the program.
    bool doNotSave() const { return m_doNotSave; }
    void setDoNotSave(bool doNotSave) { m_doNotSave = doNotSave; }
    // No configuration existed when the program came up; cleared as soon as one exists.
    bool isFirstRun() const { return m_firstRun; }

private:
    void migrateLegacyFiles();
    void readConfiguration(bool optionsOnly, LoadResult &result);
    void keepDamagedFile(const QByteArray &fingerprint, LoadResult &result);
    QString dataFile(const QString &name) const;
    ConfigurationContent content() const;

    const FolderSet &m_folders;
    Settings &m_settings;
    NoteList &m_notes;
    PresetList &m_presets;
    // Held by pointer so that writing from a const member can still reach them.
    std::unique_ptr<KeptSection> m_keptPlugins = std::make_unique<KeptSection>();
    std::unique_ptr<KeptSection> m_keptCommands = std::make_unique<KeptSection>();
    ConfigurationSection *m_pluginsSection = nullptr;
    ConfigurationSection *m_commandsSection = nullptr;
    ArchiveFolderHandler m_archiveFolderHandler;
    ThemeNameHandler m_themeNameHandler;
    FirstRunHandler m_firstRunHandler;

    bool m_savingEnabled = true;
    bool m_doNotSave = false;
    bool m_firstRun = false;
    bool m_protectDamagedFile = false;   // a damaged file could not be copied: never replace it
    QByteArray m_keptDamagedFingerprint; // which damaged file was already copied, and where
    QString m_keptDamagedCopy;
};

} // namespace tabulet::settings
