#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace tabulet::settings {
struct FolderSet;
}

namespace tabulet::theme {

// What a package's "config.xml" names itself and its subthemes for people: the "caption" of the
// root element and of each "theme" element, or its "caption-<language>" ("caption-de") when the
// package has one for the language. The subthemes' titles stay what settings store and menus
// choose by.
struct ThemeCaptions
{
    QString theme;                     // empty when the package has none
    QHash<QString, QString> subthemes; // by subtheme title; only those that have a caption
};

// The captions in a config.xml for a language code ("de", as the language file's "LOCALE");
// none from a document that does not parse.
ThemeCaptions themeCaptions(const QByteArray &configXml, const QString &language);

// The captions of the package file at path; none when it cannot be read.
ThemeCaptions packageCaptions(const QString &path, const QString &language);

// What the themes menu shows for an installed theme: its caption, else its name.
QString shownThemeName(const settings::FolderSet &folders, const QString &name, const QString &language);

} // namespace tabulet::theme
