#include "model/ColumnStyles.hpp"

#include "model/StyleTable.hpp"

namespace vantor::model {

ColumnStyles::ColumnStyles(std::shared_ptr<StyleTable> table, RunList<uint32_t> runs)
    : m_pTable(std::move(table)), m_runs(std::move(runs)) {
    m_pTable->Register(this);
}

ColumnStyles::~ColumnStyles() {
    m_pTable->Unregister(this);
}

} // namespace vantor::model
