#include "host/PageSite.hpp"

namespace vantor::host {

int PageSite::TakeModified() {
    const int since = m_nModified - m_nTaken;
    m_nTaken = m_nModified;
    return since;
}

const MemberTable<PageSite>& PageSite::Members() {
    static const MemberTable<PageSite> table = [] {
        MemberTable<PageSite> t;
        t.Method("SetModified", [](PageSite& site, auto) {
            ++site.m_nModified;
            if (site.m_onModified) {
                site.m_onModified();
            }
            return Variant();
        });
        return t;
    }();
    return table;
}

} // namespace vantor::host
