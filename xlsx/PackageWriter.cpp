#include "xlsx/PackageWriter.hpp"

#include "xlsx/Refusal.hpp"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <zip.h>

namespace vantor::xlsx {

namespace {

// 1980-01-01 00:00 local time, the earliest time a zip entry holds: its
// local-time stamp is then the same wherever the file is written.
time_t FixedEntryTime() {
    std::tm t{};
    t.tm_year = 80;
    t.tm_mon = 0;
    t.tm_mday = 1;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

} // namespace

PackageWriter::PackageWriter(std::string path) : m_strPath(std::move(path)) {
    int code = 0;
    m_pZip = zip_open(m_strPath.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!m_pZip) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const std::string text = zip_error_strerror(&error);
        zip_error_fini(&error);
        Refuse(m_strPath, "", "cannot be written: " + text);
    }
}

PackageWriter::~PackageWriter() {
    if (m_pZip) {
        zip_discard(m_pZip);
    }
}

void PackageWriter::Add(const std::string& name, std::string data, bool fast) {
    const std::string& kept = m_data.emplace_back(std::move(data));
    AddSource(name, zip_source_buffer(m_pZip, kept.data(), kept.size(), 0), fast ? 1 : 6);
}

void PackageWriter::AddDeflated(const std::string& name, PartDeflater::Packed packed) {
    // A source that states its data is deflated, with the size and CRC of
    // what it unpacks to: the archive then copies it without packing it again.
    auto callback = [](void* state, void* data, zip_uint64_t length, zip_source_cmd_t command) -> zip_int64_t {
        auto& [part, at] = *static_cast<std::pair<PartDeflater::Packed, size_t>*>(state);
        switch (command) {
        case ZIP_SOURCE_OPEN:
            at = 0;
            return 0;
        case ZIP_SOURCE_READ: {
            const size_t n = std::min<size_t>(length, part.data.size() - at);
            std::memcpy(data, part.data.data() + at, n);
            at += n;
            return static_cast<zip_int64_t>(n);
        }
        case ZIP_SOURCE_STAT: {
            auto* st = static_cast<zip_stat_t*>(data);
            zip_stat_init(st);
            st->valid = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_CRC;
            st->size = part.size;
            st->comp_size = part.data.size();
            st->comp_method = ZIP_CM_DEFLATE;
            st->crc = part.crc;
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_ERROR:
            return 2 * sizeof(int);
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                                  ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
        case ZIP_SOURCE_CLOSE:
        case ZIP_SOURCE_FREE:
            return 0;
        default:
            return -1;
        }
    };
    auto& kept = m_packed.emplace_back(std::move(packed), 0);
    AddSource(name, zip_source_function(m_pZip, callback, &kept), 0);
}

void PackageWriter::AddSource(const std::string& name, zip_source_t* source, int level) {
    if (!source) {
        Refuse(m_strPath, name, std::string("cannot be written: ") + zip_strerror(m_pZip));
    }
    const zip_int64_t index = zip_file_add(m_pZip, name.c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        Refuse(m_strPath, name, std::string("cannot be written: ") + zip_strerror(m_pZip));
    }
    const auto at = static_cast<zip_uint64_t>(index);
    static const time_t fixedTime = FixedEntryTime();
    if (zip_file_set_mtime(m_pZip, at, fixedTime, 0) != 0 ||
        (level > 0 && zip_set_file_compression(m_pZip, at, ZIP_CM_DEFLATE, static_cast<zip_uint32_t>(level)) != 0)) {
        Refuse(m_strPath, name, std::string("cannot be written: ") + zip_strerror(m_pZip));
    }
}

void PackageWriter::Close() {
    if (zip_close(m_pZip) != 0) {
        const std::string text = zip_strerror(m_pZip);
        Refuse(m_strPath, "", "cannot be written: " + text);
    }
    m_pZip = nullptr;
    m_data.clear();
    m_packed.clear();
}

} // namespace vantor::xlsx
