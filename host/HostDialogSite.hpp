#pragma once
#include "vantor/framework/DialogSite.hpp"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace vantor::host {

// The typed site of a dialog-style page: it records each EndDialog, and
// shows the host's dialogs through `onShowDialog` when the host has them.
class HostDialogSite : public DialogSite {
public:
    using ShowDialogHandler = std::function<int32_t(const std::string&, const Variant&)>;

    explicit HostDialogSite(std::function<void(int32_t)> onEnd = {},
                            ShowDialogHandler onShowDialog = {})
        : m_onEnd(std::move(onEnd)), m_onShowDialog(std::move(onShowDialog)) {}

    void EndDialog(int32_t result, Variant& answer) override {
        m_calls.emplace_back(result, answer);
        if (m_onEnd) {
            m_onEnd(result);
        }
    }

    int32_t ShowDialog(const std::string& name, const Variant& target) override {
        return m_onShowDialog ? m_onShowDialog(name, target) : DialogSite::ShowDialog(name, target);
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
    ShowDialogHandler m_onShowDialog;
    std::vector<std::pair<int32_t, Variant>> m_calls;
    size_t m_nTaken = 0;
};

} // namespace vantor::host
