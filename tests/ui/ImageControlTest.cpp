// The image control: coordinates through stretching and centring, partial
// repaints, what reaches the screen, and drag and drop between controls.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>

#include "platform/ui/ImageControl.h"
#include "platform/ui/InternalDrag.h"
#include "platform/ui/QtBitmap.h"
#include "support/PixelGrid.h"

using testing_support::gridBitmap;

namespace {

struct MouseRecord {
  std::vector<std::tuple<char, int, int, ui::ShiftState>> events;
  void watch(ui::ImageControl& c) {
    QObject::connect(&c, &ui::ImageControl::mouseDown,
                     [this](ui::MouseButton, ui::ShiftState s, int x, int y) {
                       events.emplace_back('d', x, y, s);
                     });
    QObject::connect(&c, &ui::ImageControl::mouseMove,
                     [this](ui::ShiftState s, int x, int y) { events.emplace_back('m', x, y, s); });
    QObject::connect(&c, &ui::ImageControl::mouseUp,
                     [this](ui::MouseButton, ui::ShiftState s, int x, int y) {
                       events.emplace_back('u', x, y, s);
                     });
  }
};

void send(QWidget& w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
          Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QMouseEvent e(type, QPointF(at), QPointF(w.mapToGlobal(at)), button, held, mods);
  QApplication::sendEvent(&w, &e);
}

// Records the regions painted.
class PaintSpy : public QObject {
 public:
  QRegion painted;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
    return false;
  }
};

}  // namespace

TEST(PictureMapping, PointsMapBackThroughStretchAndCentre) {
  ui::PictureMapping plain{QSize(200, 100), QSize(50, 40), false, false};
  EXPECT_EQ(plain.toPicture({10, 20}), QPoint(10, 20));
  EXPECT_EQ(plain.toPicture({-3, 60}), QPoint(-3, 60));  // outside while captured

  ui::PictureMapping centred{QSize(200, 100), QSize(50, 40), false, true};
  EXPECT_EQ(centred.area(), QRect(75, 30, 50, 40));
  EXPECT_EQ(centred.toPicture({75, 30}), QPoint(0, 0));

  // 400 x 400 picture shown in 100 x 200: x / 4 wide, y * 2 high.
  ui::PictureMapping stretched{QSize(100, 200), QSize(400, 100), true, false};
  EXPECT_EQ(stretched.toPicture({0, 0}), QPoint(0, 0));
  EXPECT_EQ(stretched.toPicture({99, 199}), QPoint(396, 99));
  EXPECT_EQ(stretched.toPicture({25, 7}), QPoint(100, 3));
  EXPECT_EQ(stretched.toPicture({-1, -1}), QPoint(-4, -1));  // floors, not towards zero
  EXPECT_EQ(stretched.toControl({100, 3, 104, 4}), QRect(25, 6, 1, 2));
  EXPECT_EQ(stretched.picturePart(QRect(25, 6, 1, 2)), QRect(100, 3, 4, 1));
}

TEST(ImageControl, MouseEventsCarryPictureCoordinatesAndShiftState) {
  ui::ImageControl c;
  c.resize(100, 100);
  c.setBitmap(gdi::Bitmap(50, 25));
  MouseRecord r;
  r.watch(c);
  send(c, QEvent::MouseButtonPress, {10, 20}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
  send(c, QEvent::MouseMove, {30, 40}, Qt::NoButton, Qt::LeftButton);
  send(c, QEvent::MouseButtonRelease, {31, 41}, Qt::LeftButton, Qt::NoButton);
  c.setStretch(true);
  send(c, QEvent::MouseButtonPress, {10, 20}, Qt::RightButton, Qt::RightButton,
       Qt::ControlModifier);
  ASSERT_EQ(r.events.size(), 4u);
  EXPECT_EQ(r.events[0], std::make_tuple('d', 10, 20, ui::ssShift | ui::ssLeft));
  EXPECT_EQ(r.events[1], std::make_tuple('m', 30, 40, ui::ShiftState(ui::ssLeft)));
  EXPECT_EQ(r.events[2], std::make_tuple('u', 31, 41, ui::ShiftState(0)));
  EXPECT_EQ(r.events[3], std::make_tuple('d', 5, 5, ui::ssCtrl | ui::ssRight));
}

TEST(ImageControl, ClickAndDoubleClick) {
  ui::ImageControl c;
  c.resize(40, 40);
  int clicks = 0, doubles = 0;
  QObject::connect(&c, &ui::ImageControl::clicked, [&] { ++clicks; });
  QObject::connect(&c, &ui::ImageControl::doubleClicked, [&] { ++doubles; });
  send(c, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
  send(c, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
  // Released outside: no click.
  send(c, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
  send(c, QEvent::MouseButtonRelease, {50, 5}, Qt::LeftButton, Qt::NoButton);
  send(c, QEvent::MouseButtonDblClick, {5, 5}, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(doubles, 1);
}

TEST(ImageControl, AutoSizeFollowsThePicture) {
  ui::ImageControl c;
  c.setAutoSize(true);
  c.setBitmap(gdi::Bitmap(30, 20));
  EXPECT_EQ(c.size(), QSize(30, 20));
  c.bitmap().setSize(64, 48);
  c.refresh();
  EXPECT_EQ(c.size(), QSize(64, 48));
}

TEST(ImageControl, RefreshRepaintsOnlyTheDirtyArea) {
  QWidget window;
  window.resize(500, 500);
  auto* c = new ui::ImageControl(&window);
  c->setGeometry(0, 0, 400, 400);
  c->setBitmap(gdi::Bitmap(4000, 4000));
  window.show();
  QApplication::processEvents();

  PaintSpy spy;
  c->installEventFilter(&spy);
  c->bitmap().markDirty({10, 20, 15, 22});
  c->refresh();
  QApplication::processEvents();
  EXPECT_EQ(spy.painted, QRegion(10, 20, 5, 2));
  EXPECT_TRUE(c->bitmap().dirty().isEmpty());

  spy.painted = {};
  c->setStretch(true);
  QApplication::processEvents();
  spy.painted = {};
  c->bitmap().markDirty({1000, 1000, 1010, 1001});  // a tenth: one control pixel
  c->refresh();
  QApplication::processEvents();
  EXPECT_EQ(spy.painted, QRegion(100, 100, 1, 1));
}

TEST(ImageControl, DrawsStretchedCentredAndTransparentPictures) {
  QWidget window;
  window.setAutoFillBackground(true);
  QPalette pal = window.palette();
  pal.setColor(QPalette::Window, QColor(0, 0, 255));
  window.setPalette(pal);
  window.resize(8, 8);
  auto* c = new ui::ImageControl(&window);
  c->setGeometry(0, 0, 4, 4);
  c->setBitmap(gridBitmap({"#r", "g."}));
  c->setStretch(true);
  QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shot.pixelColor(1, 1), QColor(0, 0, 0));
  EXPECT_EQ(shot.pixelColor(2, 1), QColor(255, 0, 0));
  EXPECT_EQ(shot.pixelColor(3, 3), QColor(255, 255, 255));
  EXPECT_EQ(shot.pixelColor(0, 3), QColor(0, 255, 0));

  // Transparent: the key colour (bottom-left pixel, lime) lets the window show.
  c->setTransparent(true);
  shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shot.pixelColor(0, 3), QColor(0, 0, 255));
  EXPECT_EQ(shot.pixelColor(1, 1), QColor(0, 0, 0));

  c->setTransparent(false);
  c->setStretch(false);
  c->setCenter(true);
  shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shot.pixelColor(1, 1), QColor(0, 0, 0));
  EXPECT_EQ(shot.pixelColor(2, 2), QColor(255, 255, 255));
  EXPECT_EQ(shot.pixelColor(0, 0), QColor(0, 0, 255));
}

TEST(ImageControl, DropOfAnotherImageControlNamesTheSource) {
  ui::ImageControl source, target;
  source.setBitmap(gridBitmap({"r"}));
  target.resize(50, 50);
  target.setDropTarget(true);
  QWidget* dropped = nullptr;
  QObject::connect(&target, &ui::ImageControl::dropped, [&](QWidget* s, int, int) {
    dropped = s;
    target.setBitmap(static_cast<ui::ImageControl*>(s)->bitmap());
  });

  QMimeData* data = ui::InternalDrag::begin(&source);
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&target, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&target, &drop);
  EXPECT_TRUE(drop.isAccepted());
  ui::InternalDrag::end();
  EXPECT_EQ(dropped, &source);
  EXPECT_EQ(target.bitmap(), source.bitmap());

  // The same data after the drag has ended names nobody.
  dropped = nullptr;
  QDropEvent late(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&target, &late);
  EXPECT_EQ(dropped, nullptr);
  delete data;
}

TEST(ImageControl, DropsThatAreNotImageControlsAreRefused) {
  ui::ImageControl target;
  target.setDropTarget(true);
  int drops = 0;
  QObject::connect(&target, &ui::ImageControl::dropped, [&] { ++drops; });
  QLabel label;
  EXPECT_FALSE(target.dropFrom(&label, {1, 1}));

  // Files dragged from another program carry no source.
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile("/tmp/a.bmp")});
  QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&target, &enter);
  EXPECT_FALSE(enter.isAccepted());

  // A filter may widen what is accepted; a control that is not a drop target takes nothing.
  target.setDropFilter([](QWidget* s) { return qobject_cast<QLabel*>(s) != nullptr; });
  EXPECT_TRUE(target.dropFrom(&label, {1, 1}));
  target.setDropTarget(false);
  EXPECT_FALSE(target.dropFrom(&label, {1, 1}));
  EXPECT_EQ(drops, 1);
}
