#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct zip;

namespace vantor::xlsx {

// The parts of a zip package, read whole or streamed, each refused when it
// would unpack to more than a sane size (a part over 1 GiB, or over 64 MiB
// and over 200 times its packed size) or when its data is damaged.
class PackageReader {
public:
    // Refuses what is not a zip package or cannot be read.
    explicit PackageReader(std::string path);
    ~PackageReader();
    PackageReader(const PackageReader&) = delete;
    PackageReader& operator=(const PackageReader&) = delete;

    const std::string& Path() const { return m_strPath; }
    // Part names in package order.
    const std::vector<std::string>& PartNames() const { return m_names; }
    // The stored name of a part, found without regard to case; "" when there is none.
    std::string Find(const std::string& name) const;
    bool Has(const std::string& name) const { return !Find(name).empty(); }

    // The whole part; refuses a missing part.
    std::string Read(const std::string& name) const;
    // The part in pieces of at most about `pieceSize` bytes.
    void Stream(const std::string& name, size_t pieceSize,
                const std::function<void(std::string_view)>& sink) const;
    // The unpacked size the package declares for a part.
    uint64_t DeclaredSize(const std::string& name) const;

    static constexpr uint64_t kMaxPartSize = uint64_t{1} << 30;
    static constexpr uint64_t kRatioCheckedAbove = uint64_t{64} << 20;
    static constexpr uint64_t kMaxRatio = 200;

private:
    int64_t IndexOf(const std::string& name) const;

    std::string m_strPath;
    zip* m_pZip = nullptr;
    std::vector<std::string> m_names;
};

} // namespace vantor::xlsx
