#include "archive/archivermessages.h"

#include "lang/formattext.h"
#include "lang/texttable.h"
#include "settings/ensurefolder.h"

#include <QDir>

namespace tabulet::archive {

bool ensureFolderOrTell(const QString &path, lang::TextTable &texts, ArchiverHost &host)
{
    return settings::ensureFolder(path, [&](const char *textKey) {
        host.showMessage({ArchiverMessage::Kind::Error, texts.text(QStringLiteral("DIALOG_ERROR")),
                          texts.text(QString::fromLatin1(textKey)), QDir::toNativeSeparators(path)});
    });
}

ArchiverMessage filesCopiedMessage(lang::TextTable &texts, int filesCopied, const QString &archivePath)
{
    return {ArchiverMessage::Kind::Information, QString(),
            lang::formatText(texts.text(QStringLiteral("ARCHIVER_FILESCOPIED")),
                             {filesCopied, QDir::toNativeSeparators(archivePath)}),
            QString()};
}

ArchiverMessage copyFailedMessage(lang::TextTable &texts, const QString &source, const QString &reason)
{
    return {
        ArchiverMessage::Kind::Error, texts.text(QStringLiteral("DIALOG_ERROR")),
        lang::formatText(texts.text(QStringLiteral("ARCHIVER_COPYFAILED")), {QDir::toNativeSeparators(source), reason}),
        QString()};
}

} // namespace tabulet::archive
