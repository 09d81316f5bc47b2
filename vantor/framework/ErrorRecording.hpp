#pragma once
#include "vantor/Export.h"
#include "vantor/framework/PageError.hpp"

#include <string>

namespace vantor {

// While it lives, each error that ReportError logs on this thread is also
// kept in `into`, so that a page can answer LastError. A recording that
// starts an operation clears `into` first, unless it is nested in a recording
// into the same place (SetTargets loading through OnReset); one nested in
// another page's operation (a dialog shown from a handler) keeps its own.
class VANTOR_API ErrorRecording {
public:
    explicit ErrorRecording(PageError& into, bool startsOperation = true) noexcept;
    ~ErrorRecording();
    ErrorRecording(const ErrorRecording&) = delete;
    ErrorRecording& operator=(const ErrorRecording&) = delete;

    // Called by ReportError for each error it logs.
    static void Record(const std::string& tag, int number, const std::string& description) noexcept;

private:
    PageError* m_pPrevious;
};

} // namespace vantor
