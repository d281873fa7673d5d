#pragma once

#include <QByteArray>
#include <QString>

namespace tabulet::plugins {

// Where plug-in diagnostics go: standard error, always, one write per message so that messages
// of concurrent writers never interleave; with a log file set, also appended to it. The log keeps
// about its last mebibyte.
class DebugOutput final
{
public:
    static constexpr qint64 kLogLimit = qint64{1} << 20;

    // Empty: standard error only.
    void setLogFile(const QString &path) { m_logFile = path; }
    const QString &logFile() const { return m_logFile; }

    void write(const QByteArray &message) const;

private:
    void appendToLog(const QByteArray &message) const;

    QString m_logFile;
};

} // namespace tabulet::plugins
