#include "standins/web/form_token.h"

#include <cstdio>
#include <random>

namespace web {

std::string NewFormToken() {
  std::random_device source;
  std::string token;
  for (int i = 0; i < 4; ++i) {
    char part[9];
    std::snprintf(part, sizeof part, "%08x", static_cast<unsigned>(source()));
    token += part;
  }
  return token;
}

}  // namespace web
