#include "report/template/xml_document.h"


namespace ky {

namespace {

constexpr unsigned kParseOptions = pugi::parse_default;

class ByteWriter : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override { out.append(static_cast<const char*>(data), static_cast<qsizetype>(size)); }
    QByteArray out;
};

}  // namespace

bool loadXmlBytes(pugi::xml_document& document, QByteArrayView bytes) {
    const pugi::xml_parse_result result = document.load_buffer(bytes.data(), static_cast<size_t>(bytes.size()), kParseOptions);
    if (!result) document.reset();
    return static_cast<bool>(result);
}

bool loadXmlText(pugi::xml_document& document, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const pugi::xml_parse_result result =
        document.load_buffer(utf8.constData(), static_cast<size_t>(utf8.size()), kParseOptions, pugi::encoding_utf8);
    if (!result) document.reset();
    return static_cast<bool>(result);
}

QByteArray saveXmlBytes(const pugi::xml_document& document) {
    ByteWriter writer;
    document.save(writer, PUGIXML_TEXT(""), pugi::format_raw, pugi::encoding_utf8);
    return writer.out;
}

QString saveXmlText(const pugi::xml_document& document) { return QString::fromUtf8(saveXmlBytes(document)); }

}  // namespace ky
