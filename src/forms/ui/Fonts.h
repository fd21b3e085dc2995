#pragma once

#include <QFont>
#include <QStringList>

// The pages are laid out for Tahoma and a traditional-Chinese face at 96 dpi.
// Neither exists on Linux; these pick installed look-alikes and size them in
// pixels so the layout in twips holds whatever the screen's dpi.
QFont pageFont(double points, bool bold = false);   // Tahoma stand-in
QFont cjkFont(double points, bool bold = false);    // "微軟正黑體" stand-in
QFont serifFont(double points, bool bold = false);  // Times New Roman stand-in

// `font` narrowed (down to 75 % width at most) just enough that every one of
// `texts` fits into `width` pixels: the stand-in faces run wider than the
// faces the layouts were made for.
QFont narrowedToFit(QFont font, const QStringList& texts, int width);
