#include "host/catalogue.h"

#include <algorithm>
#include <array>

namespace host {

namespace {

using tarvik::ParamForm;
using tarvik::VarForm;

constexpr VariableInfo VARIABLES[] = {
#define TARVIK_VAR(token, name, form, what) {token, #name, VarForm::form, what},
#include "tarvik/catalogue.inc"
};

constexpr KeyEventInfo KEY_EVENTS[] = {
#define TARVIK_KEY(id, name, param, what) {id, #name, ParamForm::param, what},
#include "tarvik/catalogue.inc"
};

}  // namespace

std::span<const VariableInfo> variables() { return VARIABLES; }
std::span<const KeyEventInfo> key_events() { return KEY_EVENTS; }

const VariableInfo* find_variable(std::string_view name) {
    for (auto& v : VARIABLES)
        if (v.name == name) return &v;
    return nullptr;
}

const VariableInfo* find_variable(int32_t token) {
    for (auto& v : VARIABLES)
        if (v.token == token) return &v;
    return nullptr;
}

const KeyEventInfo* find_key_event(std::string_view name) {
    for (auto& k : KEY_EVENTS)
        if (k.name == name) return &k;
    return nullptr;
}

const KeyEventInfo* find_key_event(uint32_t id) {
    for (auto& k : KEY_EVENTS)
        if (k.id == id) return &k;
    return nullptr;
}

std::string_view form_name(VarForm f) {
    switch (f) {
        case VarForm::DOUBLE: return "double";
        case VarForm::INT32: return "int32";
        case VarForm::BCD: return "bcd";
        case VarForm::TEXT: return "text";
    }
    return "?";
}

}  // namespace host
