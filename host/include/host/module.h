// A gauge module loaded from its file: its exported records and its bitmaps by number.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/bitmap.h"
#include "host/status.h"
#include "tarvik/gauge.h"

namespace host {

class Module {
public:
    ~Module();
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    // Loads the file and checks it is a gauge module: a shared object exporting Linkage (module id 19,
    // one gauge whose header has version 610) and an ImportTable with the services slot (key 15).
    // A file that fails any check is refused with a message and left unloaded.
    static Status load(const std::filesystem::path& path, std::unique_ptr<Module>& out);

    const std::filesystem::path& path() const { return path_; }
    std::string name() const { return path_.stem().string(); }  // the module name: file name less .gau
    tarvik::GaugeHeader& gauge() const { return *gauge_; }
    tarvik::ImportTable& imports() const { return *imports_; }

    // The bitmap with that number, decoded on first use; null if the module has none.
    const Bitmap* bitmap(int32_t number);
    std::vector<int32_t> bitmap_numbers() const;

private:
    Module() = default;
    Status read_resources();

    std::filesystem::path path_;
    void* handle_ = nullptr;
    tarvik::Linkage* linkage_ = nullptr;
    tarvik::ImportTable* imports_ = nullptr;
    tarvik::GaugeHeader* gauge_ = nullptr;
    std::vector<uint8_t> resources_;                        // the pack, as read from the file
    std::map<int32_t, std::pair<size_t, size_t>> entries_;  // number -> (offset, size) in resources_
    std::map<int32_t, std::unique_ptr<Bitmap>> decoded_;
};

}  // namespace host
