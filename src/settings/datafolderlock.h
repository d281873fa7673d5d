#pragma once

#include <QString>

namespace tabulet::settings {

// One running copy per data folder: two copies writing the same notes and configuration lose
// what the other typed. The copy that holds an flock on the file tbu_lock in the data folder owns
// the folder until it ends; the kernel releases the lock when the process dies, however it dies.
// The file is made readable by its owner only, so that no other user can take the lock.
class DataFolderLock final
{
public:
    enum class State {
        Owned,         // this process owns the data folder
        HeldElsewhere, // another running copy owns it
        Unavailable,   // no lock can be taken there (a read-only folder): nothing to protect
    };

    explicit DataFolderLock(const QString &dataFolder);
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock &) = delete;
    DataFolderLock &operator=(const DataFolderLock &) = delete;

    State state() const { return m_state; }

private:
    int m_fd = -1;
    State m_state = State::Unavailable;
};

} // namespace tabulet::settings
