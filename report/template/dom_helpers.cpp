#include "report/template/dom_helpers.h"

#include "platform/base64.h"

namespace ky {

namespace {

std::string utf8(const QString& text) { return text.toStdString(); }

pugi::xml_node firstChild(pugi::xml_node parent, const QString& name) { return parent.child(utf8(name).c_str()); }

}  // namespace

pugi::xml_node AppendTextElement(pugi::xml_node parent, const QString& name, const QString& text) {
    pugi::xml_node element = parent.append_child(utf8(name).c_str());
    if (!text.isEmpty()) element.text().set(utf8(text).c_str());
    return element;
}

pugi::xml_node AppendBinaryElement(pugi::xml_node parent, const QString& name, const StreamPtr& stream) {
    pugi::xml_node element = parent.append_child(utf8(name).c_str());
    element.append_attribute("xmlns:dt").set_value("urn:schemas-microsoft-com:datatypes");
    element.append_attribute("dt:dt").set_value("bin.base64");
    if (stream) {
        stream->setPosition(0);
        // One line of base64: readers drop line breaks anyway.
        const QString encoded = encodeBase64(stream->readAll());
        if (!encoded.isEmpty()) element.text().set(encoded.toLatin1().constData());
    }
    return element;
}

void SetChildText(pugi::xml_node parent, const QString& name, const QString& text) {
    SetChildText(parent, utf8(name).c_str(), text);
}

void SetChildText(pugi::xml_node parent, const char* name, const QString& text) {
    pugi::xml_node child = parent.child(name);
    if (!child) child = parent.append_child(name);
    // Replace the whole content, as setting the DOM's text does.
    while (child.first_child()) child.remove_child(child.first_child());
    if (!text.isEmpty()) child.text().set(text.toUtf8().constData());
}

QString GetChildText(pugi::xml_node parent, const QString& name, const QString& fallback) {
    return GetChildText(parent, utf8(name).c_str(), fallback);
}

QString GetChildText(pugi::xml_node parent, const char* name, const QString& fallback) {
    const pugi::xml_node child = parent.child(name);
    if (!child) return fallback;
    return QString::fromUtf8(child.child_value());
}

Result<StreamPtr> GetChildStream(pugi::xml_node parent, const QString& name) {
    const pugi::xml_node child = firstChild(parent, name);
    if (!child) return StreamPtr();
    const QString text = QString::fromUtf8(child.child_value());
    if (text.trimmed().isEmpty()) return StreamPtr();
    auto bytes = decodeBase64(text);
    if (!bytes) return fail(QStringLiteral("element %1: %2").arg(name, bytes.error()));
    auto stream = makeStream();
    stream->write(bytes.value());
    return stream;
}

}  // namespace ky
