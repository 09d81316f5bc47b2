#pragma once
#include "model/Style.hpp"
#include "vantor/automation/Object.hpp"

#include <functional>
#include <memory>
#include <string>

namespace vantor::model {

class Range;

// Base of the objects a range hands out for its cells ("Font", "Interior", a
// border, "Comment", "Control"). Each is named after the range in traces, and
// reads and stages the style fields of the range's cells through it.
class RangeChild : public Object {
public:
    explicit RangeChild(std::shared_ptr<Range> range);

    // "Font(Sheet1!A1:C3)".
    std::string DisplayName() const override;

    // A field over the range's cells: its value, or Null where the cells differ.
    Variant Read(Field field, const std::function<Variant(const Style&)>& value) const;
    // Stages a write of a field of the range's cells, taking effect at "Apply".
    void Stage(Field field, const std::function<void(Style&)>& set) const;

protected:
    std::shared_ptr<Range> m_pRange;
};

} // namespace vantor::model
