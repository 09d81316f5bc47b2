#pragma once
#include "vantor/Export.h"
#include "vantor/framework/ClassTable.hpp"

namespace vantor {

// What DllGetClassObject hands out: the factory of one class.
class VANTOR_API ClassFactory {
public:
    explicit ClassFactory(const ClassInfo& info) : m_info(info) {}
    const ClassInfo& Info() const { return m_info; }
    // 429 while the class is not built.
    std::shared_ptr<LibraryObject> CreateInstance() const { return ClassTable::Create(m_info.classId); }

private:
    const ClassInfo& m_info;
};

} // namespace vantor
