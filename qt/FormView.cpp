#include "qt/FormView.hpp"

#include "qt/CheckBoxPeer.hpp"
#include "qt/ColorSelBoxPeer.hpp"
#include "qt/ComboBoxPeer.hpp"
#include "qt/CommandButtonPeer.hpp"
#include "qt/CompartLinePeer.hpp"
#include "qt/FontPreviewPeer.hpp"
#include "qt/FramePeer.hpp"
#include "qt/LabelPeer.hpp"
#include "qt/LineStylePeer.hpp"
#include "qt/ListBoxPeer.hpp"
#include "qt/NumberEditPeer.hpp"
#include "qt/OptionButtonPeer.hpp"
#include "qt/PictureBoxPeer.hpp"
#include "qt/QvFrameStylePeer.hpp"
#include "qt/TextBoxPeer.hpp"
#include "qt/ToggleButtonPeer.hpp"
#include "qt/Twips.hpp"

#include <cctype>

namespace vantor::qt {

namespace {

std::string Key(const std::string& name) {
    std::string key = name;
    for (char& c : key) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return key;
}

} // namespace

FormView::FormView(Form& form, double dpi, QWidget* parent)
    : QWidget(parent), m_form(form), m_dDpi(dpi) {
    // The designs are measured for the classic 8-point dialog font.
    setFont(DialogFont());
    // Frames first, so that the controls they contain have a parent and
    // frames lie below what sits on them.
    for (int pass = 0; pass < 2; ++pass) {
        for (const auto& control : form.Controls()) {
            const bool isFrame = dynamic_cast<Frame*>(control.get()) != nullptr;
            if (isFrame != (pass == 0)) {
                continue;
            }
            QWidget* parentWidget = this;
            if (!control->Container().empty()) {
                if (QWidget* frame = Peer(control->Container())) {
                    parentWidget = frame;
                }
            }
            if (QWidget* peer = CreatePeer(*control, parentWidget)) {
                m_peers[Key(control->Name())] = peer;
            }
        }
    }
    resize(sizeHint());
}

QFont FormView::DialogFont() {
    QFont font("Liberation Sans");
    font.setPointSizeF(8.0);
    return font;
}

QWidget* FormView::Peer(const std::string& name) const {
    const auto it = m_peers.find(Key(name));
    return it == m_peers.end() ? nullptr : it->second;
}

QSize FormView::sizeHint() const {
    QRect r = TwipsToPixels(Rect{0, 0, m_form.Size().width, m_form.Size().height}, m_dDpi);
    // A control that reaches past the design's edge still shows whole.
    for (const auto& [name, peer] : m_peers) {
        if (peer->parentWidget() == this) {
            r = r.united(peer->geometry());
        }
    }
    return r.size();
}

QWidget* FormView::CreatePeer(Control& control, QWidget* parent) {
    if (auto* c = dynamic_cast<CheckBox*>(&control)) {
        if (c->PushButtonStyle()) {
            return new ToggleButtonPeer(*c, m_dDpi, parent);
        }
        return new CheckBoxPeer(*c, m_dDpi, parent);
    }
    if (auto* c = dynamic_cast<OptionButton*>(&control)) {
        return new OptionButtonPeer(*c, m_dDpi, parent);
    }
    if (auto* c = dynamic_cast<ComboBox*>(&control)) {
        return new ComboBoxPeer(*c, m_dDpi, parent);
    }
    if (auto* c = dynamic_cast<ListBox*>(&control)) {
        return new ListBoxPeer(*c, m_dDpi, parent);
    }
    if (auto* c = dynamic_cast<TextBox*>(&control)) {
        return new TextBoxPeer(*c, m_dDpi, parent);
    }
    if (auto* c = dynamic_cast<Label*>(&control)) {
        return new LabelPeer(*c, m_dDpi, parent);
    }
    if (auto* c = dynamic_cast<Frame*>(&control)) {
        return new FramePeer(*c, m_dDpi, parent);
    }
    if (auto* c = dynamic_cast<CommandButton*>(&control)) {
        return new CommandButtonPeer(*c, m_dDpi, parent);
    }
    if (auto* c = dynamic_cast<PictureBox*>(&control)) {
        return new PictureBoxPeer(*c, m_dDpi, parent);
    }
    if (auto* c = dynamic_cast<NumberEdit*>(&control)) {
        return new NumberEditPeer(*c, m_dDpi, parent);
    }
    if (auto* c = dynamic_cast<ColorSelBox*>(&control)) {
        return new ColorSelBoxPeer(*c, m_dDpi, parent);
    }
    if (auto* c = dynamic_cast<LineStyle*>(&control)) {
        return new LineStylePeer(*c, m_dDpi, parent);
    }
    if (auto* c = dynamic_cast<QvFrameStyle*>(&control)) {
        return new QvFrameStylePeer(*c, m_dDpi, parent);
    }
    if (auto* c = dynamic_cast<CompartLine*>(&control)) {
        return new CompartLinePeer(*c, m_dDpi, parent);
    }
    if (auto* c = dynamic_cast<FontPreview*>(&control)) {
        return new FontPreviewPeer(*c, m_dDpi, parent);
    }
    return nullptr;
}

} // namespace vantor::qt
