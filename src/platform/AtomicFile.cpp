#include "platform/AtomicFile.h"

#include <QFile>
#include <QSaveFile>

namespace pelcor {

std::string WriteFileAtomically(const std::string& path, const std::string& bytes) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return file.errorString().toStdString();
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size())) {
        std::string why = file.errorString().toStdString();
        file.cancelWriting();
        return why.empty() ? "write failed" : why;
    }
    if (!file.commit()) {
        std::string why = file.errorString().toStdString();
        return why.empty() ? "write failed" : why;
    }
    return {};
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return false;
    QByteArray data = file.readAll();
    if (file.error() != QFile::NoError) return false;
    bytes.assign(data.constData(), static_cast<size_t>(data.size()));
    return true;
}

} // namespace pelcor
