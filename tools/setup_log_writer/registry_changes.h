#pragma once
// What a registration added to the registry, found by comparing the registry
// before and after it, in the form the installation log names it.

#include "unsetup/log_entries.h"

#include "platform/registry_store.h"

#include <vector>

namespace ky::install {

struct RegistryChanges {
    // New keys at the highest level that is new, so that deleting one takes
    // everything the registration put below it.
    std::vector<unsetup::RegistryKeyEntry> keys;
    // New values in keys that were there before.
    std::vector<unsetup::RegistryValueEntry> values;
};

// A key that every registration shares (HKCR\CLSID, a top-level key of HKCU,
// HKLM or HKU, any SOFTWARE key) is never listed even when this registration
// made it: deleting it would take other programs' entries along. Its new
// subkeys are listed in its place. Values that changed are not listed: their
// old text cannot be put back by a removal.
RegistryChanges registryChanges(const RegistryTree& before, const RegistryTree& after);

}  // namespace ky::install
