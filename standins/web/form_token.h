#pragma once

// The secret in a settings form's address.

#include <string>

namespace web {

// 128 random bits from the system's source, as 32 hexadecimal digits.
std::string NewFormToken();

}  // namespace web
