#include "qt/ColorSelBoxPeer.hpp"

#include "qt/PeerBinding.hpp"
#include "qt/Twips.hpp"

#include <QColorDialog>
#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>

namespace vantor::qt {

namespace {

constexpr int PaletteColumns = 8;
constexpr int SwatchSize = 18;

} // namespace

ColorSelBoxPeer::ColorSelBoxPeer(ColorSelBox& control, double dpi, QWidget* parent)
    : QToolButton(parent), m_control(control) {
    setPopupMode(QToolButton::InstantPopup);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setMenu(BuildMenu());
    m_pBinding = new PeerBinding(
        this, control, dpi, [this] { update(); }, true);
}

void ColorSelBoxPeer::Pick(int32_t color) {
    m_pBinding->Act([this, color] { m_control.UserPickColor(color); });
}

QMenu* ColorSelBoxPeer::BuildMenu() {
    auto* menu = new QMenu(this);
    QAction* automatic = menu->addAction(tr("Automatic"));
    connect(automatic, &QAction::triggered, this, [this] { Pick(ColorSelBox::Automatic); });

    auto* grid = new QWidget(menu);
    auto* layout = new QGridLayout(grid);
    layout->setSpacing(2);
    layout->setContentsMargins(6, 4, 6, 4);
    const auto& colors = ColorSelBox::Palette();
    for (size_t i = 0; i < colors.size(); ++i) {
        const int32_t color = colors[i];
        auto* swatch = new QToolButton(grid);
        swatch->setFixedSize(SwatchSize, SwatchSize);
        swatch->setAutoRaise(true);
        QPixmap pixmap(SwatchSize - 6, SwatchSize - 6);
        pixmap.fill(ColorOf(color, QPalette()));
        swatch->setIcon(QIcon(pixmap));
        connect(swatch, &QToolButton::clicked, this, [this, menu, color] {
            menu->close();
            Pick(color);
        });
        layout->addWidget(swatch, static_cast<int>(i) / PaletteColumns,
                          static_cast<int>(i) % PaletteColumns);
    }
    auto* action = new QWidgetAction(menu);
    action->setDefaultWidget(grid);
    menu->addAction(action);

    QAction* more = menu->addAction(tr("More Colours..."));
    connect(more, &QAction::triggered, this, [this] {
        const QColor start = ColorOf(m_control.SelColor(), palette(), Qt::white);
        const QColor chosen = QColorDialog::getColor(start, this);
        if (chosen.isValid()) {
            Pick(RgbOf(chosen));
        }
    });
    return menu;
}

void ColorSelBoxPeer::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.text.clear();
    option.features |= QStyleOptionToolButton::HasMenu;
    style()->drawComplexControl(QStyle::CC_ToolButton, &option, &painter, this);

    const QRect field = rect().adjusted(4, 3, -14, -3);
    const int32_t color = m_control.SelColor();
    if (color == ColorSelBox::Automatic) {
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::ButtonText));
        const QString text = tr("Automatic");
        painter.setFont(FittedFont(font(), [&](const QFont& f) {
            return QFontMetricsF(f).horizontalAdvance(text) <= field.width();
        }));
        painter.drawText(field, Qt::AlignVCenter | Qt::AlignLeft,
                         painter.fontMetrics().elidedText(text, Qt::ElideRight, field.width()));
    } else if (color != ColorSelBox::NoColor) {
        painter.setPen(palette().color(QPalette::Mid));
        painter.setBrush(ColorOf(color, palette()));
        painter.drawRect(field.adjusted(0, 0, -1, -1));
    }
}

} // namespace vantor::qt
