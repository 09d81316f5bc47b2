#include "xlsx/PackageReader.hpp"

#include "xlsx/Refusal.hpp"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <zip.h>

namespace vantor::xlsx {

namespace {

struct FileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

} // namespace

PackageReader::PackageReader(std::string path) : m_strPath(std::move(path)) {
    int code = 0;
    m_pZip = zip_open(m_strPath.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!m_pZip) {
        switch (code) {
        case ZIP_ER_NOENT:
            Refuse(m_strPath, "", "no such file");
        case ZIP_ER_NOZIP:
            Refuse(m_strPath, "", "not a workbook (not a zip package)");
        case ZIP_ER_INCONS:
        case ZIP_ER_CRC:
            Refuse(m_strPath, "", "damaged package (its zip directory is inconsistent)");
        default: {
            zip_error_t error;
            zip_error_init_with_code(&error, code);
            const std::string text = zip_error_strerror(&error);
            zip_error_fini(&error);
            Refuse(m_strPath, "", "cannot be read as a package: " + text);
        }
        }
    }
    const zip_int64_t count = zip_get_num_entries(m_pZip, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(m_pZip, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
        m_names.emplace_back(name ? name : "");
    }
}

PackageReader::~PackageReader() {
    if (m_pZip) {
        zip_discard(m_pZip);
    }
}

int64_t PackageReader::IndexOf(const std::string& name) const {
    return zip_name_locate(m_pZip, name.c_str(), ZIP_FL_NOCASE | ZIP_FL_ENC_GUESS);
}

std::string PackageReader::Find(const std::string& name) const {
    const int64_t index = IndexOf(name);
    return index < 0 ? std::string() : m_names[static_cast<size_t>(index)];
}

uint64_t PackageReader::DeclaredSize(const std::string& name) const {
    zip_stat_t st;
    const int64_t index = IndexOf(name);
    if (index < 0 || zip_stat_index(m_pZip, static_cast<zip_uint64_t>(index), 0, &st) != 0) {
        Refuse(m_strPath, name, "missing part");
    }
    return st.size;
}

void PackageReader::Stream(const std::string& name, size_t pieceSize,
                           const std::function<void(std::string_view)>& sink) const {
    const int64_t index = IndexOf(name);
    zip_stat_t st;
    if (index < 0 || zip_stat_index(m_pZip, static_cast<zip_uint64_t>(index), 0, &st) != 0) {
        Refuse(m_strPath, name, "missing part");
    }
    if (st.size > kMaxPartSize ||
        (st.size > kRatioCheckedAbove && st.size / std::max<uint64_t>(st.comp_size, 1) > kMaxRatio)) {
        Refuse(m_strPath, name,
               "unpacks to " + std::to_string(st.size) + " bytes from " +
                   std::to_string(st.comp_size) + ", beyond what a workbook part may (a zip bomb?)");
    }
    std::unique_ptr<zip_file_t, FileCloser> file(
        zip_fopen_index(m_pZip, static_cast<zip_uint64_t>(index), 0));
    if (!file) {
        Refuse(m_strPath, name, std::string("cannot be unpacked: ") + zip_strerror(m_pZip));
    }
    // No larger than the part (and one byte to see data beyond it): most parts are small.
    const size_t size = static_cast<size_t>(std::min<uint64_t>(pieceSize, st.size + 1));
    uint64_t total = 0;
    // The next piece into `piece` (empty at the end); what is wrong, or "".
    auto next = [&](std::string& piece) -> std::string {
        piece.resize(size);
        const zip_int64_t n = zip_fread(file.get(), piece.data(), piece.size());
        if (n < 0) {
            return std::string("damaged data: ") + zip_error_strerror(zip_file_get_error(file.get()));
        }
        piece.resize(static_cast<size_t>(n));
        total += static_cast<uint64_t>(n);
        // The declared size bounds what is unpacked, whatever the data says.
        if (total > st.size) {
            return "damaged data: more than its declared size";
        }
        if (n == 0 && total != st.size) {
            return "damaged data: shorter than its declared size";
        }
        return "";
    };
    if (st.size < pieceSize * 2) {
        std::string piece;
        for (;;) {
            if (const std::string wrong = next(piece); !wrong.empty()) {
                Refuse(m_strPath, name, wrong);
            }
            if (piece.empty()) {
                return;
            }
            sink(piece);
        }
    }
    // A large part is unpacked on a second thread while the pieces before are read.
    struct Shared {
        std::mutex mutex;
        std::condition_variable changed;
        std::deque<std::string> ready;
        std::vector<std::string> spare; // pieces read, whose memory is used again
        std::string wrong;
        bool end = false;
        bool stop = false;
    } shared;
    std::thread unpacker([&shared, &next] {
        for (;;) {
            std::string piece;
            {
                const std::lock_guard lock(shared.mutex);
                if (!shared.spare.empty()) {
                    piece = std::move(shared.spare.back());
                    shared.spare.pop_back();
                }
            }
            std::string wrong = next(piece);
            std::unique_lock lock(shared.mutex);
            shared.changed.wait(lock, [&shared] { return shared.stop || shared.ready.size() < 2; });
            if (shared.stop) {
                return;
            }
            if (!wrong.empty() || piece.empty()) {
                shared.wrong = std::move(wrong);
                shared.end = true;
                shared.changed.notify_all();
                return;
            }
            shared.ready.push_back(std::move(piece));
            shared.changed.notify_all();
        }
    });
    // Stops the unpacker however the reading ends.
    const std::unique_ptr<std::thread, std::function<void(std::thread*)>> joined(&unpacker, [&shared](std::thread* t) {
        {
            const std::lock_guard lock(shared.mutex);
            shared.stop = true;
        }
        shared.changed.notify_all();
        t->join();
    });
    for (;;) {
        std::unique_lock lock(shared.mutex);
        shared.changed.wait(lock, [&shared] { return shared.end || !shared.ready.empty(); });
        if (shared.ready.empty()) {
            if (!shared.wrong.empty()) {
                Refuse(m_strPath, name, shared.wrong);
            }
            return;
        }
        std::string piece = std::move(shared.ready.front());
        shared.ready.pop_front();
        shared.changed.notify_all();
        lock.unlock();
        sink(piece);
        lock.lock();
        shared.spare.push_back(std::move(piece));
    }
}

std::string PackageReader::Read(const std::string& name) const {
    std::string data;
    data.reserve(static_cast<size_t>(std::min<uint64_t>(DeclaredSize(name), kRatioCheckedAbove)));
    Stream(name, 1 << 20, [&](std::string_view piece) { data.append(piece); });
    return data;
}

} // namespace vantor::xlsx
