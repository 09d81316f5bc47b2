#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace vantor::model {

// One change, with what takes it back and what makes it again.
struct UndoChange {
    std::function<void()> undo;
    std::function<void()> redo;
};

// The application's undo and redo steps. Changes made inside a group form
// one step; a change made outside any group is not a step, and since the
// older steps would no longer fit the state it leaves, it clears the history.
class UndoHistory {
public:
    void BeginGroup(std::string name);
    void EndGroup();
    bool InGroup() const { return m_depth > 0; }

    void Record(UndoChange change);

    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }
    // Names of the steps, the next one first.
    std::vector<std::string> UndoNames() const;
    std::vector<std::string> RedoNames() const;
    void Undo();
    void Redo();

    bool Enabled() const { return m_bEnabled; }
    void SetEnabled(bool enabled);
    int32_t MaxSteps() const { return m_nMaxSteps; }
    void SetMaxSteps(int32_t steps);

    void Clear();

private:
    struct Step {
        std::string name;
        std::vector<UndoChange> changes;
    };
    void Trim();

    std::deque<Step> m_undo; // oldest first
    std::vector<Step> m_redo;
    Step m_open;
    int m_depth = 0;
    bool m_bEnabled = true;
    // Whether the open group is recorded: undo was on when it began and has
    // stayed on, so that its step holds the whole of it.
    bool m_bRecording = true;
    int32_t m_nMaxSteps = 16;
};

} // namespace vantor::model
