#pragma once
// Reading and writing whole XML documents the way templates travel: as
// bytes of any Unicode encoding in, UTF-8 bytes out, text kept as it is.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <pugixml.hpp>

namespace ky {

// Replaces the document; false (and an empty document) when the bytes are
// not well-formed XML.
bool loadXmlBytes(pugi::xml_document& document, QByteArrayView bytes);
bool loadXmlText(pugi::xml_document& document, const QString& text);

// UTF-8 with an XML declaration, no indentation added.
QByteArray saveXmlBytes(const pugi::xml_document& document);
QString saveXmlText(const pugi::xml_document& document);

}  // namespace ky
