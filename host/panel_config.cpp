#include "host/panel_config.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>

namespace host {

namespace {

constexpr int32_t MAX_COORD = 65536;  // positions, in panel pixels either way
constexpr int32_t MAX_SIZE = 16384;   // window sizes and gauge widths
constexpr size_t MAX_FILE = 1 << 20;

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

std::string_view strip_comment(std::string_view s) {
    size_t cut = s.find(';');
    const size_t slashes = s.find("//");
    if (slashes < cut) cut = slashes;
    return cut == std::string_view::npos ? s : s.substr(0, cut);
}

std::optional<int64_t> whole(std::string_view s) {
    s = trim(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    int64_t v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
    return v;
}

std::vector<std::string_view> split(std::string_view s, char sep) {
    std::vector<std::string_view> out;
    size_t start = 0;
    for (;;) {
        const size_t at = s.find(sep, start);
        out.push_back(trim(s.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start)));
        if (at == std::string_view::npos) break;
        start = at + 1;
    }
    return out;
}

// "name" followed by decimal digits only: the number, else none.
std::optional<int> numbered(std::string_view key_lower, std::string_view name) {
    if (key_lower.size() <= name.size() || key_lower.substr(0, name.size()) != name) return std::nullopt;
    const std::string_view digits = key_lower.substr(name.size());
    if (digits.size() > 4 || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return static_cast<int>(*whole(digits));
}

struct Parser {
    std::string file;
    int line = 0;
    Status fail(const std::string& what) const { return Status::error(file + ":" + std::to_string(line) + ": " + what); }

    Status ints(std::string_view value, std::string_view key, size_t n, int64_t lo, int64_t hi, int64_t* out) const {
        auto parts = split(value, ',');
        if (parts.size() != n)
            return fail(std::string(key) + " wants " + std::to_string(n) + " whole numbers separated by commas, got '" +
                        std::string(value) + "'");
        for (size_t i = 0; i < n; ++i) {
            auto v = whole(parts[i]);
            if (!v) return fail(std::string(key) + ": '" + std::string(parts[i]) + "' is not a whole number");
            if (*v < lo || *v > hi)
                return fail(std::string(key) + ": " + std::to_string(*v) + " is out of range " + std::to_string(lo) + " to " +
                            std::to_string(hi));
            out[i] = *v;
        }
        return Status::success();
    }
};

}  // namespace

Status parse_panel_config(std::string_view text, const std::string& file_name, PanelConfig& out) {
    out = PanelConfig{};
    out.file = file_name;
    Parser p{file_name};
    if (text.size() > MAX_FILE) return Status::error(file_name + ": the file is larger than a panel file can be");
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);

    enum class Section { NONE, TITLES, WINDOW, OTHER } section = Section::NONE;
    std::map<int, PanelWindowEntry> windows;
    std::map<int, std::pair<std::string, int>> titles;
    std::set<std::string> sections_seen;
    PanelWindowEntry* window = nullptr;
    std::set<std::string> keys_seen;
    std::set<int> visible_given;
    std::set<int> size_given;

    size_t pos = 0;
    while (pos <= text.size()) {
        const size_t nl = text.find('\n', pos);
        std::string_view raw = text.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
        pos = nl == std::string_view::npos ? text.size() + 1 : nl + 1;
        ++p.line;
        if (raw.find('\0') != std::string_view::npos) return p.fail("the line holds a zero byte; not a text file");
        const std::string_view s = trim(strip_comment(raw));
        if (s.empty()) continue;

        if (s.front() == '[') {
            if (s.back() != ']') return p.fail("a section header must end with ']'");
            const std::string name = lower(trim(s.substr(1, s.size() - 2)));
            if (name.empty()) return p.fail("a section needs a name");
            if (!sections_seen.insert(name).second) return p.fail("section [" + std::string(trim(s.substr(1, s.size() - 2))) + "] appears twice");
            keys_seen.clear();
            window = nullptr;
            if (name == "window titles") {
                section = Section::TITLES;
            } else if (auto n = numbered(name, "window")) {
                section = Section::WINDOW;
                if (windows.count(*n)) return p.fail("window " + std::to_string(*n) + " has two sections");
                window = &windows[*n];
                window->number = *n;
                window->line = p.line;
            } else {
                section = Section::OTHER;
            }
            continue;
        }

        const size_t eq = s.find('=');
        if (eq == std::string_view::npos) return p.fail("expected key=value or [section], got '" + std::string(s) + "'");
        const std::string key = lower(trim(s.substr(0, eq)));
        const std::string_view value = trim(s.substr(eq + 1));
        if (key.empty()) return p.fail("a key is missing before '='");
        if (section == Section::NONE) return p.fail("'" + key + "' comes before any [section]");
        if (section == Section::OTHER) continue;
        if (!keys_seen.insert(key).second) return p.fail("key '" + key + "' is given twice in this section");

        if (section == Section::TITLES) {
            if (auto n = numbered(key, "window")) titles[*n] = {std::string(value), p.line};
            continue;
        }

        int64_t v[4];
        if (key == "ident") {
            if (auto st = p.ints(value, key, 1, 0, UINT32_MAX, v); !st) return st;
            window->ident = static_cast<uint32_t>(v[0]);
        } else if (key == "visible") {
            if (value != "0" && value != "1") return p.fail("visible wants 0 or 1, got '" + std::string(value) + "'");
            window->visible = value == "1";
            visible_given.insert(window->number);
        } else if (key == "position") {
            if (auto st = p.ints(value, key, 2, -MAX_COORD, MAX_COORD, v); !st) return st;
            window->x = static_cast<int32_t>(v[0]);
            window->y = static_cast<int32_t>(v[1]);
        } else if (key == "size") {
            if (auto st = p.ints(value, key, 2, 1, MAX_SIZE, v); !st) return st;
            window->width = static_cast<int32_t>(v[0]);
            window->height = static_cast<int32_t>(v[1]);
            size_given.insert(window->number);
        } else if (key == "background_color") {
            if (auto st = p.ints(value, key, 3, 0, 255, v); !st) return st;
            window->has_background = true;
            window->background_bgr = static_cast<uint32_t>(v[0] | (v[1] << 8) | (v[2] << 16));
        } else if (auto n = numbered(key, "gauge")) {
            auto parts = split(value, ',');
            if (parts.size() < 3 || parts.size() > 4)
                return p.fail(key + " wants MODULE!GAUGE, x, y[, width], got '" + std::string(value) + "'");
            const size_t bang = parts[0].find('!');
            if (bang == std::string_view::npos) return p.fail(key + ": '" + std::string(parts[0]) + "' is not MODULE!GAUGE");
            for (auto& other : window->gauges)
                if (other.number == *n) return p.fail("gauge number " + std::to_string(*n) + " is given twice in this window");
            PanelGaugeEntry g;
            g.number = *n;
            g.module = std::string(trim(parts[0].substr(0, bang)));
            g.gauge = std::string(trim(parts[0].substr(bang + 1)));
            g.line = p.line;
            if (g.module.empty() || g.gauge.empty()) return p.fail(key + ": the module and the gauge name must both be given");
            if (g.module.find_first_of("/\\") != std::string::npos)
                return p.fail(key + ": a module is named, not a path ('" + g.module + "')");
            std::string coords;
            for (size_t i = 1; i < parts.size(); ++i) coords += (i > 1 ? "," : "") + std::string(parts[i]);
            if (auto st = p.ints(coords, key + " position", 2, -MAX_COORD, MAX_COORD, v); !st) return st;
            g.x = static_cast<int32_t>(v[0]);
            g.y = static_cast<int32_t>(v[1]);
            if (parts.size() == 4) {
                if (auto st = p.ints(parts[3], key + " width", 1, 1, MAX_SIZE, v); !st) return st;
                g.width = static_cast<int32_t>(v[0]);
            }
            window->gauges.push_back(std::move(g));
        }
        // Other keys of a window section are not ours.
    }

    std::set<uint32_t> idents;
    for (auto& [n, w] : windows) {
        p.line = w.line;
        if (!size_given.count(n)) return p.fail("[Window" + std::to_string(n) + "] has no size=w,h");
        if (!visible_given.count(n)) w.visible = w.ident == 0;
        if (!idents.insert(w.ident).second)
            return p.fail("[Window" + std::to_string(n) + "] has ident " + std::to_string(w.ident) + ", which another window has");
        if (auto t = titles.find(n); t != titles.end()) w.title = t->second.first;
        std::stable_sort(w.gauges.begin(), w.gauges.end(), [](auto& a, auto& b) { return a.number < b.number; });
        out.windows.push_back(std::move(w));
    }
    if (out.windows.empty()) return Status::error(file_name + ": no [WindowNN] section: the panel has no window");
    return Status::success();
}

Status load_panel_config(const std::filesystem::path& path, PanelConfig& out) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return Status::error(path.string() + ": cannot open the panel file");
    std::string text;
    char buf[65536];
    while (f.read(buf, sizeof buf) || f.gcount() > 0) {
        text.append(buf, static_cast<size_t>(f.gcount()));
        if (text.size() > MAX_FILE) return Status::error(path.string() + ": the file is larger than a panel file can be");
    }
    return parse_panel_config(text, path.string(), out);
}

}  // namespace host
