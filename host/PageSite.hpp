#pragma once
#include "vantor/automation/MemberTable.hpp"

#include <functional>

namespace vantor::host {

// The site a page reports its changes to: it counts "SetModified" and tells
// its dialog that something changed.
class PageSite : public DispatchObject<PageSite> {
public:
    explicit PageSite(std::function<void()> onModified = {})
        : m_onModified(std::move(onModified)) {}

    static const MemberTable<PageSite>& Members();
    std::string TypeName() const override { return "PageSite"; }

    int Modified() const { return m_nModified; }
    // The calls since the last time this was asked.
    int TakeModified();

private:
    std::function<void()> m_onModified;
    int m_nModified = 0;
    int m_nTaken = 0;
};

} // namespace vantor::host
