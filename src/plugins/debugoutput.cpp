#include "plugins/debugoutput.h"

#include "settings/wholefile.h"

#include <QFile>

#include <cstdio>

namespace tabulet::plugins {

void DebugOutput::write(const QByteArray &message) const
{
    std::fwrite(message.constData(), 1, static_cast<std::size_t>(message.size()), stderr);
    std::fflush(stderr);
    if (!m_logFile.isEmpty())
        appendToLog(message);
}

void DebugOutput::appendToLog(const QByteArray &message) const
{
    QFile log(m_logFile);
    if (!log.open(QIODevice::Append))
        return;
    log.write(message);
    const qint64 size = log.size();
    log.close();
    // Trimmed only once it has grown a quarter past the limit, so that a chatty timer does not
    // rewrite the whole log at every message.
    if (size <= kLogLimit + kLogLimit / 4 || !log.open(QIODevice::ReadOnly))
        return;
    log.seek(size - kLogLimit);
    const QByteArray kept = log.readAll();
    log.close();
    settings::writeWholeFile(m_logFile, kept);
}

} // namespace tabulet::plugins
