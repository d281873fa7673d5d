#pragma once

// A theme package built in code, loaded and activated on a window, for the skin's tests.
#include "commands/commandtable.h"
#include "lang/texttable.h"
#include "packagebuilder.h"
#include "printers.h"
#include "settings/settings.h"
#include "theme/theme.h"
#include "ui/skin/skin.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace tabulet::ui::test {

using theme::test::Member;

inline const QColor kRed(255, 0, 0);
inline const QColor kBlue(0, 0, 255);
inline const QColor kGreen(0, 255, 0);
inline const QColor kWhite(255, 255, 255);
inline const QColor kBlack(0, 0, 0);

inline QByteArray bmpOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP");
    return bytes;
}

inline QByteArray solidBmp(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return bmpOf(image);
}

// A picture whose left half is one colour and right half another: shows mirroring.
inline QByteArray splitBmp(int width, int height, QColor left, QColor right)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(right);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width / 2; ++x)
            image.setPixelColor(x, y, left);
    }
    return bmpOf(image);
}

inline QColor pixel(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

struct SkinFixture
{
    SkinFixture()
    {
        window.resize(200, 100);
        // No message box may ever open in a test.
        skin.setProblemReporter(
            [this](const QString &text, const QString &caption) { reported.emplace_back(text, caption); });
    }

    // Loads a package of one subtheme (the XML inside "theme") plus the image members, and
    // activates it on the window laid out at its current size.
    void load(const QByteArray &subthemeInner, std::vector<Member> images = {}, const QByteArray &title = "full")
    {
        loadConfig(theme::test::configXml(theme::test::subthemeXml(title, subthemeInner)), std::move(images));
    }

    void loadConfig(const QByteArray &config, std::vector<Member> images = {})
    {
        images.push_back(Member{"config.xml", config});
        const QString path = folder.filePath(QStringLiteral("test.tabutheme"));
        theme::test::writePackage(path, images);
        loaded = themeData.loadThemeFile(path, QStringLiteral("test"), settings, commands);
        skin.reportProblems(loaded.problems);
        skin.activate(themeData);
        skin.layout(window.rect());
    }

    QImage rendered() const { return skin.render(); }

    QTemporaryDir folder;
    settings::Settings settings;
    commands::CommandTable commands;
    lang::TextTable texts;
    theme::Theme themeData;
    theme::LoadResult loaded;
    QWidget window;
    Skin skin{window, texts};
    std::vector<std::pair<QString, QString>> reported; // text, caption
};

} // namespace tabulet::ui::test
