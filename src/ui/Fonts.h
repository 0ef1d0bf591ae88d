#pragma once

// The fonts both programs draw with.

#include <QFont>
#include <QFontDatabase>

namespace tessaly::ui {

// Controls: the system sans serif at 8 points, in its narrower cut where there
// is one, so captions fit the pixel sizes the windows were laid out for.
inline QFont controlFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(8);
    font.setStretch(QFont::SemiCondensed);
    return font;
}

// Titles and headings: Liberation Serif (metric-compatible with the serif the
// windows were designed with).
inline QFont serifFont(int points, bool bold, bool italic) {
    QFont font(QStringLiteral("Liberation Serif"), points, bold ? QFont::Bold : QFont::Normal, italic);
    font.setStyleHint(QFont::Serif);
    return font;
}

}  // namespace tessaly::ui
