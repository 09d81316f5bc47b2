#include "vantor/pages/book/SheetPropProtect.hpp"

namespace vantor {

SheetPropProtect::SheetPropProtect()
    : PropertyPage(LogTags::Word("Protect"), PageCounter::None, "Protection", {0, 0, 3375, 2055}) {
    chkHide->SetEnabled(false);
    chkLocked->SetEnabled(false);
    cmdChgPass->SetEnabled(false);
}

} // namespace vantor
