#pragma once

#include "printers.h"

#include <settings/configurationfile.h>
#include <settings/folderset.h>
#include <settings/notelist.h>
#include <settings/presetlist.h>
#include <settings/settings.h>

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tabulet::settings::testing {

// A data folder and a program folder in a temporary directory, with the models the program
// keeps and a configuration file over them.
class ConfigurationFixture : public ::testing::Test
{
protected:
    ConfigurationFixture()
    {
        folders.dataFolder = root.filePath(QStringLiteral("data"));
        folders.programFolder = root.filePath(QStringLiteral("program"));
        QDir().mkpath(folders.dataFolder);
        QDir().mkpath(folders.programFolder);
    }

    QString dataPath(const QString &name) const { return folders.dataFolder + u'/' + name; }
    QString programPath(const QString &name) const { return folders.programFolder + u'/' + name; }

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QSaveFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        ASSERT_TRUE(file.commit());
    }

    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void writeConfiguration(const QByteArray &bytes) { writeFile(configuration.filePath(), bytes); }

    // A configuration document around the given inner elements of "config".
    static QByteArray document(const QByteArray &inner)
    {
        return "<?xml version=\"1.0\" standalone=\"no\" ?>\n<config version=\"1.1\">" + inner + "</config>\n";
    }

    QTemporaryDir root;
    FolderSet folders;
    Settings settings;
    NoteList notes;
    PresetList presets;
    ConfigurationFile configuration{folders, settings, notes, presets};
};

} // namespace tabulet::settings::testing
