#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

namespace tabulet::theme {

// A ".tabutheme" file: a ZIP archive read with libzip. Members are read straight into memory,
// never extracted to a shared folder, and their sizes are bounded.
class ThemePackage final
{
public:
    static constexpr qint64 kMaxMemberSize = 32 * 1024 * 1024;
    static constexpr qint64 kMaxTotalSize = 256 * 1024 * 1024;

    // How much one member, and all members read since the last resetTotalRead(), may hold.
    struct Limits
    {
        qint64 member = kMaxMemberSize;
        qint64 total = kMaxTotalSize;
    };

    explicit ThemePackage(Limits limits);
    ThemePackage();
    ~ThemePackage();
    ThemePackage(ThemePackage &&) noexcept;
    ThemePackage &operator=(ThemePackage &&) noexcept;

    // Opens the archive at the path; false (with a reason in *error) when it is missing or not
    // a readable ZIP archive.
    bool open(const QString &path, QString *error = nullptr);
    // The same over bytes held in memory; the package keeps its own copy.
    bool openBytes(const QByteArray &bytes, QString *error = nullptr);
    bool isOpen() const;

    // The complete contents of the first member whose stored name equals the name exactly
    // (case and folder part included), in archive order. Nothing when there is no such member,
    // when it is larger than the bounds allow, or when it fails to inflate or its CRC is wrong.
    std::optional<QByteArray> readMember(const QByteArray &name, QString *error = nullptr);
    // Counts what members turn into once decoded (a picture's pixels) against the same total:
    // a few compressed bytes may stand for a large picture. False, and nothing counted, when
    // it does not fit.
    bool countDecoded(qint64 bytes);
    // Starts counting the total afresh, e.g. for each activation of a subtheme.
    void resetTotalRead() { m_totalRead = 0; }

private:
    struct Archive;
    std::unique_ptr<Archive> m_archive;
    Limits m_limits;
    qint64 m_totalRead = 0;
};

} // namespace tabulet::theme
