// Drawing: the current frame on screen and into bitmaps, and the size.
#include <QPainter>
#include <QResizeEvent>

#include "media/player/TDCAVIPlay.h"
#include "platform/ui/QtBitmap.h"

const gdi::Bitmap* TDCAVIPlay::currentPicture() {
  if (!video_) return nullptr;
  if (shownFrame_ != range_.current) {
    try {
      shown_ = video_->frame(range_.current);
    } catch (const video::VideoError& e) {
      // A damaged or missing frame: the last good picture stays.
      lastError_ = QString::fromStdString(e.what());
    }
    shownFrame_ = range_.current;
    ++shownVersion_;
  }
  return shown_.empty() ? nullptr : &shown_;
}

void TDCAVIPlay::drawFrame() {
  if (drawing_ || !isVisible()) return;
  drawing_ = true;
  const bool fresh = shownFrame_ != range_.current;
  (void)currentPicture();
  update();
  drawing_ = false;
  if (fresh) emit frameShown(range_.current);
}

void TDCAVIPlay::updateOpacity() {
  // Opaque players paint every pixel; transparent ones let Qt paint what
  // lies behind them first (the parent and the controls under them) and
  // only cover it where the frame is not of the key colour.
  setAttribute(Qt::WA_OpaquePaintEvent, !look_.transparent);
  setAttribute(Qt::WA_NoSystemBackground, look_.transparent);
  setAutoFillBackground(false);
}

const QImage& TDCAVIPlay::transparentImage(const media::FrameLayout& layout) {
  if (seeThroughVersion_ == shownVersion_ && seeThroughLayout_ == layout && !seeThrough_.isNull())
    return seeThrough_;
  const gdi::Bitmap& drawn = media::frameAtSize(shown_, layout.width, layout.height, stretched_);
  const auto key = std::uint32_t(media::transparentKey(drawn));
  seeThrough_ = QImage(layout.width, layout.height, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < layout.height; ++y) {
    const std::uint32_t* src = drawn.row(y);
    auto* dst = reinterpret_cast<std::uint32_t*>(seeThrough_.scanLine(y));
    for (int x = 0; x < layout.width; ++x) {
      const std::uint32_t c = src[x];
      // 0x00BBGGRR to 0xAARRGGBB; the key colour becomes fully see-through.
      dst[x] = c == key ? 0u
                        : 0xFF000000u | (c & 0xFFu) << 16 | (c & 0xFF00u) | (c >> 16 & 0xFFu);
    }
  }
  seeThroughVersion_ = shownVersion_;
  seeThroughLayout_ = layout;
  return seeThrough_;
}

void TDCAVIPlay::paintEvent(QPaintEvent*) {
  if (hiddenForRender_ || drawing_) return;
  QPainter painter(this);
  const gdi::Bitmap* picture = currentPicture();
  if (!look_.transparent) {
    if (view_.width() != width() || view_.height() != height()) view_ = gdi::Bitmap(width(), height());
    media::composePlayerView(view_, picture, look_);
    painter.drawImage(QPoint(0, 0), ui::sharedImage(view_));
    return;
  }
  if (!picture) return;
  const media::FrameLayout layout = media::layoutFrame(
      width(), height(), picture->width(), picture->height(), look_.stretch, look_.center);
  if (layout.width <= 0 || layout.height <= 0) return;
  painter.drawImage(QPoint(layout.x, layout.y), transparentImage(layout));
}

gdi::Bitmap TDCAVIPlay::renderToBitmap() {
  gdi::Bitmap view(std::max(width(), 1), std::max(height(), 1));
  if (look_.transparent) {
    // What lies behind the player: its parent and the parent's other
    // controls, painted into memory with the player itself left out.
    if (QWidget* parent = parentWidget()) {
      QImage behind(view.width(), view.height(), QImage::Format_RGB32);
      behind.fill(parent->palette().color(parent->backgroundRole()));
      hiddenForRender_ = true;
      parent->render(&behind, QPoint(0, 0), QRegion(geometry()),
                     QWidget::DrawWindowBackground | QWidget::DrawChildren);
      hiddenForRender_ = false;
      view = ui::toBitmap(behind);
    } else {
      view.fill(gdi::colorToRGB(look_.color));
    }
  }
  media::composePlayerView(view, currentPicture(), look_);
  return view;
}

void TDCAVIPlay::applyAutoSize() {
  if (autoSize_ && isOpen() && (width() != frameWidth_ || height() != frameHeight_))
    resize(frameWidth_, frameHeight_);
}

void TDCAVIPlay::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  applyAutoSize();
  if (!active_) update();
}
