// Sample windows composed from a theme package by the program's layout rules, for looking at a
// theme without the program: every subtheme at rest, with buttons hovered and selected, with a
// hovered tab, and with more tabs than fit so the scroll arrows show.
#pragma once

#include <QImage>
#include <QSet>
#include <QSize>
#include <QString>

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
};

// One sheet of sample windows for every subtheme of the package; a null image when the package
// cannot be read, and *error says why.
QImage renderPreviewSheet(const QString &packagePath, QString *error);

} // namespace tabulet::themebuilder
