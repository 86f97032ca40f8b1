#include "engine/tablelocks.h"

#include "engine/database.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <sys/file.h>
#include <sys/vfs.h>
#include <unistd.h>
#endif

namespace
{

// A lock file per table in the data folder. The operating system drops the lock when the
// process ends, so a crashed workstation never leaves a table locked.
class FileTableLocks final : public TableLocks
{
public:
    explicit FileTableLocks(QString directory) : directory_(std::move(directory)) {}
    ~FileTableLocks() override
    {
        const QStringList held = files_.keys();
        for (const QString& table : held)
            unlock(table);
    }

    bool tryLock(const QString& table) override
    {
        const QString key = table.toLower();
        if (files_.contains(key))
            return true;
        auto file = std::make_unique<QFile>(
            QDir(directory_).filePath(table.toLower() + QStringLiteral(".lck")));
        if (!file->open(QIODevice::ReadWrite))
            return false;
#ifdef Q_OS_WIN
        OVERLAPPED overlapped{};
        const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file->handle()));
        if (!LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                        &overlapped))
            return false;
#else
        if (::flock(file->handle(), LOCK_EX | LOCK_NB) != 0)
            return false;
#endif
        files_.insert(key, file.release());
        return true;
    }

    void unlock(const QString& table) override
    {
        QFile* file = files_.take(table.toLower());
        if (!file)
            return;
#ifdef Q_OS_WIN
        OVERLAPPED overlapped{};
        UnlockFileEx(reinterpret_cast<HANDLE>(_get_osfhandle(file->handle())), 0, 1, 0,
                     &overlapped);
#else
        ::flock(file->handle(), LOCK_UN);
#endif
        delete file;
    }

private:
    QString directory_;
    QHash<QString, QFile*> files_;
};

} // namespace

std::unique_ptr<TableLocks> TableLocks::forDatabase(Database& db)
{
    return db.dialect().tableLocks(db);
}

std::unique_ptr<TableLocks> fileTableLocks(const QString& directory)
{
    return std::make_unique<FileTableLocks>(directory);
}

bool isNetworkFileSystem(const QString& directory)
{
#ifdef Q_OS_WIN
    const QString root = QDir(directory).absolutePath().left(3);
    if (directory.startsWith(QStringLiteral("//")) || directory.startsWith(QStringLiteral("\\\\")))
        return true;
    return GetDriveTypeW(reinterpret_cast<LPCWSTR>(root.utf16())) == DRIVE_REMOTE;
#else
    struct statfs info {
    };
    if (::statfs(QFile::encodeName(directory).constData(), &info) != 0)
        return false;
    const auto type = static_cast<unsigned long>(info.f_type);
    return type == 0x6969UL         // NFS
           || type == 0x517BUL      // SMB
           || type == 0xFF534D42UL  // CIFS
           || type == 0xFE534D42UL  // SMB2
           || type == 0x65735546UL; // FUSE (sshfs and friends)
#endif
}
