// The drives the picture chooser lists: the mounted volumes, the system root's first.
#include "Drives.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace surabe {

namespace {

// Whether a path is where a file system is mounted. On Unix that is a directory on another
// device than its parent (or the root itself); a system that reports a plain folder as a
// volume (seen inside a chroot) is not believed. Drive letters are always volumes.
bool IsMountPoint(const QString &path)
{
#ifdef Q_OS_UNIX
    if (QDir::cleanPath(path) == QDir::rootPath())
        return true;
    struct stat self {}, parent {};
    const QByteArray encoded = QFile::encodeName(QDir::cleanPath(path));
    const QByteArray parentEncoded = QFile::encodeName(QDir::cleanPath(path + QStringLiteral("/..")));
    return ::stat(encoded.constData(), &self) == 0 && ::stat(parentEncoded.constData(), &parent) == 0 &&
           (self.st_dev != parent.st_dev || self.st_ino == parent.st_ino);
#else
    Q_UNUSED(path);
    return true;
#endif
}

bool Contains(const QString &root, const QString &path)
{
    const QString prefix = root.endsWith(u'/') ? root : root + u'/';
    return path == root || path.startsWith(prefix);
}

} // namespace

QList<Drive> Drives()
{
    QList<Drive> drives;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (!volume.isValid() || !volume.isReady() || !IsMountPoint(root))
            continue;
        const bool listed = std::any_of(drives.cbegin(), drives.cend(), [&root](const Drive &d) { return d.rootPath == root; });
        if (!listed)
            drives.append({root, volume.name() != root ? volume.name() : QString()});
    }
    const QString systemRoot = QDir::rootPath();
    if (std::none_of(drives.cbegin(), drives.cend(), [&systemRoot](const Drive &d) { return d.rootPath == systemRoot; }))
        drives.append({systemRoot, QString()});
    std::stable_sort(drives.begin(), drives.end(), [&systemRoot](const Drive &a, const Drive &b) {
        const bool aRoot = a.rootPath == systemRoot, bRoot = b.rootPath == systemRoot;
        return aRoot != bRoot ? aRoot : a.rootPath < b.rootPath;
    });
    return drives;
}

qsizetype DriveHolding(const QList<Drive> &drives, const QString &path)
{
    const QString cleanPath = QDir::cleanPath(path);
    qsizetype best = -1;
    qsizetype bestLength = -1;
    for (qsizetype i = 0; i < drives.size(); ++i) {
        const QString root = QDir::cleanPath(drives[i].rootPath);
        if (Contains(root, cleanPath) && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    return best;
}

} // namespace surabe
