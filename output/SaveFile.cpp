#include "SaveFile.h"

#include <QSaveFile>

bool SaveFileSafely(const QString& path, const std::function<bool(QIODevice& device)>& write, QString& reason) {
    QSaveFile file(path);
    // Never fall back on writing into path itself.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
        return false;
    }
    if (!write(file)) {
        reason = file.error() != QFileDevice::NoError ? file.errorString()
                                                      : QStringLiteral("Filen blev ikke skrevet færdig.");
        file.cancelWriting();
        return false;  // the destructor removes the temporary file
    }
    if (!file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}

bool SaveFileSafely(const QString& path, const QByteArray& bytes, QString& reason) {
    return SaveFileSafely(path, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); }, reason);
}
