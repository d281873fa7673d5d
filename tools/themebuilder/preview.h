// Sample windows composed from a theme package by the program's layout rules, for looking at a
// theme without the program: every subtheme at rest, with buttons hovered and selected, with a
// hovered tab, and with more tabs than fit so the scroll arrows show.
#pragma once

#include "theme/themeconfig.h"

#include <QImage>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>

namespace tabulet::themebuilder {

struct PreviewState
{
    QSize size{450, 220};
    QStringList tabs;
    int selectedTab = 0;
    int hoverTab = -1;
    QSet<QString> selectedCommands;
    QString hoverCommand;
    bool hoverSpinRight = false;
    bool showDesktop = true; // key-coloured pixels show the desktop, as the window shape does
};

using PackageImages = std::map<QString, QImage>;

struct PackageContents
{
    theme::SubthemeMap subthemes;
    PackageImages images; // decoded, by member name
};

std::optional<PackageContents> readPackageContents(const QString &packagePath, QString *error);

// One window of the subtheme as the program lays it out and paints it, with a sample note.
QImage composeWindow(const theme::Subtheme &subtheme, const PackageImages &images, const PreviewState &state);

// One sheet of sample windows for every subtheme of the package; a null image when the package
// cannot be read, and *error says why.
QImage renderPreviewSheet(const QString &packagePath, QString *error);

} // namespace tabulet::themebuilder
