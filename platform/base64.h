#pragma once
// Base64 as the system's XML "bin.base64" values use it.

#include "platform/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace ky {

QString encodeBase64(QByteArrayView bytes);

// Removes every CR LF pair and every "base64:" first (data from the server
// carries both), then decodes; other white space is skipped.
Result<QByteArray> decodeBase64(const QString& text);

}  // namespace ky
