#pragma once

#include <QFont>

// The pages are laid out for Tahoma and a traditional-Chinese face at 96 dpi.
// Neither exists on Linux; these pick installed look-alikes and size them in
// pixels so the layout in twips holds whatever the screen's dpi.
QFont pageFont(double points, bool bold = false);  // Tahoma stand-in
QFont cjkFont(double points, bool bold = false);   // "微軟正黑體" stand-in
