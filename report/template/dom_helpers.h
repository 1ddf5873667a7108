#pragma once
// The small DOM operations templates and report data files are built with.
// Binary values are elements of data type "bin.base64" in the
// urn:schemas-microsoft-com:datatypes namespace, bound to the prefix "dt".

#include "platform/byte_stream.h"
#include "platform/result.h"

#include <QString>

#include <pugixml.hpp>

namespace ky {

// Element `name` holding `text`, appended as the last child.
pugi::xml_node AppendTextElement(pugi::xml_node parent, const QString& name, const QString& text);
// Element `name` of data type bin.base64, appended as the last child; with a
// stream, all its bytes from position 0 (the stream is rewound).
pugi::xml_node AppendBinaryElement(pugi::xml_node parent, const QString& name, const StreamPtr& stream);
// Sets the text of the first child `name`, appending the child when missing.
void SetChildText(pugi::xml_node parent, const QString& name, const QString& text);
void SetChildText(pugi::xml_node parent, const char* name, const QString& text);
// The text of the first child `name`; `fallback` when there is none (an
// empty child gives "").
QString GetChildText(pugi::xml_node parent, const QString& name, const QString& fallback);
QString GetChildText(pugi::xml_node parent, const char* name, const QString& fallback);
// The bytes of the first child `name` in a new stream, positioned at its end;
// nothing when the child is absent or empty; an error when its text is not
// base64.
Result<StreamPtr> GetChildStream(pugi::xml_node parent, const QString& name);

}  // namespace ky
