#include "vantor/ui/ListItems.hpp"

#include "vantor/automation/AutomationError.hpp"

namespace vantor {

int32_t ListItems::Add(std::string text, int32_t index) {
    if (index < -1 || index > Count()) {
        throw AutomationError(err::InvalidCall);
    }
    if (index == -1) {
        index = Count();
    }
    m_items.insert(m_items.begin() + index, Item{std::move(text), 0});
    return index;
}

void ListItems::Remove(int32_t index) {
    Check(index);
    m_items.erase(m_items.begin() + index);
}

void ListItems::Check(int32_t index) const {
    if (index < 0 || index >= Count()) {
        throw AutomationError(381, "Invalid property array index");
    }
}

const std::string& ListItems::Text(int32_t index) const {
    Check(index);
    return m_items[static_cast<size_t>(index)].text;
}

void ListItems::SetText(int32_t index, std::string text) {
    Check(index);
    m_items[static_cast<size_t>(index)].text = std::move(text);
}

int32_t ListItems::Data(int32_t index) const {
    Check(index);
    return m_items[static_cast<size_t>(index)].data;
}

void ListItems::SetData(int32_t index, int32_t data) {
    Check(index);
    m_items[static_cast<size_t>(index)].data = data;
}

int32_t ListItems::Find(const std::string& text) const {
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].text == text) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

} // namespace vantor
