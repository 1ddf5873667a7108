#include "report/engine/qt/pictures/wmf_text_decoder.h"

namespace ky {

namespace {

const char* codePageOf(int charset) {
    switch (charset) {
    case 128: return "Shift_JIS";
    case 129: return "windows-949";
    case 134: return "GB18030";
    case 136: return "Big5";
    case 161: return "windows-1253";
    case 162: return "windows-1254";
    case 177: return "windows-1255";
    case 178: return "windows-1256";
    case 186: return "windows-1257";
    case 204: return "windows-1251";
    case 222: return "windows-874";
    case 238: return "windows-1250";
    default: return "windows-1252";
    }
}

}  // namespace

QString WmfTextDecoder::decode(QByteArrayView bytes, int charset) {
    const char* codePage = codePageOf(charset);
    auto found = decoders_.find(codePage);
    if (found == decoders_.end()) found = decoders_.emplace(codePage, QStringDecoder(codePage)).first;
    QStringDecoder& decoder = found->second;
    if (!decoder.isValid()) return QString::fromLatin1(bytes);
    decoder.resetState();
    return decoder.decode(bytes);
}

}  // namespace ky
