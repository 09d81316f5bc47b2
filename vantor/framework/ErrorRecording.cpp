#include "vantor/framework/ErrorRecording.hpp"

namespace vantor {

namespace {
// Pages live on their host's user-interface thread: one recording a thread.
thread_local PageError* tInto = nullptr;
} // namespace

ErrorRecording::ErrorRecording(PageError& into, bool startsOperation) noexcept : m_pPrevious(tInto) {
    if (startsOperation && tInto != &into) {
        into = PageError{};
    }
    tInto = &into;
}

ErrorRecording::~ErrorRecording() { tInto = m_pPrevious; }

void ErrorRecording::Record(const std::string& tag, int number, const std::string& description) noexcept {
    if (tInto == nullptr) {
        return;
    }
    try {
        *tInto = PageError{number, description, tag};
    } catch (...) {
        // Out of memory while copying the texts: the number alone is kept.
        tInto->number = number;
    }
}

} // namespace vantor
