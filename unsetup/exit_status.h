#pragma once
// What the program's exit status tells a script.

namespace ky::unsetup::exit_status {

inline constexpr int allRemoved = 0;
inline constexpr int somethingLeft = 1;
inline constexpr int logUnreadable = 2;

}  // namespace ky::unsetup::exit_status
