#include "forms/ui/Fonts.h"

#include <QFontMetrics>
#include <QStringList>
#include <cmath>

namespace {
QFont makeFont(const QStringList& families, double points, bool bold, QFont::StyleHint hint = QFont::SansSerif) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setStyleHint(hint);
    return font;
}
}  // namespace

QFont pageFont(double points, bool bold) {
    // Tahoma's metric look-alikes first: the layouts in twips leave little
    // room around their texts.
    return makeFont(
        {"Tahoma", "Liberation Sans", "Arimo", "Nimbus Sans", "DejaVu Sans", "WenQuanYi Micro Hei", "Noto Sans CJK TC"},
        points, bold);
}

QFont cjkFont(double points, bool bold) {
    return makeFont({"微軟正黑體", "Microsoft JhengHei", "WenQuanYi Micro Hei", "Noto Sans CJK TC", "DejaVu Sans"},
                    points, bold);
}

QFont serifFont(double points, bool bold) {
    return makeFont({"Times New Roman", "Nimbus Roman", "Liberation Serif", "DejaVu Serif"}, points, bold,
                    QFont::Serif);
}

QFont narrowedToFit(QFont font, const QStringList& texts, int width) {
    for (int stretch = 100; stretch >= 75; --stretch) {
        font.setStretch(stretch);
        const QFontMetrics metrics(font);
        bool fits = true;
        for (const QString& text : texts) fits = fits && metrics.horizontalAdvance(text) <= width;
        if (fits) break;
    }
    return font;
}
