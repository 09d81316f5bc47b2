#include "qt/FontPreviewPeer.hpp"

#include "qt/PeerBinding.hpp"
#include "qt/QtSurface.hpp"

#include <QPainter>

namespace vantor::qt {

FontPreviewPeer::FontPreviewPeer(FontPreview& control, double dpi, QWidget* parent)
    : QWidget(parent), m_control(control), m_pSurface(std::make_shared<QtSurface>(dpi, palette())),
      m_pPainted(std::make_shared<FontPreview>(control.Name(), control.Position(), m_pSurface)) {
    // The control tells its watchers whenever it redraws, which each of its
    // setters does.
    new PeerBinding(this, control, dpi, [this] { update(); });
}

FontPreviewPeer::~FontPreviewPeer() = default;

void FontPreviewPeer::Mirror() {
    const DrawingSurface& from = m_control.Surface();
    m_pPainted->Move(m_control.Position());
    m_pSurface->SetBackColor(from.BackColor());
    m_pSurface->SetForeColor(from.ForeColor());
    m_pSurface->SetBorderStyle(from.BorderStyle());
    m_pSurface->SetFontTransparent(from.FontTransparent());
    m_pSurface->SetFont(from.Font());
    // Without a painter the surface draws nothing while the state is copied.
    m_pPainted->SetText(m_control.Text());
    m_pPainted->SetHorizonAlign(m_control.HorizonAlign());
    m_pPainted->SetVerticalAlign(m_control.VerticalAlign());
}

void FontPreviewPeer::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter painter(this);
    try {
        Mirror();
        m_pSurface->Begin(&painter);
        m_pPainted->Paint();
    } catch (const AutomationError&) {
        // A state the surface refuses paints nothing more.
    }
    m_pSurface->End();
}

} // namespace vantor::qt
