#pragma once
// Large limit-testing inputs, built when the test runs instead of being
// kept as big files in the repository.
#include <string>

namespace hlsltest {

// The input named `name` (e.g. "deep_parens.fx"); false for an unknown name.
bool GeneratedInput(const std::string& name, std::string& source);

}  // namespace hlsltest
