#pragma once
#include "vantor/Export.h"
#include "vantor/controls/DrawingSurface.hpp"

#include <vector>

namespace vantor {

// A headless drawing surface that keeps what is drawn on it, so that the
// positions of a drawing can be checked exactly. Its scale unit is the twip.
// Text is measured by a fixed rule: every character is half an em wide and
// a line is one em high (an em being the font size, 20 twips a point).
class VANTOR_API RecordingSurface : public DrawingSurface {
public:
    // One line of text as it was drawn.
    struct PrintedLine {
        std::string text;
        float x = 0;
        float y = 0;
        FontAttributes font;
        int32_t foreColor = 0;
        int32_t backColor = 0;
        bool transparent = false;
    };

    // The width of a single-line border, in twips.
    static constexpr float BorderWidth = 15.0f;

    void Resize(int32_t width, int32_t height) override;
    float ScaleWidth() const override;
    float ScaleHeight() const override;

    void Clear() override;
    float TextWidth(const std::string& text) const override;
    float TextHeight(const std::string& text) const override;
    void Print(const std::string& text) override;

    // What the surface shows: the lines drawn since the last clear (an empty
    // text draws nothing), and how often it was cleared.
    const std::vector<PrintedLine>& Lines() const { return m_lines; }
    int Clears() const { return m_nClears; }

private:
    int32_t m_lWidth = 0;
    int32_t m_lHeight = 0;
    std::vector<PrintedLine> m_lines;
    int m_nClears = 0;
};

} // namespace vantor
