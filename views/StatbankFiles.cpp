#include "StatbankFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "SaveFile.h"
#include "StatbankImports.h"

namespace {

// The reader refuses anything larger; one byte more lets it say so.
constexpr qint64 LargestFile = 50LL * 1024 * 1024 + 1;

}  // namespace

QString RememberedImportsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/statistikbanken.txt";
}

void LoadRememberedImports() {
    QFile file(RememberedImportsPath());
    if (!file.open(QIODevice::ReadOnly)) return;
    const QByteArray text = file.read(LargestFile);
    RestoreStatbankImports(std::string_view(text.constData(), static_cast<size_t>(text.size())));
    ApplyStatbankImports();
}

bool RememberImports(QString& reason) {
    const QString path = RememberedImportsPath();
    if (ImportedTables.empty()) {
        if (!QFile::exists(path) || QFile::remove(path)) return true;
        reason = "Filen " + QDir::toNativeSeparators(path) + " kunne ikke slettes.";
        return false;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        reason = "Mappen " + QDir::toNativeSeparators(QFileInfo(path).absolutePath()) + " kunne ikke oprettes.";
        return false;
    }
    return SaveFileSafely(path, QByteArray::fromStdString(StatbankImportsText()), reason);
}

bool ReadChosenFile(const QString& path, QByteArray& bytes, QString& reason) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = "Filen " + QDir::toNativeSeparators(path) + " kan ikke åbnes: " + file.errorString();
        return false;
    }
    bytes = file.read(LargestFile);
    if (file.error() != QFileDevice::NoError) {
        reason = "Filen " + QDir::toNativeSeparators(path) + " kan ikke læses: " + file.errorString();
        return false;
    }
    return true;
}
