#include "host/module.h"

#include <dlfcn.h>
#include <elf.h>

#include <cstring>
#include <fstream>

namespace host {

namespace {

constexpr const char* RESOURCE_SECTION = ".tarvik_resources";
constexpr uint32_t PACK_MAGIC = 0x50525654;  // "TVRP"

uint32_t le32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }

bool read_file(const std::filesystem::path& path, std::vector<uint8_t>& out) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return false;
    out.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    return !f.bad();
}

// Finds a named section in a 64-bit little-endian ELF image; every offset is checked against the image.
bool find_section(const std::vector<uint8_t>& elf, const char* wanted, size_t& offset, size_t& size) {
    if (elf.size() < sizeof(Elf64_Ehdr)) return false;
    Elf64_Ehdr eh;
    std::memcpy(&eh, elf.data(), sizeof eh);
    if (std::memcmp(eh.e_ident, ELFMAG, SELFMAG) != 0 || eh.e_ident[EI_CLASS] != ELFCLASS64) return false;
    if (eh.e_shentsize != sizeof(Elf64_Shdr) || eh.e_shnum == 0 || eh.e_shstrndx >= eh.e_shnum) return false;
    if (eh.e_shoff > elf.size() || (elf.size() - eh.e_shoff) / sizeof(Elf64_Shdr) < eh.e_shnum) return false;
    auto section = [&](size_t i) {
        Elf64_Shdr sh;
        std::memcpy(&sh, elf.data() + eh.e_shoff + i * sizeof(Elf64_Shdr), sizeof sh);
        return sh;
    };
    Elf64_Shdr names = section(eh.e_shstrndx);
    if (names.sh_offset > elf.size() || names.sh_size > elf.size() - names.sh_offset) return false;
    const size_t want_len = std::strlen(wanted);
    for (size_t i = 0; i < eh.e_shnum; ++i) {
        Elf64_Shdr sh = section(i);
        if (sh.sh_name >= names.sh_size || names.sh_size - sh.sh_name <= want_len) continue;
        const char* name = reinterpret_cast<const char*>(elf.data() + names.sh_offset + sh.sh_name);
        if (std::memcmp(name, wanted, want_len + 1) != 0) continue;
        if (sh.sh_type == SHT_NOBITS || sh.sh_offset > elf.size() || sh.sh_size > elf.size() - sh.sh_offset) return false;
        offset = sh.sh_offset;
        size = sh.sh_size;
        return true;
    }
    return false;
}

}  // namespace

Module::~Module() {
    if (handle_) dlclose(handle_);
}

Status Module::load(const std::filesystem::path& path, std::unique_ptr<Module>& out) {
    const std::string shown = path.string();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return Status::error(shown + ": no such module file");
    std::unique_ptr<Module> m(new Module);
    m->path_ = path;
    // A path without a slash would be searched for on the library path; the host loads exactly this file.
    std::string open_path = path.has_parent_path() ? shown : "./" + shown;
    m->handle_ = dlopen(open_path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m->handle_) {
        const char* why = dlerror();
        return Status::error(shown + ": not a loadable module (" + (why ? why : "unknown reason") + ")");
    }
    m->linkage_ = static_cast<tarvik::Linkage*>(dlsym(m->handle_, "Linkage"));
    if (!m->linkage_) return Status::error(shown + ": not a gauge module (no Linkage export)");
    m->imports_ = static_cast<tarvik::ImportTable*>(dlsym(m->handle_, "ImportTable"));
    if (!m->imports_) return Status::error(shown + ": not a gauge module (no ImportTable export)");
    if (m->linkage_->module_id != tarvik::MODULE_ID)
        return Status::error(shown + ": module id is " + std::to_string(m->linkage_->module_id) + ", not 19");
    if (m->imports_->entries[0].key != tarvik::IMPORT_KEY_PANEL_SERVICES)
        return Status::error(shown + ": ImportTable has no services entry (key 15)");
    m->gauge_ = m->linkage_->gauges[0];
    if (!m->gauge_) return Status::error(shown + ": Linkage lists no gauge");
    if (m->gauge_->version != tarvik::GAUGE_HEADER_VERSION)
        return Status::error(shown + ": gauge header version is " + std::to_string(m->gauge_->version) + ", not 610");
    if (!m->gauge_->name || !m->gauge_->root_list || !m->gauge_->root_list[0] || !m->gauge_->install ||
        !m->gauge_->update || !m->gauge_->kill || !m->gauge_->query || !m->gauge_->initialize ||
        !m->gauge_->generate || !m->gauge_->draw)
        return Status::error(shown + ": gauge header lacks its name, root element or a routine");
    if (Status s = m->read_resources(); !s) return Status::error(shown + ": " + s.message);
    out = std::move(m);
    return Status::success();
}

Status Module::read_resources() {
    std::vector<uint8_t> file;
    if (!read_file(path_, file)) return Status::error("cannot read the file");
    size_t off = 0, size = 0;
    if (!find_section(file, RESOURCE_SECTION, off, size)) return Status::success();  // a module without bitmaps
    resources_.assign(file.begin() + static_cast<ptrdiff_t>(off), file.begin() + static_cast<ptrdiff_t>(off + size));
    const uint8_t* p = resources_.data();
    if (size < 12 || le32(p) != PACK_MAGIC) return Status::error("resource section is not a bitmap pack");
    const uint32_t count = le32(p + 8);
    if (count > (size - 12) / 12) return Status::error("bitmap pack lists more entries than it holds");
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* e = p + 12 + 12 * i;
        const uint32_t number = le32(e), at = le32(e + 4), len = le32(e + 8);
        if (at > size || len > size - at) return Status::error("bitmap " + std::to_string(number) + " lies outside the pack");
        entries_[static_cast<int32_t>(number)] = {at, len};
    }
    return Status::success();
}

const Bitmap* Module::bitmap(int32_t number) {
    if (auto it = decoded_.find(number); it != decoded_.end()) return it->second.get();
    auto e = entries_.find(number);
    if (e == entries_.end()) return nullptr;
    auto b = std::make_unique<Bitmap>();
    if (!decode_bmp(std::span<const uint8_t>(resources_.data() + e->second.first, e->second.second), *b)) return nullptr;
    return (decoded_[number] = std::move(b)).get();
}

std::vector<int32_t> Module::bitmap_numbers() const {
    std::vector<int32_t> v;
    for (auto& [n, _] : entries_) v.push_back(n);
    return v;
}

}  // namespace host
