#pragma once
// StaticClass: the component's global helper object.

#include "report/api/rpd_interface.h"
#include "platform/com_object.h"

namespace ky {

class StaticClass final : public com::Object, public IStaticClass {
public:
    static constexpr Guid clsid{0x5C0D9A11, 0x3E2B, 0x4F61, {0x9A, 0x4E, 0x21, 0x7B, 0x0C, 0x51, 0x6E, 0x03}};

    void* queryInterface(const Guid& interfaceId) noexcept override { return com::interfaceOf<IStaticClass>(this, interfaceId); }
    QString NewGUID() override { return Guid::create().toCompactString(); }
};

}  // namespace ky
