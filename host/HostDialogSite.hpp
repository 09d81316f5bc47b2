#pragma once
#include "vantor/framework/DialogSite.hpp"

#include <functional>
#include <utility>
#include <vector>

namespace vantor::host {

// The typed site of a dialog-style page: it records each EndDialog.
class HostDialogSite : public DialogSite {
public:
    explicit HostDialogSite(std::function<void(int32_t)> onEnd = {}) : m_onEnd(std::move(onEnd)) {}

    void EndDialog(int32_t result, Variant& answer) override {
        m_calls.emplace_back(result, answer);
        if (m_onEnd) {
            m_onEnd(result);
        }
    }

    const std::vector<std::pair<int32_t, Variant>>& Calls() const { return m_calls; }
    // The calls since the last time this was asked.
    std::vector<std::pair<int32_t, Variant>> TakeCalls() {
        std::vector<std::pair<int32_t, Variant>> since(
            m_calls.begin() + static_cast<long>(m_nTaken), m_calls.end());
        m_nTaken = m_calls.size();
        return since;
    }

private:
    std::function<void(int32_t)> m_onEnd;
    std::vector<std::pair<int32_t, Variant>> m_calls;
    size_t m_nTaken = 0;
};

} // namespace vantor::host
