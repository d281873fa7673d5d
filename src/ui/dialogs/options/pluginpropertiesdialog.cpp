#include "ui/dialogs/options/pluginpropertiesdialog.h"

#include "lang/texttable.h"
#include "ui/dialogs/options/optionswork.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QPushButton>
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
    const auto addField = [&](const char *textKey, const QString &value) {
        auto *field = new QLineEdit(value, this);
        field->setReadOnly(true);
        field->setCursorPosition(0);
        fields->addRow(texts.text(QLatin1String(textKey)), field);
    };
    addField("IDC_STATIC_PLUGINNAME", plugin.name);
    addField("IDC_STATIC_FILENAME", plugin.path);
    addField("IDC_STATIC_AUTHOR", plugin.author);
    addField("IDC_STATIC_AUTHOREMAIL", plugin.authorEmail);
    addField("IDC_STATIC_HOMEPAGE", plugin.homepage);
    addField("IDC_STATIC_PLUGINVERSION", plugin.version);
    addField("IDC_STATIC_REQUIREDVERSION", plugin.requiredVersion);
    auto *description = new QPlainTextEdit(plugin.description, this);
    description->setReadOnly(true);

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
