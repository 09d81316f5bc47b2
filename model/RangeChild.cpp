#include "model/RangeChild.hpp"

#include "model/Range.hpp"

namespace vantor::model {

RangeChild::RangeChild(std::shared_ptr<Range> range) : m_pRange(std::move(range)) {}

std::string RangeChild::DisplayName() const {
    return TypeName() + "(" + m_pRange->Where() + ")";
}

Variant RangeChild::Read(Field field, const std::function<Variant(const Style&)>& value) const {
    return m_pRange->Read(field, value);
}

void RangeChild::Stage(Field field, const std::function<void(Style&)>& set) const {
    m_pRange->Stage(field, set);
}

} // namespace vantor::model
