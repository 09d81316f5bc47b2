#include "qt/FormView.hpp"

#include "qt/AccessKeys.hpp"
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
#include "qt/PeerBinding.hpp"
#include "qt/PictureBoxPeer.hpp"
#include "qt/QvFrameStylePeer.hpp"
#include "qt/TextBoxPeer.hpp"
#include "qt/ToggleButtonPeer.hpp"
#include "qt/Twips.hpp"

#include <QLabel>

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace vantor::qt {

namespace {

// A peer made of several widgets takes the focus through its proxy.
QWidget* Focusable(QWidget* peer) {
    while (peer != nullptr && peer->focusProxy() != nullptr) {
        peer = peer->focusProxy();
    }
    return peer;
}

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
    if (m_peers.empty()) {
        // A tab with nothing to set says so rather than showing a blank.
        auto* note = new QLabel(tr("This tab has no settings yet."), this);
        note->move(TwipsToPixels(Rect{240, 240, 0, 0}, m_dDpi).topLeft());
        note->adjustSize();
    }
    OrderTabs();
    resize(sizeHint());
}

void FormView::OrderTabs() {
    // Controls a box enables, which the Tab key reaches right after the box.
    static const std::map<std::string, std::vector<std::string>> enabled = {
        {"chkfixrowcol", {"nberownumber", "nbecolnumber"}},
    };
    for (const auto& control : m_form.Controls()) {
        if (QWidget* peer = Peer(control->Name())) {
            m_reading.emplace_back(control.get(), peer);
        }
    }
    // Rows from the top, controls whose tops lie within half a line of the
    // row's first counting as one row; left to right within a row.
    const int line = std::max(1, fontMetrics().height() / 2);
    const auto at = [this](QWidget* peer) { return peer->mapTo(this, QPoint(0, 0)); };
    std::stable_sort(m_reading.begin(), m_reading.end(),
                     [&](const auto& a, const auto& b) { return at(a.second).y() < at(b.second).y(); });
    std::map<QWidget*, int> rowOf;
    int row = 0;
    int rowTop = m_reading.empty() ? 0 : at(m_reading.front().second).y();
    for (const auto& entry : m_reading) {
        if (at(entry.second).y() - rowTop > line) {
            ++row;
            rowTop = at(entry.second).y();
        }
        rowOf[entry.second] = row;
    }
    std::stable_sort(m_reading.begin(), m_reading.end(), [&](const auto& a, const auto& b) {
        return std::pair(rowOf[a.second], at(a.second).x()) < std::pair(rowOf[b.second], at(b.second).x());
    });
    for (const auto& [control, peer] : m_reading) {
        if (Focusable(peer)->focusPolicy() & Qt::TabFocus) {
            m_tabOrder.push_back(Focusable(peer));
        }
    }
    for (const auto& [box, controls] : enabled) {
        const auto boxAt = std::find(m_tabOrder.begin(), m_tabOrder.end(), Focusable(Peer(box)));
        if (boxAt == m_tabOrder.end()) {
            continue;
        }
        QWidget* const boxWidget = *boxAt;
        m_tabOrder.erase(boxAt);
        // The box takes the place of the first control it enables.
        auto first = m_tabOrder.end();
        for (const std::string& control : controls) {
            first = std::min(first, std::find(m_tabOrder.begin(), m_tabOrder.end(),
                                              Focusable(Peer(control))));
        }
        m_tabOrder.insert(first, boxWidget);
    }
    for (size_t i = 1; i < m_tabOrder.size(); ++i) {
        setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);
    }
}

void FormView::AssignAccessKeys(QSet<QChar> used) {
    for (size_t i = 0; i < m_reading.size(); ++i) {
        const auto [control, peer] = m_reading[i];
        const bool label = dynamic_cast<LabelPeer*>(peer) != nullptr;
        if (peer->isHidden() || control->Caption().empty() ||
            !(label || dynamic_cast<CheckBoxPeer*>(peer) || dynamic_cast<OptionButtonPeer*>(peer) ||
              dynamic_cast<CommandButtonPeer*>(peer))) {
            continue;
        }
        QWidget* buddy = nullptr;
        if (label) {
            // The control beside the label in its row, or the one below it.
            const QRect own(peer->mapTo(this, QPoint(0, 0)), peer->size());
            const int line = std::max(1, fontMetrics().height() / 2);
            for (size_t j = i + 1; j < m_reading.size() && buddy == nullptr; ++j) {
                QWidget* other = m_reading[j].second;
                QWidget* next = Focusable(other);
                const QPoint at = other->mapTo(this, QPoint(0, 0));
                const bool beside = std::abs(at.y() - own.top()) <= line && at.x() > own.left();
                const bool below = at.x() >= own.left() - line && at.x() <= own.right();
                if (dynamic_cast<LabelPeer*>(other) == nullptr && (beside || below) &&
                    (next->focusPolicy() & Qt::TabFocus)) {
                    buddy = next;
                }
            }
            if (buddy == nullptr) {
                continue; // a letter would lead nowhere
            }
        }
        const QString caption = QString::fromStdString(control->Caption());
        const QString marked = accesskeys::Assign(CaptionText(control->Caption(), true), used);
        if (label && accesskeys::MarkedLetter(marked).isNull()) {
            continue; // every letter of it is taken
        }
        peer->setProperty("AccessText", QStringList{caption, marked});
        if (auto* binding = peer->findChild<PeerBinding*>(QString(), Qt::FindDirectChildrenOnly)) {
            binding->Sync();
        }
        if (label) {
            static_cast<QLabel*>(peer)->setBuddy(buddy);
        }
    }
}

QWidget* FormView::FirstFocus() const {
    for (QWidget* widget : m_tabOrder) {
        if (widget->isEnabled() && widget->isVisibleTo(const_cast<FormView*>(this))) {
            return widget;
        }
    }
    return nullptr;
}

bool FormView::LeaveFocusedControl() const {
    for (const auto& control : m_form.Controls()) {
        if (control->HasFocus()) {
            return control->Leave();
        }
    }
    return true;
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
