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

template <typename Peer, typename Kind>
QWidget* Make(Control& control, double dpi, QWidget* parent) {
    return new Peer(static_cast<Kind&>(control), dpi, parent);
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
            const bool isFrame = control->Kind() == "Frame";
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
    // The peer of each kind of control; a kind names its class, so the cast
    // is exact.
    using Create = QWidget* (*)(Control&, double, QWidget*);
    static const std::map<std::string, Create> peers = {
        {"CheckBox",
         [](Control& c, double dpi, QWidget* p) -> QWidget* {
             auto& box = static_cast<CheckBox&>(c);
             if (box.PushButtonStyle()) {
                 return new ToggleButtonPeer(box, dpi, p);
             }
             return new CheckBoxPeer(box, dpi, p);
         }},
        {"OptionButton", &Make<OptionButtonPeer, OptionButton>},
        {"ComboBox", &Make<ComboBoxPeer, ComboBox>},
        {"ListBox", &Make<ListBoxPeer, ListBox>},
        {"TextBox", &Make<TextBoxPeer, TextBox>},
        {"Label", &Make<LabelPeer, Label>},
        {"Frame", &Make<FramePeer, Frame>},
        {"CommandButton", &Make<CommandButtonPeer, CommandButton>},
        {"PictureBox", &Make<PictureBoxPeer, PictureBox>},
        {"NumberEdit", &Make<NumberEditPeer, NumberEdit>},
        {"ColorSelBox", &Make<ColorSelBoxPeer, ColorSelBox>},
        {"LineStyle", &Make<LineStylePeer, LineStyle>},
        {"QvFrameStyle", &Make<QvFrameStylePeer, QvFrameStyle>},
        {"CompartLine", &Make<CompartLinePeer, CompartLine>},
        {"FontPreview", &Make<FontPreviewPeer, FontPreview>},
    };
    const auto it = peers.find(control.Kind());
    return it == peers.end() ? nullptr : it->second(control, m_dDpi, parent);
}

} // namespace vantor::qt
