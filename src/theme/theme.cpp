#include "theme/theme.h"

#include "settings/settings.h"
#include "theme/bmpsize.h"
#include "theme/membername.h"
#include "theme/themelist.h"
#include "theme/themelog.h"

namespace tabulet::theme {

Q_LOGGING_CATEGORY(lcTheme, "tabulet.theme", QtInfoMsg)

namespace {

const QString kSubthemeKey = QStringLiteral("subtheme");
const QString kThemeKey = QStringLiteral("theme");

// Every bitmap that can carry a picture. Buttons without a command never get a window, so
// their pictures are never read.
void forEachBitmap(Subtheme &subtheme, auto visit)
{
    for (ThemeButton &button : subtheme.buttons) {
        if (button.commandId == 0)
            continue;
        for (auto &[name, bitmap] : button.states)
            visit(bitmap);
    }
    for (ThemeBitmap &bitmap : subtheme.bitmaps)
        visit(bitmap);
    for (auto &[name, combined] : subtheme.combinedBitmaps) {
        for (ThemeBitmap &bitmap : combined.bitmaps)
            visit(bitmap);
    }
}

} // namespace

LoadResult Theme::loadTheme(const QString &name, const settings::FolderSet &folders, settings::Settings &settings,
                            const commands::CommandTable &commandTable)
{
    return loadThemeFile(themePath(folders, name), name, settings, commandTable);
}

LoadResult Theme::loadThemeFile(const QString &path, const QString &name, settings::Settings &settings,
                                const commands::CommandTable &commandTable)
{
    LoadResult result;
    releaseTheme();
    m_subthemes.clear();
    m_package = ThemePackage();

    QString error;
    if (path.isEmpty()) {
        qCDebug(lcTheme) << "no installed theme named" << name;
    } else if (!m_package.open(path, &error)) {
        qCDebug(lcTheme) << path << error;
    } else if (const std::optional<QByteArray> config = m_package.readMember(QByteArrayLiteral("config.xml"), &error)) {
        ConfigResult parsed = parseThemeConfig(*config, commandTable);
        result.ok = parsed.ok;
        result.problems << parsed.problems;
        m_subthemes = std::move(parsed.subthemes);
    } else {
        qCDebug(lcTheme) << path << "config.xml:" << error;
    }

    const QString wanted = settings.value(kSubthemeKey);
    if (m_subthemes.contains(wanted)) {
        m_currentTitle = wanted;
    } else if (!m_subthemes.empty()) {
        m_currentTitle = m_subthemes.begin()->first;
        if (result.ok)
            settings.value(kSubthemeKey) = m_currentTitle;
    } else {
        m_currentTitle.clear();
    }
    if (!result.ok)
        result.problems << QStringLiteral("could not laod theme: %1").arg(name);

    settings.value(kThemeKey) = name;
    m_name = name;
    m_path = path;
    if (Subtheme *subtheme = current())
        readPictures(*subtheme, result.problems);
    layoutTheme(m_layout.window);
    return result;
}

LoadResult Theme::selectSubtheme(const QString &title, settings::Settings &settings)
{
    LoadResult result;
    if (!m_subthemes.contains(title))
        return result;
    releaseTheme();
    m_currentTitle = title;
    settings.value(kSubthemeKey) = title;
    m_package.resetTotalRead();
    readPictures(*current(), result.problems);
    layoutTheme(m_layout.window);
    result.ok = true;
    return result;
}

void Theme::releaseTheme()
{
    for (auto &[title, subtheme] : m_subthemes)
        forEachBitmap(subtheme, [](ThemeBitmap &bitmap) { bitmap.picture.reset(); });
}

QStringList Theme::listSubthemes() const
{
    QStringList titles;
    for (const auto &[title, subtheme] : m_subthemes)
        titles << title;
    return titles;
}

const Subtheme *Theme::current() const
{
    const auto found = m_subthemes.find(m_currentTitle);
    return found == m_subthemes.end() ? nullptr : &found->second;
}

Subtheme *Theme::current()
{
    const auto found = m_subthemes.find(m_currentTitle);
    return found == m_subthemes.end() ? nullptr : &found->second;
}

QSize Theme::minimumSize(const QSize &screen) const
{
    const Subtheme *subtheme = current();
    return subtheme ? subtheme->minimumSize().boundedTo(screen.expandedTo(QSize(0, 0))) : QSize(0, 0);
}

std::optional<settings::Colour> Theme::tabBackground() const
{
    const Subtheme *subtheme = current();
    return subtheme ? subtheme->tabBackground : std::nullopt;
}

bool Theme::transparency() const
{
    const Subtheme *subtheme = current();
    return subtheme && subtheme->transparency;
}

settings::Colour Theme::chromaKey() const
{
    const Subtheme *subtheme = current();
    return subtheme ? subtheme->chromaKey : 0;
}

ThemeTabFont Theme::tabFont() const
{
    const Subtheme *subtheme = current();
    return subtheme ? subtheme->tabFont : ThemeTabFont{};
}

const ThemeLayout &Theme::layoutTheme(const Rect &window)
{
    const Subtheme *subtheme = current();
    m_layout = subtheme ? theme::layoutTheme(*subtheme, window) : ThemeLayout{window, {}, {}, {}};
    return m_layout;
}

std::optional<Rect> Theme::findRect(const QString &name) const
{
    return theme::findRect(m_layout, name);
}

std::optional<Rect> Theme::findRect(const QString &name, const Rect &reference) const
{
    const Subtheme *subtheme = current();
    return subtheme ? theme::findRect(*subtheme, name, reference) : std::nullopt;
}

std::vector<PaintStep> Theme::paintTheme(std::optional<Rect> area) const
{
    const Subtheme *subtheme = current();
    return subtheme ? theme::paintTheme(*subtheme, m_layout, area) : std::vector<PaintStep>{};
}

std::vector<PaintStep> Theme::paintCombined(const QString &name, const Rect &area) const
{
    const Subtheme *subtheme = current();
    return subtheme ? theme::paintCombined(*subtheme, name, area) : std::vector<PaintStep>{};
}

void Theme::readPictures(Subtheme &subtheme, QStringList &problems)
{
    forEachBitmap(subtheme, [&](ThemeBitmap &bitmap) { readPicture(bitmap, problems); });
}

void Theme::readPicture(ThemeBitmap &bitmap, QStringList &problems)
{
    if (bitmap.imageMember.isEmpty())
        return;
    QString error;
    std::optional<QByteArray> image = readBmp(bitmap.imageMember, &error);
    if (!image) {
        qCDebug(lcTheme) << shownMemberName(bitmap.imageMember) << error;
        problems << shownMemberName(bitmap.imageMember) + QStringLiteral(": ") + error;
        return;
    }
    ThemePicture picture;
    picture.size = bmpSize(*image);
    picture.image = std::move(*image);
    if (!bitmap.maskMember.isEmpty()) {
        if (std::optional<QByteArray> mask = readBmp(bitmap.maskMember, nullptr))
            picture.mask = std::move(*mask);
    }
    bitmap.picture = std::move(picture);
}

// A member's bytes, with the pixels they decode to counted against the package's total.
std::optional<QByteArray> Theme::readBmp(const QByteArray &member, QString *error)
{
    std::optional<QByteArray> bytes = m_package.readMember(member, error);
    if (!bytes) {
        if (error)
            *error = QStringLiteral("unable to open file");
        return std::nullopt;
    }
    // Decoded as 32 bits a pixel, whatever the file's own depth or compression.
    const QSize size = bmpSize(*bytes);
    const qint64 decoded = size.isValid() ? qint64{4} * size.width() * size.height() : 0;
    if (!m_package.countDecoded(decoded)) {
        if (error)
            *error = QStringLiteral("picture too large");
        return std::nullopt;
    }
    return bytes;
}

} // namespace tabulet::theme
