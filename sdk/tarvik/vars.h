// Host variable tokens and key event ids as named constants, from the one catalogue.
#pragma once

#include <cstdint>

namespace tarvik {

enum class VarForm : int32_t { DOUBLE, INT32, BCD, TEXT };
enum class ParamForm : int32_t { AREA, VALUE };

enum VarToken : int32_t {
#define TARVIK_VAR(token, name, form, what) name = token,
#include "tarvik/catalogue.inc"
};

enum KeyEvent : uint32_t {
#define TARVIK_KEY(id, name, param, what) name = id,
#include "tarvik/catalogue.inc"
};

}  // namespace tarvik
