#include "host/variables.h"

#include "host/catalogue.h"

namespace host {

namespace {
const char EMPTY_TEXT[] = "";
}

tarvik::TokenValue MemoryVariables::read(int32_t token) const {
    auto it = values_.find(token);
    if (it != values_.end()) return it->second;
    tarvik::TokenValue v{};
    const VariableInfo* info = find_variable(token);
    if (info && info->form == tarvik::VarForm::TEXT) v.s = EMPTY_TEXT;
    return v;
}

void MemoryVariables::set_double(int32_t token, double d) {
    tarvik::TokenValue v{};
    v.d = d;
    values_[token] = v;
}

void MemoryVariables::set_int(int32_t token, int32_t i) {
    tarvik::TokenValue v{};
    v.i = i;
    values_[token] = v;
}

void MemoryVariables::set_text(int32_t token, std::string s) {
    auto& stored = texts_[token];
    stored = std::move(s);
    tarvik::TokenValue v{};
    v.s = stored.c_str();
    values_[token] = v;
}

void MemoryVariables::set_raw(int32_t token, tarvik::TokenValue v) { values_[token] = v; }

}  // namespace host
