#pragma once
#include "vantor/controls/FontPreview.hpp"

#include <QWidget>

#include <memory>

namespace vantor::qt {

class QtSurface;

// Paints a page's FontPreview. The page's control draws on the surface it
// was made with; this peer runs the same control over a QtSurface, given the
// page control's text, alignments, colours, border and font each time it
// paints.
class FontPreviewPeer : public QWidget {
public:
    FontPreviewPeer(FontPreview& control, double dpi, QWidget* parent);
    ~FontPreviewPeer() override;

    // The surface of the last paint, for tests.
    const QtSurface& Surface() const { return *m_pSurface; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Mirror();

    FontPreview& m_control;
    std::shared_ptr<QtSurface> m_pSurface;
    std::shared_ptr<FontPreview> m_pPainted;
};

} // namespace vantor::qt
