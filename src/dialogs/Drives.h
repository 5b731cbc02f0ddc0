// The drives the picture chooser lists: the mounted volumes, the system root's first.
#pragma once

#include <QList>
#include <QString>

namespace surabe {

struct Drive {
    QString rootPath; // with '/' separators, as Qt gives paths
    QString name;     // the volume's label, when it has one
};

// The mounted volumes that are really volumes, the system root's first. Where the system
// tells of none (a container, a chroot), the root directory stands in; a plain folder that the
// system calls a volume is never listed.
QList<Drive> Drives();

// The index of the drive that holds `path`: the listed drive with the longest root that
// contains it.
qsizetype DriveHolding(const QList<Drive> &drives, const QString &path);

} // namespace surabe
