#include "platform/byte_stream.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

namespace ky {

void ByteStream::setPosition(qint64 position) { position_ = std::clamp<qint64>(position, 0, bytes_.size()); }

void ByteStream::write(QByteArrayView bytes) {
    const qint64 end = position_ + bytes.size();
    if (end > bytes_.size()) bytes_.resize(end);
    if (!bytes.isEmpty()) std::memcpy(bytes_.data() + position_, bytes.data(), static_cast<size_t>(bytes.size()));
    position_ = end;
}

QByteArray ByteStream::readAll() {
    QByteArray rest = bytes_.mid(position_);
    position_ = bytes_.size();
    return rest;
}

Status ByteStream::saveToFile(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    if (file.write(bytes_) != bytes_.size() || !file.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    return {};
}

Status ByteStream::loadFromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) return fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    bytes_ = std::move(content);
    position_ = 0;
    return {};
}

}  // namespace ky
