#include "app/Look.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

#include "app/Glyphs.h"

namespace app {

namespace {

QPalette lightPalette() {
  const QColor window(0xF3, 0xF5, 0xF8);
  const QColor base(0xFF, 0xFF, 0xFF);
  const QColor text(0x1F, 0x29, 0x33);
  const QColor muted(0x8A, 0x94, 0xA0);
  const QColor accent(0x2F, 0x7F, 0xD8);
  QPalette p;
  p.setColor(QPalette::Window, window);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::AlternateBase, QColor(0xEE, 0xF2, 0xF6));
  p.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFD, 0xF2));
  p.setColor(QPalette::ToolTipText, text);
  p.setColor(QPalette::PlaceholderText, muted);
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Button, QColor(0xF7, 0xF9, 0xFB));
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::BrightText, Qt::white);
  p.setColor(QPalette::Light, Qt::white);
  p.setColor(QPalette::Midlight, QColor(0xE4, 0xE9, 0xEF));
  p.setColor(QPalette::Mid, QColor(0xC4, 0xCC, 0xD6));
  p.setColor(QPalette::Dark, QColor(0x9A, 0xA6, 0xB2));
  p.setColor(QPalette::Shadow, QColor(0x6B, 0x76, 0x82));
  p.setColor(QPalette::Highlight, accent);
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::Link, accent);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(QPalette::Disabled, role, muted);
  p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0xC4, 0xCC, 0xD6));
  return p;
}

// Spacing and hover states Fusion leaves plain. Kept small: each window's own
// layout decides the rest.
const char* const kStyleSheet = R"(
QToolBar { border: none; spacing: 2px; padding: 3px 6px; }
QToolBar QToolButton { border: 1px solid transparent; border-radius: 5px; padding: 3px; }
QToolBar QToolButton:hover { background: #E3ECF7; border-color: #C9DAEE; }
QToolBar QToolButton:pressed, QToolBar QToolButton:checked { background: #CFE3F8; border-color: #9FC3EA; }
QToolBar QToolButton:disabled { background: transparent; }
QToolButton[sidePanel="true"] { border: 1px solid transparent; border-radius: 5px; padding: 3px; }
QToolButton[sidePanel="true"]:hover { background: #E3ECF7; border-color: #C9DAEE; }
QToolButton[sidePanel="true"]:pressed { background: #CFE3F8; border-color: #9FC3EA; }
QStatusBar { border-top: 1px solid #D8DEE6; }
QStatusBar::item { border: none; }
QTabWidget::pane { border: 1px solid #D0D7E0; border-radius: 3px; top: -1px; }
QTabBar::tab { padding: 5px 12px; }
QScrollArea { border: none; }
)";

}  // namespace

void applyLook(QApplication& application) {
  application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  application.setPalette(lightPalette());
  application.setStyleSheet(QString::fromLatin1(kStyleSheet));
  const QIcon icon = glyphIcon(QStringLiteral("quillmoor"));
  if (!icon.isNull()) application.setWindowIcon(icon);
}

}  // namespace app
