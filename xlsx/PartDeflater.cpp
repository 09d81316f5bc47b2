#include "xlsx/PartDeflater.hpp"

#include <algorithm>
#include <new>
#include <isa-l/igzip_lib.h>
#include <zlib.h>

namespace vantor::xlsx {

namespace {

// Raw deflate of one piece, ended by a sync flush, through the packing
// thread's buffer (grown, not cleared again, so its pages are touched once);
// false when it does not fit the buffer. The fast level of ISA-L: a part this
// large is mostly repeated markup, and packing it must keep up with writing it.
bool Pack(const std::string& text, std::string& out, std::vector<uint8_t>& buffer) {
    // Room for data that does not pack at all, with the blocks' headers.
    const size_t bound = text.size() + text.size() / 8 + (size_t{64} << 10);
    std::vector<uint8_t> levelBuffer(ISAL_DEF_LVL1_DEFAULT);
    if (buffer.size() < bound) {
        buffer.resize(bound);
    }
    isal_zstream z;
    isal_deflate_init(&z);
    z.level = 1;
    z.level_buf = levelBuffer.data();
    z.level_buf_size = static_cast<uint32_t>(levelBuffer.size());
    z.flush = SYNC_FLUSH;
    z.next_out = buffer.data();
    // ISA-L counts in 32 bits: the text goes in slices.
    constexpr size_t kSlice = size_t{1} << 30;
    size_t done = 0;
    size_t written = 0;
    do {
        const size_t slice = std::min(text.size() - done, kSlice);
        z.next_in = reinterpret_cast<uint8_t*>(const_cast<char*>(text.data() + done));
        z.avail_in = static_cast<uint32_t>(slice);
        z.avail_out = static_cast<uint32_t>(std::min(bound - written, kSlice * 2));
        const uint8_t* start = z.next_out;
        if (isal_deflate(&z) != COMP_OK || z.avail_in != 0) {
            return false;
        }
        written += static_cast<size_t>(z.next_out - start);
        done += slice;
    } while (done < text.size());
    out.assign(reinterpret_cast<const char*>(buffer.data()), written);
    return true;
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

bool PartDeflater::PackNext(std::unique_lock<std::mutex>& lock, std::vector<uint8_t>& buffer) {
    if (m_next == m_pieces.size()) {
        return false;
    }
    Piece& piece = m_pieces[m_next++];
    lock.unlock();
    const bool ok = Pack(piece.text, piece.packed, buffer);
    piece.crc = static_cast<uint32_t>(crc32_z(0, reinterpret_cast<const Bytef*>(piece.text.data()), piece.text.size()));
    piece.size = piece.text.size();
    std::string().swap(piece.text);
    lock.lock();
    piece.failed = !ok;
    piece.done = true;
    m_changed.notify_all();
    return true;
}

void PartDeflater::Work() {
    std::vector<uint8_t> buffer;
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_bClosing || m_next < m_pieces.size(); });
        if (m_bClosing) {
            return;
        }
        PackNext(lock, buffer);
    }
}

PartDeflater::Packed PartDeflater::Finish() {
    std::vector<uint8_t> buffer;
    std::unique_lock lock(m_mutex);
    while (PackNext(lock, buffer)) {
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
        out.crc = static_cast<uint32_t>(crc32_combine(out.crc, p.crc, static_cast<z_off_t>(p.size)));
        out.size += p.size;
        p = Piece{};
    }
    // An empty last block ends the stream.
    out.data += std::string("\x03\x00", 2);
    m_pieces.clear();
    m_next = 0;
    return out;
}

} // namespace vantor::xlsx
