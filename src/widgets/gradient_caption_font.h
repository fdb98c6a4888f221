#pragma once
// Captions of the painted widgets are drawn with crisp letters, as the system draws its
// small dialog font, so outlines and insets land on whole pixels. An owner that asks for
// smoothing explicitly (QFont::PreferAntialias) gets it.
#include <QFont>

namespace beditor {

inline QFont CrispCaptionFont(QFont font) {
  if (!(font.styleStrategy() & QFont::PreferAntialias)) font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

}  // namespace beditor
