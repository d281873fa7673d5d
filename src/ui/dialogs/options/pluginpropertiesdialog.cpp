#include "ui/dialogs/options/pluginpropertiesdialog.h"

#include "lang/texttable.h"
#include "ui/dialogs/options/optionswork.h"
#include "ui/dialogs/valuelabel.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace tabulet::ui {

QString pluginSettingsFile(const plugins::PluginInfo &plugin, const QString &pluginConfigFolder)
{
    if (!plugin.configurationFile.isEmpty())
        return plugin.configurationFile;
    QString name = plugin.path.mid(plugin.path.lastIndexOf(QRegularExpression(QStringLiteral("[/\\\\]"))) + 1);
    if (const qsizetype lua = name.indexOf(QLatin1String(".lua")); lua >= 0)
        name = name.left(lua) + QStringLiteral(".ini");
    return pluginConfigFolder + QLatin1Char('/') + name;
}

PluginPropertiesDialog::PluginPropertiesDialog(const plugins::PluginInfo &plugin, lang::TextTable &texts,
                                               const QString &pluginConfigFolder,
                                               std::function<void(const QString &)> openWithDesktop, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("pluginPropertiesDialog"));
    setWindowTitle(texts.text(QStringLiteral("PLUGIN_DETAILS")));
    auto *fields = new QFormLayout;
    const auto addField = [&](const char *textKey, const char *name, const QString &value) {
        auto *field = new ValueLabel(value, this);
        field->setObjectName(QLatin1String(name));
        fields->addRow(texts.text(QLatin1String(textKey)), field);
    };
    addField("IDC_STATIC_PLUGINNAME", "pluginName", plugin.name);
    addField("IDC_STATIC_FILENAME", "fileName", plugin.path);
    addField("IDC_STATIC_AUTHOR", "author", plugin.author);
    addField("IDC_STATIC_AUTHOREMAIL", "authorEmail", plugin.authorEmail);
    addField("IDC_STATIC_HOMEPAGE", "homepage", plugin.homepage);
    addField("IDC_STATIC_PLUGINVERSION", "version", plugin.version);
    addField("IDC_STATIC_REQUIREDVERSION", "requiredVersion", plugin.requiredVersion);
    // The description scrolls but is no input field: it sits on the dialog's own background.
    auto *description = new QPlainTextEdit(plugin.description, this);
    description->setObjectName(QStringLiteral("description"));
    description->setReadOnly(true);
    description->setFrameShape(QFrame::NoFrame);
    description->viewport()->setBackgroundRole(QPalette::Window);

    auto *changeState = new QPushButton(
        texts.text(plugin.enabled ? QStringLiteral("IDC_CHANGESTATE_DISABLE") : QStringLiteral("IDC_CHANGESTATE_ENABLE")),
        this);
    changeState->setObjectName(QStringLiteral("changeState"));
    auto *showSettings = new QPushButton(texts.text(QStringLiteral("IDC_SHOWCONFIG")), this);
    showSettings->setObjectName(QStringLiteral("showSettings"));
    auto *close = new QPushButton(texts.text(QStringLiteral("CLOSE")), this);
    close->setDefault(true);
    connect(changeState, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    const QString settingsFile = pluginSettingsFile(plugin, pluginConfigFolder);
    connect(showSettings, &QPushButton::clicked, this, [open = std::move(openWithDesktop), settingsFile] { open(settingsFile); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(changeState);
    buttons->addWidget(showSettings);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(description);
    layout->addLayout(buttons);
    resize(420, sizeHint().height());
}

} // namespace tabulet::ui
