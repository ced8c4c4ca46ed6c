#include "clips/windows/Tmorfshapeform.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/interface/MainWindow.h"
#include "platform/ui/BusyCursor.h"
#include "platform/ui/GuardedConnect.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/Services.h"
#include "platform/ui/ShapeControl.h"
#include "platform/ui/SpinEdit.h"
#include "platform/ui/UserDialogs.h"

namespace {

constexpr int kShapeButtonSide = 36;

ui::SpinEdit* sideEdit(QWidget* parent, const char* name) {
  auto* edit = new ui::SpinEdit(parent);
  edit->setObjectName(name);
  edit->setMinValue(clips::kShapeSideMin);
  edit->setMaxValue(clips::kShapeSideMax);
  edit->setValue(clips::kShapeSideDefault);
  return edit;
}

ui::ShapeControl* shapeControl(QWidget* parent, const char* name, ui::ShapeType type, int width) {
  auto* shape = new ui::ShapeControl(parent);
  shape->setObjectName(name);
  shape->setShape(type);
  shape->setFixedSize(width, kShapeButtonSide);
  shape->setBrushColor(gdi::clWhite);
  shape->setCursor(Qt::PointingHandCursor);
  return shape;
}

}  // namespace

Tmorfshapeform::Tmorfshapeform(QWidget* parent) : QWidget(parent) {
  setObjectName("Tmorfshapeform");
  setWindowTitle("Morf Shapes");
  setWindowFlag(Qt::Window);

  SpinEdit1 = sideEdit(this, "SpinEdit1");
  SpinEdit2 = sideEdit(this, "SpinEdit2");
  Shape1 = shapeControl(this, "Shape1", ui::ShapeType::Rectangle, kShapeButtonSide);
  Shape2 = shapeControl(this, "Shape2", ui::ShapeType::RoundRect, kShapeButtonSide);
  Shape3 = shapeControl(this, "Shape3", ui::ShapeType::Ellipse, kShapeButtonSide);
  Shape4 = shapeControl(this, "Shape4", ui::ShapeType::Ellipse, 2 * kShapeButtonSide);
  Shape1->setToolTip("Rectangle");
  Shape2->setToolTip("Rounded Rectangle");
  Shape3->setToolTip("Ellipse");
  Shape4->setToolTip("Wide Ellipse: twice as wide as high");
  Image1 = new ui::ImageControl(this);
  Image1->setObjectName("Image1");
  Image1->setStretch(true);
  Image1->setFixedSize(100, 100);
  BitBtn1 = new QPushButton("OK", this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton("Close", this);
  BitBtn2->setObjectName("BitBtn2");

  auto* sizes = new QGridLayout;
  sizes->addWidget(new QLabel("Width", this), 0, 0);
  sizes->addWidget(SpinEdit1, 0, 1);
  sizes->addWidget(new QLabel("Height", this), 1, 0);
  sizes->addWidget(SpinEdit2, 1, 1);
  auto* shapes = new QHBoxLayout;
  for (ui::ShapeControl* s : {Shape1, Shape2, Shape3, Shape4}) shapes->addWidget(s);
  shapes->addStretch();
  auto* left = new QVBoxLayout;
  left->addLayout(sizes);
  left->addLayout(shapes);
  left->addStretch();
  auto* top = new QHBoxLayout;
  top->addLayout(left);
  top->addWidget(Image1, 0, Qt::AlignTop);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  const std::pair<ui::ShapeControl*, clips::ShapeKind> kinds[] = {
      {Shape1, clips::ShapeKind::Rectangle},
      {Shape2, clips::ShapeKind::RoundedRectangle},
      {Shape3, clips::ShapeKind::Ellipse},
      {Shape4, clips::ShapeKind::WideEllipse}};
  for (const auto& [shape, kind] : kinds)
    ui::connectGuarded(shape, &ui::ShapeControl::mouseUp, this,
                       [this, k = kind] { ShapeMouseUp(k); });
  ui::connectGuarded(BitBtn1, &QPushButton::clicked, this, &Tmorfshapeform::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &QWidget::hide);

  adjustSize();
  const QSize screen = ui::environment().screenSize();
  move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

gdi::Size Tmorfshapeform::shapeSize() const { return {SpinEdit1->value(), SpinEdit2->value()}; }

ui::ShapeControl* Tmorfshapeform::shapeButton(clips::ShapeKind kind) const {
  switch (kind) {
    case clips::ShapeKind::Rectangle:
      return Shape1;
    case clips::ShapeKind::RoundedRectangle:
      return Shape2;
    case clips::ShapeKind::Ellipse:
      return Shape3;
    case clips::ShapeKind::WideEllipse:
      return Shape4;
  }
  return Shape1;
}

void Tmorfshapeform::ShapeMouseUp(clips::ShapeKind kind) {
  kind_ = kind;
  const gdi::Size size = clips::sizeForShape(kind, shapeSize());
  SpinEdit1->setValue(size.cx);
  drawShape();
}

void Tmorfshapeform::drawShape() {
  Image1->setBitmap(clips::standardShape(kind_, shapeSize()));
  for (clips::ShapeKind k : {clips::ShapeKind::Rectangle, clips::ShapeKind::RoundedRectangle,
                             clips::ShapeKind::Ellipse, clips::ShapeKind::WideEllipse})
    shapeButton(k)->setBrushColor(clips::shapeButtonColor(kind_, k));
}

void Tmorfshapeform::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  drawShape();
}

void Tmorfshapeform::BitBtn1Click() {
  ui::BusyCursor busy;
  drawShape();
  if (!app::mainWindow().morphPaste({}, Image1->bitmap())) {
    // Nothing waits to be poured into the shape: the window stays for
    // another try once there is.
    ui::dialogs().message(QStringLiteral("No picture to morph. Capture an area or copy a picture "
                                         "to the clipboard first."),
                          QStringLiteral("Error"));
    return;
  }
  hide();
}
