// Where the host's variables come from and where its key events go. The built-in simulation
// implements both; MemoryVariables and EventLog are the simple in-memory ones the probe and tests use.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tarvik/gauge.h"

namespace host {

class VariableSource {
public:
    virtual ~VariableSource() = default;
    // The variable's current value in its catalogue form. Unknown tokens read as zero.
    virtual tarvik::TokenValue read(int32_t token) const = 0;
};

class KeySink {
public:
    virtual ~KeySink() = default;
    virtual void key_event(uint32_t id, uint32_t parameter) = 0;
};

// Variables held in memory, all zero (texts empty) until set. Text values are owned here and stay
// valid until the same variable is set again.
class MemoryVariables : public VariableSource {
public:
    tarvik::TokenValue read(int32_t token) const override;
    void set_double(int32_t token, double v);
    void set_int(int32_t token, int32_t v);
    void set_text(int32_t token, std::string v);
    // A raw 8-byte value, for tests of how gauges read the forms.
    void set_raw(int32_t token, tarvik::TokenValue v);

private:
    std::map<int32_t, tarvik::TokenValue> values_;
    std::map<int32_t, std::string> texts_;
};

struct KeyEventRecord {
    uint32_t id;
    uint32_t parameter;
};

// Records key events in order, for the probe and tests that must see exactly what a gauge sent.
class EventLog : public KeySink {
public:
    void key_event(uint32_t id, uint32_t parameter) override { events.push_back({id, parameter}); }
    std::vector<KeyEventRecord> events;
};

}  // namespace host
