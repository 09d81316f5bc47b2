#include "xlsx/PartDeflater.hpp"

#include <algorithm>
#include <new>
#include <zlib.h>

namespace vantor::xlsx {

namespace {

// The quickest level: a part this large is mostly repeated markup.
constexpr int kLevel = 1;

// Raw deflate of one piece, ended by a sync flush; false when zlib fails.
bool Pack(const std::string& text, std::string& out) {
    z_stream z{};
    if (deflateInit2(&z, kLevel, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        return false;
    }
    out.resize(deflateBound(&z, text.size()) + 16);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    // zlib counts in 32 bits: the text goes in slices.
    constexpr size_t kSlice = size_t{1} << 30;
    size_t left = text.size();
    int result = Z_OK;
    do {
        const size_t slice = std::min(left, kSlice);
        left -= slice;
        z.avail_in = static_cast<uInt>(slice);
        z.avail_out = static_cast<uInt>(std::min<size_t>(out.size() - z.total_out, kSlice * 2));
        result = deflate(&z, left == 0 ? Z_SYNC_FLUSH : Z_NO_FLUSH);
    } while (result == Z_OK && z.avail_in == 0 && left > 0);
    const bool ok = result == Z_OK && z.avail_in == 0;
    out.resize(z.total_out);
    deflateEnd(&z);
    return ok;
}

} // namespace

PartDeflater::PartDeflater() : m_worker([this] { Work(); }) {}

PartDeflater::~PartDeflater() {
    {
        const std::lock_guard lock(m_mutex);
        m_bClosing = true;
    }
    m_changed.notify_all();
    m_worker.join();
}

void PartDeflater::Add(std::string piece) {
    if (piece.empty()) {
        return;
    }
    {
        const std::lock_guard lock(m_mutex);
        m_pieces.emplace_back().text = std::move(piece);
    }
    m_changed.notify_all();
}

bool PartDeflater::PackNext(std::unique_lock<std::mutex>& lock) {
    if (m_next == m_pieces.size()) {
        return false;
    }
    Piece& piece = m_pieces[m_next++];
    lock.unlock();
    const bool ok = Pack(piece.text, piece.packed);
    piece.crc = static_cast<uint32_t>(crc32_z(0, reinterpret_cast<const Bytef*>(piece.text.data()), piece.text.size()));
    lock.lock();
    piece.failed = !ok;
    piece.done = true;
    m_changed.notify_all();
    return true;
}

void PartDeflater::Work() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_bClosing || m_next < m_pieces.size(); });
        if (m_bClosing) {
            return;
        }
        PackNext(lock);
    }
}

PartDeflater::Packed PartDeflater::Finish() {
    std::unique_lock lock(m_mutex);
    while (PackNext(lock)) {
    }
    m_changed.wait(lock, [this] {
        for (const Piece& p : m_pieces) {
            if (!p.done) {
                return false;
            }
        }
        return true;
    });
    Packed out;
    size_t total = 2;
    for (const Piece& p : m_pieces) {
        total += p.packed.size();
    }
    out.data.reserve(total);
    for (Piece& p : m_pieces) {
        if (p.failed) {
            throw std::bad_alloc();
        }
        out.data += p.packed;
        out.crc = static_cast<uint32_t>(crc32_combine(out.crc, p.crc, static_cast<z_off_t>(p.text.size())));
        out.size += p.text.size();
        p = Piece{};
    }
    // An empty last block ends the stream.
    out.data += std::string("\x03\x00", 2);
    m_pieces.clear();
    m_next = 0;
    return out;
}

} // namespace vantor::xlsx
