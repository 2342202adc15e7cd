#include "artgen/sprites.h"

#include <cmath>
#include <vector>

#include "artgen/raster.h"

namespace kelmora::artgen {

namespace {

// ---- The fighter -----------------------------------------------------------------------------
//
// Drawn nose up in cell pixels around the cell centre. It must stay within 14.5 pixels of the
// centre so that every heading fits its cell; at heading 14 it doubles as the mouse pointer, so
// the nose is long and sharp and the wings swept like an arrowhead.

enum ShipRole { kHull = 1, kTrim, kGlass, kEngine, kFlash, kDark, kShipRoles = kDark };

constexpr Vec2 kGunMuzzles[] = {{5.8, -6.0}, {-5.8, -6.0}};

Polygon Spark(Vec2 centre, double forward, double back, double side, double waist) {
  const double d = waist * std::sqrt(0.5);
  return {{centre.x, centre.y - forward},  {centre.x + d, centre.y - d},
          {centre.x + side, centre.y},     {centre.x + d, centre.y + d},
          {centre.x, centre.y + back},     {centre.x - d, centre.y + d},
          {centre.x - side, centre.y},     {centre.x - d, centre.y - d}};
}

Scene FighterScene(bool firing) {
  Scene scene;
  auto add = [&scene](Polygon outline, int role, Shading shading, double bevel, double slope,
                      bool rounded, double tone = 1.0, double seam = 0.0) {
    scene.push_back({std::move(outline), role, shading, bevel, slope, rounded, tone, seam});
  };
  auto addPair = [&add](const Polygon& right, int role, Shading shading, double bevel,
                        double slope, bool rounded, double tone = 1.0, double seam = 0.0) {
    add(right, role, shading, bevel, slope, rounded, tone, seam);
    add(FlippedX(right), role, shading, bevel, slope, rounded, tone, seam);
  };

  // Engine glow behind the nozzles, under everything else.
  addPair(Ellipse({4.0, 11.6}, 1.35, 2.0), kEngine, Shading::kGlow, 1.2, 0, false);
  // Gun barrels, reaching ahead of the wings.
  addPair(RoundedRect(5.3, -6.0, 6.3, -1.0, 0.45), kDark, Shading::kMetal, 0.5, 1.0, true);
  // Main wing: one swept delta through the fuselage, a shade darker than the fuselage.
  add(Mirrored({{0, -6.0}, {3.0, -5.0}, {12.2, 5.2}, {12.6, 7.4}, {11.0, 8.2}, {5.0, 7.5},
                {3.4, 9.2}, {0, 9.2}}),
      kHull, Shading::kMetal, 1.2, 1.0, false, 0.78);
  // Painted wing tips.
  addPair({{8.5, 1.1}, {12.2, 5.2}, {12.6, 7.4}, {11.0, 8.2}, {8.5, 7.9}}, kTrim, Shading::kMetal,
          0.9, 1.0, false);
  // Engine nacelles.
  addPair(RoundedRect(2.6, 1.5, 5.4, 11.0, 1.2), kHull, Shading::kMetal, 1.4, 1.1, true, 0.85,
          0.3);
  // Fuselage: a long rounded spine with a needle nose.
  add(Mirrored({{0, -14.2}, {1.0, -11.5}, {2.2, -7.0}, {3.0, -2.0}, {3.2, 4.0}, {2.8, 9.5},
                {1.8, 11.0}, {0, 11.2}}),
      kHull, Shading::kMetal, 3.0, 1.1, true, 1.0, 0.45);
  // Canopy.
  add(Mirrored({{0, -9.5}, {1.1, -8.0}, {1.6, -5.5}, {1.4, -3.8}, {0, -3.0}}), kGlass,
      Shading::kGloss, 1.4, 1.3, true);

  if (firing) {
    for (const Vec2& muzzle : kGunMuzzles) {
      add(Spark({muzzle.x, muzzle.y - 1.2}, 3.4, 1.6, 2.3, 1.0), kFlash, Shading::kGlow, 1.1, 0,
          false);
    }
  }
  return scene;
}

std::vector<Ramp> FighterRamps(Livery livery) {
  const bool player = livery == Livery::kPlayer;
  const Range hull = player ? ranges::kSteel : ranges::kCrimson;
  const Range trim = player ? ranges::kCobalt : ranges::kAmber;
  Ramp flash;
  for (int i = 0; i <= kPureYellowIndex - ranges::kYellow.first; ++i) {
    flash.indices.push_back(ranges::kYellow[i]);
  }
  for (int i = 0; i < ranges::kOrange.count; ++i) flash.indices.push_back(ranges::kOrange[i]);
  std::vector<Ramp> ramps(kShipRoles);
  ramps[kHull - 1] = RampOf(hull);
  ramps[kTrim - 1] = RampOf(trim);
  ramps[kGlass - 1] = RampOf(ranges::kGlass);
  ramps[kEngine - 1] = RampOf(ranges::kPlasma);
  ramps[kFlash - 1] = flash;
  ramps[kDark - 1] = RampOf(hull, 6, 0);
  return ramps;
}

Scene Moved(Scene scene, Vec2 offset) {
  for (Part& part : scene) part.outline = Translated(std::move(part.outline), offset);
  return scene;
}

// How far to move a scene, in design units, for the opaque pixels of its upright rendering to
// balance on the middle of a square cell.
Vec2 CentringOffset(const Scene& scene, int cellSize, double scale) {
  const View view{cellSize, cellSize, {cellSize / 2.0, cellSize / 2.0}, scale, 0, 4};
  const std::vector<Ramp> ramps(16, RampOf(ranges::kGrey));
  const Vec2 centroid = OpaqueCentroid(Resolve(Render(scene, view), ramps, kPalette));
  const double middle = (cellSize - 1) / 2.0;
  return {(middle - centroid.x) / scale, (middle - centroid.y) / scale};
}

}  // namespace

IndexedImage ShipSprite(Livery livery, int heading, bool firing) {
  // The flashes must not pull the ship off centre: both versions move by the plain ship's offset.
  static const Vec2 offset = CentringOffset(FighterScene(false), kShipSize, 1.0);
  const Scene scene = Moved(FighterScene(firing), offset);
  const View view{kShipSize, kShipSize, {kShipSize / 2.0, kShipSize / 2.0}, 1.0, heading, 6};
  return Resolve(Render(scene, view), FighterRamps(livery), kPalette);
}

IndexedImage MissileSprite(int) { return IndexedImage(kMissileSize, kMissileSize); }

IndexedImage PickupSprite(PickupKind) { return IndexedImage(kPickupWidth, kPickupHeight); }

IndexedImage IconImage(int size) { return IndexedImage(size, size); }

}  // namespace kelmora::artgen
