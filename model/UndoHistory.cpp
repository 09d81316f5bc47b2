#include "model/UndoHistory.hpp"

#include "vantor/automation/AutomationError.hpp"

namespace vantor::model {

void UndoHistory::BeginGroup(std::string name) {
    if (m_depth++ == 0) {
        m_open = Step{std::move(name), {}};
        m_bRecording = m_bEnabled;
    }
}

void UndoHistory::EndGroup() {
    if (m_depth == 0) {
        throw AutomationError(err::ApplicationDefined, "No undo group is open");
    }
    if (--m_depth > 0) {
        return;
    }
    if (m_bRecording && !m_open.changes.empty()) {
        m_undo.push_back(std::move(m_open));
        m_redo.clear();
        Trim();
    }
    m_open = Step{};
}

void UndoHistory::Record(UndoChange change) {
    if (m_depth > 0) {
        if (m_bRecording) {
            m_open.changes.push_back(std::move(change));
        }
    } else {
        Clear();
    }
}

std::vector<std::string> UndoHistory::UndoNames() const {
    std::vector<std::string> names;
    for (auto it = m_undo.rbegin(); it != m_undo.rend(); ++it) {
        names.push_back(it->name);
    }
    return names;
}

std::vector<std::string> UndoHistory::RedoNames() const {
    std::vector<std::string> names;
    for (auto it = m_redo.rbegin(); it != m_redo.rend(); ++it) {
        names.push_back(it->name);
    }
    return names;
}

void UndoHistory::Undo() {
    if (m_depth > 0) {
        throw AutomationError(err::ApplicationDefined, "Cannot undo while changes are being made");
    }
    if (m_undo.empty()) {
        throw AutomationError(err::ApplicationDefined, "There is nothing to undo");
    }
    Step step = std::move(m_undo.back());
    m_undo.pop_back();
    for (auto it = step.changes.rbegin(); it != step.changes.rend(); ++it) {
        it->undo();
    }
    m_redo.push_back(std::move(step));
}

void UndoHistory::Redo() {
    if (m_depth > 0) {
        throw AutomationError(err::ApplicationDefined, "Cannot redo while changes are being made");
    }
    if (m_redo.empty()) {
        throw AutomationError(err::ApplicationDefined, "There is nothing to redo");
    }
    Step step = std::move(m_redo.back());
    m_redo.pop_back();
    for (auto& change : step.changes) {
        change.redo();
    }
    m_undo.push_back(std::move(step));
    Trim(); // UndoMaxNum may have been lowered since the step was undone
}

void UndoHistory::SetEnabled(bool enabled) {
    m_bEnabled = enabled;
    if (!enabled) {
        Clear();
        m_bRecording = false;
    }
}

void UndoHistory::SetMaxSteps(int32_t steps) {
    m_nMaxSteps = steps;
    Trim();
}

void UndoHistory::Clear() {
    m_undo.clear();
    m_redo.clear();
    m_open.changes.clear();
}

void UndoHistory::Trim() {
    while (m_undo.size() > static_cast<size_t>(m_nMaxSteps)) {
        m_undo.pop_front();
    }
}

} // namespace vantor::model
