// Names, forms and descriptions of every host variable and key event, from the one catalogue.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "tarvik/vars.h"

namespace host {

struct VariableInfo {
    int32_t token;
    std::string_view name;
    tarvik::VarForm form;
    std::string_view what;
};

struct KeyEventInfo {
    uint32_t id;
    std::string_view name;
    tarvik::ParamForm param;
    std::string_view what;
};

std::span<const VariableInfo> variables();
std::span<const KeyEventInfo> key_events();

const VariableInfo* find_variable(std::string_view name);
const VariableInfo* find_variable(int32_t token);
const KeyEventInfo* find_key_event(std::string_view name);
const KeyEventInfo* find_key_event(uint32_t id);

std::string_view form_name(tarvik::VarForm f);

}  // namespace host
