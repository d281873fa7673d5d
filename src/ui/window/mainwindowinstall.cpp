#include "ui/window/mainwindowinstall.h"

#include "lang/formattext.h"
#include "lang/texttable.h"
#include "settings/regularfile.h"
#include "settings/settings.h"
#include "settings/wholefile.h"
#include "ui/window/mainwindowprompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tabulet::ui {

namespace {

// Theme packages hold a few bitmaps; anything much larger is not one.
constexpr qint64 kMaxThemeFileSize = qint64(64) * 1024 * 1024;

struct InstallTexts
{
    const char *exists;
    const char *writeError;
    qint64 maxBytes;
};

InstallTexts textsOf(InstallKind kind)
{
    if (kind == InstallKind::Theme)
        return {"ERROR_THEMEFILEEXISTS", "ERROR_ERRORWRITINGTHEMEFILE", kMaxThemeFileSize};
    return {"ERROR_LANGUAGEFILEEXISTS", "ERROR_ERRORWRITINGLANGUAGEFILE", lang::TextTable::kMaxFileSize};
}

} // namespace

CopyResult copyIntoFolder(const QString &source, const QString &folder, bool replace, qint64 maxBytes)
{
    const QString fileName = QFileInfo(source).fileName();
    if (fileName.isEmpty() || !QDir().mkpath(folder))
        return CopyResult::Failed;
    const QString target = QDir(folder).filePath(fileName);
    if (!replace && QFileInfo::exists(target))
        return CopyResult::Exists;
    QFile input;
    if (!settings::openRegularFile(input, source) || input.size() > maxBytes)
        return CopyResult::Failed;
    const QByteArray bytes = input.read(maxBytes + 1);
    if (bytes.size() > maxBytes)
        return CopyResult::Failed;
    return settings::writeWholeFile(target, bytes) ? CopyResult::Copied : CopyResult::Failed;
}

bool installFile(InstallKind kind, const QString &source, const QString &folder, const QString &shippedFolder,
                 WindowPrompts &prompts, lang::TextTable &texts, settings::Settings &settings)
{
    const InstallTexts keys = textsOf(kind);
    const QString error = QStringLiteral("Error");
    const QString fileName = QFileInfo(source).fileName();
    // A shipped file of that name would be hidden by the user's copy: the same question.
    const bool hidesShipped =
        !fileName.isEmpty() && !shippedFolder.isEmpty() && QFileInfo(QDir(shippedFolder).filePath(fileName)).isFile();
    CopyResult result = hidesShipped ? CopyResult::Exists : copyIntoFolder(source, folder, false, keys.maxBytes);
    if (result == CopyResult::Exists) {
        if (!prompts.askYesNo(error, texts.text(QString::fromLatin1(keys.exists))))
            return true;
        result = copyIntoFolder(source, folder, true, keys.maxBytes);
    }
    if (result != CopyResult::Copied) {
        prompts.tell(error, texts.text(QString::fromLatin1(keys.writeError)), WindowPrompts::Icon::Error);
        return false;
    }
    if (kind == InstallKind::Theme) {
        prompts.tell(QString(), lang::formatText(texts.text(QStringLiteral("THEME_USE")), {fileName}),
                     WindowPrompts::Icon::Information);
    } else if (prompts.askYesNo(QString(), lang::formatText(texts.text(QStringLiteral("LANGUAGE_USE")), {fileName}))) {
        settings.value(QStringLiteral("languagefile")) = fileName;
    }
    return true;
}

} // namespace tabulet::ui
