#pragma once
// The style object of the rotating label: angle, 3D effect, shade colours and
// drop-shadow offsets. Every setter stores a value only when it differs from
// the current one and then calls OnChange, which the owning label uses to
// repaint. Plain values, no widget: the Animation Wizard paints its banner
// text with the same style.
#include <functional>

#include "controls/engine/LightShade.h"
#include "platform/gdi/Color.h"

namespace controls {

enum T3DEffectShort { A3dNormal, A3dResit, A3dRaised, A3dShadowed };

// What painting reads.
struct LabelStyleValues {
  int Angle = 0;  // whole degrees, 0..359
  T3DEffectShort AStyle3D = A3dRaised;
  gdi::TColor AShadeRightBottom = 0x808080;
  gdi::TColor AShadeLeftTop = gdi::clWhite;  // white while AShadeLTSet is on
  int AHShadeOffSet = 5;
  int AVShadeOffSet = -5;
};

class TLabelStyle {
 public:
  int Angle() const { return angle_; }
  // Angles below 0 or from 360 up are stored as 0.
  void setAngle(int degrees);
  T3DEffectShort AStyle3D() const { return effect_; }
  void setAStyle3D(T3DEffectShort effect);
  gdi::TColor AShadeRightBottom() const { return dark_; }
  void setAShadeRightBottom(gdi::TColor c);
  gdi::TColor AShadeLeftTop() const { return light_.color(); }
  // Ignored while AShadeLTSet is on.
  void setAShadeLeftTop(gdi::TColor c);
  bool AShadeLTSet() const { return light_.forced(); }
  void setAShadeLTSet(bool on);
  int AHShadeOffSet() const { return hOffset_; }
  void setAHShadeOffSet(int v);
  int AVShadeOffSet() const { return vOffset_; }
  void setAVShadeOffSet(int v);

  LabelStyleValues values() const;

  std::function<void()> OnChange;

 private:
  template <typename T>
  void store(T& field, T value);
  void changed();

  int angle_ = 0;
  T3DEffectShort effect_ = A3dRaised;
  gdi::TColor dark_ = 0x808080;
  LightShade light_;
  int hOffset_ = 5;
  int vOffset_ = -5;
};

}  // namespace controls
