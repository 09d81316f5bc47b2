#pragma once
#include "vantor/Export.h"
#include <cstdint>
#include <string>
#include <vector>

namespace vantor {

// The items of a list box or combo box: a text and a 32-bit item data each,
// in insertion order (no list sorts).
class VANTOR_API ListItems {
public:
    struct Item {
        std::string text;
        int32_t data = 0;
    };

    int32_t Count() const { return static_cast<int32_t>(m_items.size()); }
    // Inserts at index (-1 appends); returns the new item's index. 5 for an
    // index beyond the end.
    int32_t Add(std::string text, int32_t index = -1);
    void Remove(int32_t index);
    void Clear() { m_items.clear(); }

    // 381 ("Invalid property array index") outside 0 .. Count-1.
    const std::string& Text(int32_t index) const;
    void SetText(int32_t index, std::string text);
    int32_t Data(int32_t index) const;
    void SetData(int32_t index, int32_t data);
    // The first item whose text is exactly this one, -1 when none.
    int32_t Find(const std::string& text) const;

private:
    void Check(int32_t index) const;

    std::vector<Item> m_items;
};

} // namespace vantor
