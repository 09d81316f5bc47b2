#include "vantor/dialogs/SheetChoice.hpp"

#include "vantor/framework/ErrorRecording.hpp"
#include "vantor/framework/GlobalFunction.hpp"

namespace vantor {

SheetChoice::SheetChoice() : DialogPage("Choose Sheet", {0, 0, 4875, 3015}) {
    cmdOK->SetDefault(true);
    cmdCancel->SetCancel(true);
    lstSheets->On(ev::Click, [this](EventArgs&) { ShowChosenSheet(); });
    cmdOK->On(ev::Click, [this](EventArgs&) {
        ErrorTrap trap;
        // Without a workbook there is no name to give: the answer is the usual Long 0.
        trap([&] {
            EndDialog(DialogSite::ResultOk, picPreview->Sheet() ? picPreview->Sheet().Get("Name")
                                                                : Variant(int32_t{0}));
        });
        CheckError("", trap);
    });
    cmdCancel->On(ev::Click, [this](EventArgs&) { EndDialog(DialogSite::ResultCancel); });
}

int32_t SheetChoice::SetParam(const Variant& vtParam) noexcept {
    const ErrorRecording recording(m_lastError);
    DialogPage::SetParam(vtParam);
    ErrorTrap trap;
    trap([&] {
        lstSheets->Clear();
        m_sheets.clear();
        picPreview->SetSheet(nullptr);
        const ObjectRef book = vtParam.ToObject();
        const Variant active = book.Get("ActiveSheet");
        int32_t chosen = 0;
        for (const Variant& item : book.Get("Worksheets").ToObject().Enumerate()) {
            const ObjectRef sheet = item.ToObject();
            const std::string name = sheet.Get("Name").ToString();
            lstSheets->AddItem(sheet.Get("Visible").ToBool() ? name : name + HiddenMark,
                               static_cast<int32_t>(m_sheets.size()));
            if (active.IsObject() && active.ToObject() == sheet) {
                chosen = static_cast<int32_t>(m_sheets.size());
            }
            m_sheets.push_back(sheet);
        }
        if (!m_sheets.empty()) {
            lstSheets->SetListIndex(chosen);
        }
    });
    CheckError("", trap);
    return 0;
}

void SheetChoice::ShowChosenSheet() {
    const int32_t index = lstSheets->ListIndex();
    const bool chosen = index >= 0 && static_cast<size_t>(index) < m_sheets.size();
    picPreview->SetSheet(chosen ? m_sheets[static_cast<size_t>(index)] : ObjectRef());
}

} // namespace vantor
