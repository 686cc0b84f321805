#pragma once

#include <QFont>

// The font texts are drawn in: the printer's fonts are its own, so the preview draws every text in
// one sans-serif font, without smoothing, as black dots.
namespace SubstituteFont {

// Whether texts can be drawn at all: fonts need a QGuiApplication.
bool Available();

// The font whose lines are at most lineHeight dots high.
QFont Of(int lineHeight);

} // namespace SubstituteFont
