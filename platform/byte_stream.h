#pragma once
// An in-memory byte buffer with a read/write position. Streams are handed
// between parts of the system; a consumer rewinds to 0 before reading.

#include "platform/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>

namespace ky {

class ByteStream {
public:
    ByteStream() = default;
    explicit ByteStream(QByteArray bytes) : bytes_(std::move(bytes)) {}

    qint64 size() const { return bytes_.size(); }
    qint64 position() const { return position_; }
    // Positions past the end are clamped to the end.
    void setPosition(qint64 position);

    // Writes at the position, overwriting and extending, and moves past it.
    void write(QByteArrayView bytes);
    // The bytes from the position to the end; the position moves to the end.
    QByteArray readAll();
    // Every byte, whatever the position.
    const QByteArray& bytes() const { return bytes_; }

    // Replaces the file (atomically) with every byte of the stream.
    Status saveToFile(const QString& path) const;
    // Replaces the content with the file's bytes, position 0.
    Status loadFromFile(const QString& path);

private:
    QByteArray bytes_;
    qint64 position_ = 0;
};

using StreamPtr = std::shared_ptr<ByteStream>;

inline StreamPtr makeStream(QByteArray bytes = {}) { return std::make_shared<ByteStream>(std::move(bytes)); }

}  // namespace ky
