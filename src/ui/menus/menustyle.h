#pragma once

#include <QProxyStyle>

namespace tabulet::ui {

// How the note window's popup menus are drawn: a 20-pixel strip at the left in a tone between
// the menu background and grey text, the label 25 pixels in, the shortcut right-aligned 10
// pixels from the edge, 16 x 16 icons and check marks in the strip, etched separators, and
// greyed items that are never highlighted.
class MenuStyle final : public QProxyStyle
{
    Q_OBJECT
public:
    static constexpr int kStripWidth = 20;
    static constexpr int kLabelLeft = 25;
    static constexpr int kShortcutRightMargin = 10;
    // Added to the label and shortcut widths for the item's width.
    static constexpr int kExtraWidth = 55;
    static constexpr int kIconSize = 16;
    // The least height of an item; separators are half of it.
    static constexpr int kMinimumItemHeight = 20;
    static constexpr int kSeparatorWidth = 20;

    MenuStyle();

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contentsSize,
                           const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
};

} // namespace tabulet::ui
