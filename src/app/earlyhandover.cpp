#include "app/earlyhandover.h"

#include "app/singleinstance.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>

namespace tabulet::app {

namespace {

// The value of <option key="oneinstance" val="..."/>, "1" when the file does not say.
bool oneInstanceOption(const QString &dataFolder)
{
    QFile file(QDir(dataFolder).filePath(QStringLiteral("tbu_config.xml")));
    if (!file.open(QIODevice::ReadOnly))
        return true;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("option") &&
            xml.attributes().value(QLatin1String("key")) == QLatin1String("oneinstance"))
            return xml.attributes().value(QLatin1String("val")) == QLatin1String("1");
    }
    return true;
}

} // namespace

bool handedOverToRunningCopy(const QString &dataFolder, const QString &instanceName, const Handover &handover)
{
    return oneInstanceOption(dataFolder) && SingleInstance::handOver(instanceName, handover);
}

} // namespace tabulet::app
