#include "controls/engine/TLabelStyle.h"

namespace controls {

template <typename T>
void TLabelStyle::store(T& field, T value) {
  if (field == value) return;
  field = value;
  changed();
}

void TLabelStyle::changed() {
  if (OnChange) OnChange();
}

void TLabelStyle::setAngle(int degrees) {
  store(angle_, degrees < 0 || degrees >= 360 ? 0 : degrees);
}

void TLabelStyle::setAStyle3D(T3DEffectShort effect) { store(effect_, effect); }

void TLabelStyle::setAShadeRightBottom(gdi::TColor c) { store(dark_, c); }

void TLabelStyle::setAShadeLeftTop(gdi::TColor c) {
  if (light_.setColor(c)) changed();
}

void TLabelStyle::setAShadeLTSet(bool on) {
  if (light_.setForced(on)) changed();
}

void TLabelStyle::setAHShadeOffSet(int v) { store(hOffset_, v); }

void TLabelStyle::setAVShadeOffSet(int v) { store(vOffset_, v); }

LabelStyleValues TLabelStyle::values() const {
  return {angle_, effect_, dark_, light_.color(), hOffset_, vOffset_};
}

}  // namespace controls
