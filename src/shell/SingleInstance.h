#pragma once

#include <string>

namespace shell {

// Takes the machine-wide marker `name` for the life of this process. True when
// another live process holds it already. When the marker cannot be made at all,
// the process counts as the only instance.
bool IsSecondInstance(const std::string& name);

}  // namespace shell
