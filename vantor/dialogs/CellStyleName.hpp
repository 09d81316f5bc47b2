#pragma once
#include "vantor/ui/CommandButton.hpp"
#include "vantor/ui/Form.hpp"
#include "vantor/ui/TextBox.hpp"

namespace vantor {

// The small modal form that asks for the name of a new cell style.
class CellStyleName : public Form {
public:
    CellStyleName();

    static constexpr const char* DefaultName = "Style 1";

    // True when the form was closed other than by OK.
    bool Cancelled() const { return m_bCancelled; }

    const std::shared_ptr<TextBox> txtStyleName =
        Add<TextBox>("txtStyleName", {120, 120, 3375, 285});
    const std::shared_ptr<CommandButton> cmdOK =
        Add<CommandButton>("cmdOK", {1080, 540, 1155, 375}, "OK");
    const std::shared_ptr<CommandButton> cmdCancel =
        Add<CommandButton>("cmdCancel", {2340, 540, 1155, 375}, "Cancel");

protected:
    // Focus on the name, all of it selected, so that typing replaces it.
    void OnLoad() override;

private:
    bool m_bCancelled = false;
};

} // namespace vantor
