#pragma once
// Globally unique identifiers: class and interface identities of the
// component, and fresh identifiers for file names and hosts.

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>

namespace ky {

struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    // A random (version 4) identifier.
    static Guid create();
    // Reads "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX", with or without braces.
    static std::optional<Guid> parse(QStringView text);

    // 32 upper-case hexadecimal digits, no braces or hyphens.
    QString toCompactString() const;
    // 36 upper-case characters with hyphens, no braces.
    QString toString() const;
    // The registry form: the 36-character text in braces.
    QString toBracedString() const;

    friend constexpr bool operator==(const Guid&, const Guid&) = default;
};

}  // namespace ky
