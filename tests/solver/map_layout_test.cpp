// Map geometry from the window, circle placement, parking slots and the
// first placement of a new problem.
#include "model/map_layout.h"

#include <gtest/gtest.h>

#include "solver/solver_fixture.h"

namespace quorel {
namespace {

TEST(MapLayout, DefaultWindow) {
  Session s;
  LayOutMap(s, DefaultWindowMetrics());  // 12000 wide, bottom group at 9000
  EXPECT_EQ(s.map.MapCentreX, 6000);
  EXPECT_EQ(s.map.MapCentreY, 4500);
  EXPECT_EQ(s.map.UnitRadius, 3600);  // 0.8 * 9000 / 2
  EXPECT_EQ(s.map.BoundaryRadiusPx, 3600);
  EXPECT_EQ(s.map.BoundaryRadiusPxSq, 3600 * 3600);
  EXPECT_FLOAT_EQ(s.map.MapScale, 1.0f / 3600);
  EXPECT_EQ(s.map.CentreLeft, 5800);
  EXPECT_EQ(s.map.CentreTop, 4300);
}

TEST(MapLayout, NarrowAndMaximizedWindows) {
  Session s;
  WindowMetrics narrow{8001, 10000, 9000, false};
  LayOutMap(s, narrow);
  EXPECT_EQ(s.map.MapCentreX, 4000);  // 8001 \ 2
  EXPECT_EQ(s.map.UnitRadius, 3200);  // round(0.8 * 8001 / 2) = round(3200.4)
  WindowMetrics maximized{15000, 11001, 9000, true};
  LayOutMap(s, maximized);
  EXPECT_EQ(s.map.MapCentreY, 5500);  // inner height \ 2
  EXPECT_EQ(s.map.UnitRadius, 3600);
  EXPECT_FLOAT_EQ(MapScaleFor(0), 1e20f);
}

TEST(MapLayout, PlaceObjectMapsUnitsToTwips) {
  Session s;
  testing::FakePlatform platform;
  platform.record_moves = true;
  LayOutMap(s, DefaultWindowMetrics());
  s.prob.LocDim[1][1] = 0, s.prob.LocDim[2][1] = 0;
  s.prob.LocDim[1][2] = 1, s.prob.LocDim[2][2] = 0;
  s.prob.LocDim[1][3] = 0, s.prob.LocDim[2][3] = 1;
  s.prob.LocDim[1][4] = -0.5f, s.prob.LocDim[2][4] = -0.25f;
  for (int i = 1; i <= 4; ++i) PlaceObject(s, platform, i);
  EXPECT_EQ(s.map.CircleLeft[1], 5800);
  EXPECT_EQ(s.map.CircleTop[1], 4300);
  EXPECT_EQ(s.map.CircleLeft[2], 5800 + 3600);
  EXPECT_EQ(s.map.CircleTop[2], 4300);
  EXPECT_EQ(s.map.CircleTop[3], 4300 - 3600);
  EXPECT_EQ(s.map.CircleLeft[4], 5800 - 1800);
  EXPECT_EQ(s.map.CircleTop[4], 4300 + 900);
  EXPECT_EQ(platform.moved, (std::vector<int>{1, 2, 3, 4}));
}

TEST(MapLayout, ParkingSlots) {
  Session s;
  LayOutMap(s, DefaultWindowMetrics());
  const int left = s.map.ParkingLeft, top = s.map.ParkingTop;
  // Eight rows of 400-twip circles fit the design height 4410.
  ScreenPoint first = ParkingSlot(s, 1);
  EXPECT_EQ(first.left, left + 1515 - 480);
  EXPECT_EQ(first.top, top + 240);
  ScreenPoint second = ParkingSlot(s, 2);
  EXPECT_EQ(second.left, first.left);
  EXPECT_EQ(second.top, top + 480 + 240);
  // Object rows + 1 starts the next column to the left, 0.6 D lower.
  ScreenPoint ninth = ParkingSlot(s, 9);
  EXPECT_EQ(ninth.left, first.left - 400);
  EXPECT_EQ(ninth.top, top + 240 + 240);
  // Column 4 starts the second layer, staggered by D \ 8.
  ScreenPoint layer = ParkingSlot(s, 33);
  EXPECT_EQ(layer.left, first.left - 50);
  EXPECT_EQ(layer.top, first.top);
  // Column 20 is the last layer, staggered by a whole diameter.
  EXPECT_EQ(ParkingSlot(s, 161).left, first.left - 400);
  // Slots repeat after 24 columns.
  EXPECT_EQ(ParkingSlot(s, 193).left, first.left);
  EXPECT_EQ(ParkingSlot(s, 193).top, first.top);
}

TEST(MapLayout, ParkingSlotLayersAndSmallAreas) {
  Session s;
  LayOutMap(s, DefaultWindowMetrics());
  ScreenPoint first = ParkingSlot(s, 1);
  // Columns 8, 12 and 16 begin the layers staggered by D \ 6, D \ 4, D \ 2.
  EXPECT_EQ(ParkingSlot(s, 65).left, first.left - 66);
  EXPECT_EQ(ParkingSlot(s, 97).left, first.left - 100);
  EXPECT_EQ(ParkingSlot(s, 129).left, first.left - 200);
  // Column 5 is the second of its layer: one diameter left, D \ 8 staggered,
  // odd: 0.6 D lower.
  ScreenPoint odd = ParkingSlot(s, 41);
  EXPECT_EQ(odd.left, first.left - 400 - 50);
  EXPECT_EQ(odd.top, first.top + 240);
  // An area too low for two rows still has two: object 3 opens column 1.
  s.map.ParkingHeight = 1000;  // round(1000 - 1100) \ 400 = 0
  EXPECT_EQ(ParkingSlot(s, 2).left, first.left);
  EXPECT_EQ(ParkingSlot(s, 2).top, first.top + 480);
  EXPECT_EQ(ParkingSlot(s, 3).left, first.left - 400);
}

TEST(MapLayout, FirstPlacementSpreadsObjectsOnTheHorizontalLine) {
  Session s;
  testing::FakePlatform platform;
  LayOutMap(s, DefaultWindowMetrics());
  s.prob.NObjects = 3;
  s.prob.ObjParked[3] = 1;
  s.prob.LocDim[2][1] = 0.7f;
  CreateCircles(s);
  FirstPlacement(s, platform);
  // step = (2 * 3600 - 400) / 4 = 1700; x = (i * step - 3600 + 200) / 3600.
  EXPECT_FLOAT_EQ(s.prob.LocDim[1][1], -1700.0f / 3600);
  EXPECT_EQ(s.prob.LocDim[2][1], 0.0f);
  EXPECT_FLOAT_EQ(s.prob.LocDim[1][2], 0.0f);
  EXPECT_EQ(s.map.CircleLeft[2], 5800);
  ScreenPoint slot = ParkingSlot(s, 3);
  EXPECT_EQ(s.map.CircleLeft[3], slot.left);
  EXPECT_EQ(s.map.CircleTop[3], slot.top);
  EXPECT_EQ(s.prob.NParkedObjects, 1);
  EXPECT_EQ(s.map.NCirclesLoaded, 3);
  EXPECT_EQ(s.captions.lblInitialPositionsMsg, " 3 objects loaded ");
}

TEST(MapLayout, FirstPlacementUsesGivenLocations) {
  Session s;
  testing::FakePlatform platform;
  LayOutMap(s, DefaultWindowMetrics());
  s.prob.NObjects = 2;
  s.prob.LocationsGiven = true;
  s.prob.LocDim[1][1] = 0.5f, s.prob.LocDim[2][1] = 0.25f;
  s.prob.LocDim[1][2] = -0.5f, s.prob.LocDim[3][2] = 0.125f;
  FirstPlacement(s, platform);
  EXPECT_EQ(s.prob.LocDim[1][1], 0.5f);
  EXPECT_EQ(s.prob.LocDim[3][2], 0.125f);
  EXPECT_EQ(s.map.CircleLeft[1], 5800 + 1800);
  EXPECT_EQ(s.map.CircleTop[1], 4300 - 900);
  EXPECT_EQ(s.captions.lblInitialPositionsMsg, " 2 objects loaded in user-provided positions");
}

}  // namespace
}  // namespace quorel
