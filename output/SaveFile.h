// Writing a file so that it is either wholly written or not there at all.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// Writes through write() into a temporary file in path's folder and renames
// it to path once write() succeeded and everything reached the disk, so an
// existing file is replaced only by a complete one. On failure returns false
// with the reason in reason, and neither the temporary file nor a partial
// path is left behind.
bool SaveFileSafely(const QString& path, const std::function<bool(QIODevice& device)>& write, QString& reason);

// The bytes as the whole content of path, the same way.
bool SaveFileSafely(const QString& path, const QByteArray& bytes, QString& reason);
