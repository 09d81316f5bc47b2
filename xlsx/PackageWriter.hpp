#pragma once
#include <deque>
#include <string>

struct zip;

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
    // Writes the package; refuses when it cannot.
    void Close();

private:
    std::string m_strPath;
    zip* m_pZip = nullptr;
    std::deque<std::string> m_data; // kept until Close: the archive reads it then
};

} // namespace vantor::xlsx
