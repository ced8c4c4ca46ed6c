// The 3D labels' properties: defaults, the angle rule, change notification
// and the light shade switch that must give back the colour chosen before.
#include <gtest/gtest.h>

#include "controls/TLabel3d.h"
#include "controls/TMyLabelRotate.h"
#include "controls/engine/TLabelStyle.h"

using namespace controls;

TEST(TLabelStyle, StartsRaisedWithGreyAndWhiteShadesAndShadowUpRight) {
  const TLabelStyle s;
  EXPECT_EQ(s.Angle(), 0);
  EXPECT_EQ(s.AStyle3D(), A3dRaised);
  EXPECT_EQ(s.AShadeRightBottom(), 0x808080);
  EXPECT_EQ(s.AShadeLeftTop(), 0xFFFFFF);
  EXPECT_FALSE(s.AShadeLTSet());
  EXPECT_EQ(s.AHShadeOffSet(), 5);
  EXPECT_EQ(s.AVShadeOffSet(), -5);
}

TEST(TLabelStyle, AnglesOutsideAFullTurnAreStoredAsZero) {
  TLabelStyle s;
  for (const auto& [given, stored] : std::vector<std::pair<int, int>>{
           {359, 359}, {360, 0}, {720, 0}, {-1, 0}, {-90, 0}, {1, 1}}) {
    s.setAngle(45);
    s.setAngle(given);
    EXPECT_EQ(s.Angle(), stored) << given;
  }
}

TEST(TLabelStyle, NotifiesOnlyRealChanges) {
  TLabelStyle s;
  int calls = 0;
  s.OnChange = [&] { ++calls; };
  s.setAngle(0);
  s.setAngle(360);  // stored as 0: no change
  s.setAStyle3D(A3dRaised);
  s.setAHShadeOffSet(5);
  s.setAShadeLeftTop(0xFFFFFF);
  EXPECT_EQ(calls, 0);
  s.setAngle(30);
  s.setAStyle3D(A3dShadowed);
  s.setAVShadeOffSet(3);
  s.setAShadeRightBottom(0x123456);
  EXPECT_EQ(calls, 4);
}

TEST(TLabelStyle, LightShadeSwitchKeepsAndRestoresTheChosenColour) {
  TLabelStyle s;
  int calls = 0;
  s.OnChange = [&] { ++calls; };
  s.setAShadeLeftTop(0x00FF00);
  s.setAShadeLTSet(true);
  EXPECT_EQ(s.AShadeLeftTop(), 0xFFFFFF);
  EXPECT_EQ(s.values().AShadeLeftTop, 0xFFFFFF);  // painting sees white
  s.setAShadeLeftTop(0x0000FF);                   // ignored while on
  EXPECT_EQ(s.AShadeLeftTop(), 0xFFFFFF);
  s.setAShadeLTSet(false);
  EXPECT_EQ(s.AShadeLeftTop(), 0x00FF00);
  EXPECT_EQ(calls, 3);
}

TEST(TLabel3d, DefaultsAndTheSameLightShadeRoundTrip) {
  TLabel3d label;
  EXPECT_EQ(label.AStyle3D(), Normal3d);
  EXPECT_EQ(label.AShadeRightBottom(), 0x808080);
  EXPECT_EQ(label.AShadeLeftTop(), 0xFFFFFF);
  EXPECT_EQ(label.AHShadeOffSet(), 5);
  EXPECT_EQ(label.AVShadeOffSet(), -5);
  EXPECT_FALSE(label.AShadeLTSet());
  EXPECT_TRUE(label.Transparent());

  label.setAShadeLeftTop(0x0080FF);
  label.setProperty("AShadeLTSet", true);
  label.setAShadeLeftTop(0x000000);
  EXPECT_EQ(label.look().AShadeLeftTop, 0xFFFFFF);
  label.setAShadeLTSet(false);
  EXPECT_EQ(label.AShadeLeftTop(), 0x0080FF);
}

TEST(TMyLabelRotate, StartsTransparentInArialBoldAndOwnsItsStyle) {
  TMyLabelRotate label;
  EXPECT_TRUE(label.MyTransparent());
  EXPECT_EQ(label.Font().name, "Arial");
  EXPECT_EQ(label.Font().style, unsigned(gdi::fsBold));
  label.LabelStyle().setAngle(400);
  EXPECT_EQ(label.look().Style.Angle, 0);
  label.LabelStyle().setAngle(90);
  EXPECT_EQ(label.look().Style.Angle, 90);
}
