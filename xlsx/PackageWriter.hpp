#pragma once
#include "xlsx/PartDeflater.hpp"

#include <deque>
#include <string>

struct zip;
struct zip_source;

namespace vantor::xlsx {

// Writes a zip package: parts in the order they are added, each stamped with
// the same fixed time, so equal contents give equal files.
class PackageWriter {
public:
    // Creates or truncates the file; nothing is written before Close.
    explicit PackageWriter(std::string path);
    ~PackageWriter();
    PackageWriter(const PackageWriter&) = delete;
    PackageWriter& operator=(const PackageWriter&) = delete;

    // Adds a part; `fast` packs it with the quickest deflate level, for large parts.
    void Add(const std::string& name, std::string data, bool fast = false);
    // Adds a part packed already; the package takes its data as it is.
    void AddDeflated(const std::string& name, PartDeflater::Packed packed);
    // Writes the package; refuses when it cannot.
    void Close();

private:
    // Gives the archive a source of its own; names the part when it cannot.
    void AddSource(const std::string& name, zip_source* source, int level);

    std::string m_strPath;
    zip* m_pZip = nullptr;
    std::deque<std::string> m_data; // kept until Close: the archive reads it then
    std::deque<std::pair<PartDeflater::Packed, size_t>> m_packed; // with the read position
};

} // namespace vantor::xlsx
