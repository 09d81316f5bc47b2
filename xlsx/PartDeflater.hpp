#pragma once
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vantor::xlsx {

// Packs a large part with deflate while its text is still being written: the
// text comes in pieces, a second thread packs them as they come, and at the
// end the writing thread packs whatever is left beside it. Each piece is
// packed on its own and ends on a byte boundary, so the packed pieces joined
// make one deflate stream.
class PartDeflater {
public:
    struct Packed {
        std::string data; // raw deflate data
        uint64_t size = 0; // of the text
        uint32_t crc = 0;  // of the text
    };

    PartDeflater();
    ~PartDeflater();
    PartDeflater(const PartDeflater&) = delete;
    PartDeflater& operator=(const PartDeflater&) = delete;

    void Add(std::string piece);
    // Waits for every piece; throws std::bad_alloc when one could not be packed.
    Packed Finish();

private:
    struct Piece {
        std::string text; // freed once packed
        uint64_t size = 0;
        std::string packed;
        uint32_t crc = 0;
        bool done = false;
        bool failed = false;
    };
    void Work();
    // Packs the next waiting piece through the buffer; false when none waits.
    bool PackNext(std::unique_lock<std::mutex>& lock, std::vector<uint8_t>& buffer);

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Piece> m_pieces; // stable addresses while pieces are added
    size_t m_next = 0;          // the first piece nobody packs yet
    bool m_bClosing = false;
    std::thread m_worker;
};

} // namespace vantor::xlsx
