#pragma once
// The component object model the report component is built on: objects are
// shared, hold interfaces named by identifiers, and come from class
// factories that a library hands out through DllGetClassObject.

#include "platform/com_error.h"
#include "platform/guid.h"

#include <atomic>
#include <memory>

namespace ky::com {

// Objects alive in this module; DllCanUnloadNow answers from it. Each module
// (the component library, a host) has its own count.
inline std::atomic<long>& moduleObjectCount() {
    static std::atomic<long> count{0};
    return count;
}

class Object {
public:
    Object() { ++moduleObjectCount(); }
    Object(const Object&) : Object() {}
    Object& operator=(const Object&) = default;
    virtual ~Object() { --moduleObjectCount(); }

    // The address of the interface `iid` within this object, or nullptr.
    virtual void* queryInterface(const Guid& iid) noexcept = 0;
};

using ObjectPtr = std::shared_ptr<Object>;

// Interfaces name themselves with a static `iid`.
template <class Interface>
std::shared_ptr<Interface> queryInterface(const ObjectPtr& object) {
    if (!object) return {};
    void* address = object->queryInterface(Interface::iid);
    if (!address) return {};
    return std::shared_ptr<Interface>(object, static_cast<Interface*>(address));
}

// queryInterface for an object that implements the listed interfaces.
template <class... Interfaces, class Self>
void* interfaceOf(Self* self, const Guid& iid) noexcept {
    void* found = nullptr;
    ((iid == Interfaces::iid ? (found = static_cast<Interfaces*>(self), true) : false) || ...);
    return found;
}

class IClassFactory {
public:
    static constexpr Guid iid{0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
    virtual ~IClassFactory() = default;
    // Throws ComError when the object cannot be made.
    virtual ObjectPtr createInstance() = 0;
};

// The four entry points of a component library.
using GetClassObjectFunction = HResult (*)(const Guid* clsid, const Guid* iid, void** factory);
using CanUnloadNowFunction = HResult (*)();
using RegisterServerFunction = HResult (*)();
using UnregisterServerFunction = HResult (*)();

}  // namespace ky::com
