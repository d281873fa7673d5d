// Builds the shipped help page: the page written by hand with the shortcut table of the command
// table filled in, so that the table always shows the program's own default shortcuts, named as
// the desktop names them in the page's language (Qt's own translation of "Ctrl", "Shift", …).
//
//   makehelppage PAGE LANGUAGEFILE OUTPUT
#include "commands/commandtable.h"
#include "lang/texttable.h"
#include "platform/qtkeynames.h"
#include "ui/dialogs/helppage.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QSaveFile>
#include <QTranslator>

#include <cstdio>

using namespace tabulet;

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        std::fputs("usage: makehelppage PAGE LANGUAGEFILE OUTPUT\n", stderr);
        return 2;
    }
    QFile page(arguments[1]);
    lang::TextTable texts;
    if (!page.open(QIODevice::ReadOnly) || !texts.loadLanguageFile(arguments[2])) {
        std::fprintf(stderr, "makehelppage: cannot read %s or %s\n", qPrintable(arguments[1]),
                     qPrintable(arguments[2]));
        return 1;
    }
    QTranslator keyNamesTranslation;
    if (keyNamesTranslation.load(QStringLiteral("qtbase_") + texts.text(QStringLiteral("LOCALE")),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&keyNamesTranslation);
    const commands::CommandTable commands;
    const platform::QtKeyNames keyNames;
    const QString filled =
        ui::fillHelpPage(QString::fromUtf8(page.readAll()), ui::shortcutRows(commands, texts, keyNames));
    QSaveFile output(arguments[3]);
    if (!output.open(QIODevice::WriteOnly) || output.write(filled.toUtf8()) < 0 || !output.commit()) {
        std::fprintf(stderr, "makehelppage: cannot write %s\n", qPrintable(arguments[3]));
        return 1;
    }
    return 0;
}
