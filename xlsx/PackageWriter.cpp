#include "xlsx/PackageWriter.hpp"

#include "xlsx/Refusal.hpp"

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
    zip_source_t* source = zip_source_buffer(m_pZip, kept.data(), kept.size(), 0);
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
        zip_set_file_compression(m_pZip, at, ZIP_CM_DEFLATE, fast ? 1 : 6) != 0) {
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
}

} // namespace vantor::xlsx
