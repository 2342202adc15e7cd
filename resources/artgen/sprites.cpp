#include "artgen/sprites.h"

#include <cmath>
#include <vector>

#include "artgen/raster.h"

namespace kelmora::artgen {

namespace {

void AddPair(Scene& scene, const Part& right) {
  scene.push_back(right);
  Part left = right;
  left.outline = FlippedX(right.outline);
  left.tilt.x = -right.tilt.x;
  scene.push_back(std::move(left));
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

// Draws `rim` on every key-coloured pixel beside a drawn one.
IndexedImage WithRim(const IndexedImage& image, std::uint8_t rim) {
  IndexedImage out = image;
  auto drawn = [&image](int x, int y) { return image.inside(x, y) && image.at(x, y) != 0; };
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.at(x, y) != 0) continue;
      if (drawn(x - 1, y) || drawn(x + 1, y) || drawn(x, y - 1) || drawn(x, y + 1)) {
        out.at(x, y) = rim;
      }
    }
  }
  return out;
}

// Muzzle flashes and rocket flames: pale yellow at the core through orange.
Ramp FlashRamp() {
  Ramp flash;
  for (int i = 0; i <= kPureYellowIndex - ranges::kYellow.first; ++i) {
    flash.indices.push_back(ranges::kYellow[i]);
  }
  for (int i = 0; i < ranges::kOrange.count; ++i) flash.indices.push_back(ranges::kOrange[i]);
  return flash;
}

// A four-pointed burst, longest forward.
Polygon Spark(Vec2 centre, double forward, double back, double side, double waist) {
  const double d = waist * std::sqrt(0.5);
  return {{centre.x, centre.y - forward}, {centre.x + d, centre.y - d},
          {centre.x + side, centre.y},    {centre.x + d, centre.y + d},
          {centre.x, centre.y + back},    {centre.x - d, centre.y + d},
          {centre.x - side, centre.y},    {centre.x - d, centre.y - d}};
}

// ---- The fighter -----------------------------------------------------------------------------
//
// Drawn nose up in cell pixels around the cell centre. It must stay within 14.5 pixels of the
// centre so that every heading fits its cell; at heading 14 it doubles as the mouse pointer, so
// the nose is long and sharp and the wings swept like an arrowhead.

enum ShipRole { kHull = 1, kTrim, kGlass, kEngine, kFlash, kGun, kShipRoles = kGun };

// Pixels per design unit in the ship cells: the design is drawn a little large for clarity.
constexpr double kFighterScale = 0.88;

// Right-hand gun; the left one is its mirror.
constexpr Vec2 kGunMuzzle{5.8, -7.0};

Scene FighterScene(bool firing) {
  Scene scene;
  // Engine glow behind the nozzles, under everything else.
  AddPair(scene, Glow(Ellipse({4.0, 10.8}, 1.3, 1.8), kEngine, 1.2));
  // Gun barrels, reaching ahead of the wings.
  AddPair(scene, Tube(RoundedRect(kGunMuzzle.x - 0.5, kGunMuzzle.y, kGunMuzzle.x + 0.5, -2.2, 0.45),
                      kGun, 0.5));
  // Main wing: one swept delta through the fuselage, a shade darker than the fuselage, its two
  // halves canted up towards the tips.
  const Polygon wing{{0, -7.2},   {3.0, -6.2}, {12.2, 4.0}, {12.6, 6.2},
                     {11.0, 7.0}, {5.0, 6.3},  {3.4, 8.0},  {0, 8.0}};
  AddPair(scene, Plate(wing, kHull, 1.2).WithTone(0.8).WithTilt({0.12, 0}));
  // Painted wing tips.
  AddPair(scene, Plate({{8.5, -0.1}, {12.2, 4.0}, {12.6, 6.2}, {11.0, 7.0}, {8.5, 6.7}}, kTrim, 0.9)
                     .WithTilt({0.12, 0}));
  // Engine nacelles.
  AddPair(scene, Tube(RoundedRect(2.6, 1.0, 5.4, 10.2, 1.2), kHull, 1.4)
                     .WithSlope(1.1)
                     .WithTone(0.85)
                     .WithSeam(0.3));
  // Fuselage: a long rounded spine with a needle nose.
  const Polygon fuselage = Mirrored({{0, -13.6},
                                     {1.0, -11.0},
                                     {2.2, -6.8},
                                     {3.0, -2.0},
                                     {3.2, 4.0},
                                     {2.8, 9.0},
                                     {1.8, 10.2},
                                     {0, 10.4}});
  scene.push_back(Tube(fuselage, kHull, 3.0).WithSlope(1.1).WithSeam(0.45));
  // Canopy.
  scene.push_back(Tube(Mirrored({{0, -9.3}, {1.1, -7.8}, {1.6, -5.4}, {1.4, -3.7}, {0, -2.9}}),
                       kGlass, 1.4, Shading::kGloss)
                      .WithSlope(1.3));

  if (firing) {
    const Polygon flash = Spark({kGunMuzzle.x, kGunMuzzle.y - 1.6}, 4.0, 2.0, 2.7, 1.2);
    AddPair(scene, Glow(flash, kFlash, 1.4));
  }
  return scene;
}

std::vector<Ramp> FighterRamps(Livery livery) {
  const bool player = livery == Livery::kPlayer;
  const Range hull = player ? ranges::kSteel : ranges::kCrimson;
  const Range trim = player ? ranges::kCobalt : ranges::kAmber;
  std::vector<Ramp> ramps(kShipRoles);
  ramps[kHull - 1] = RampOf(hull);
  ramps[kTrim - 1] = RampOf(trim);
  ramps[kGlass - 1] = RampOf(ranges::kGlass);
  ramps[kEngine - 1] = RampOf(ranges::kPlasma);
  ramps[kFlash - 1] = FlashRamp();
  ramps[kGun - 1] = RampOf(hull, 6, 0);
  return ramps;
}

// ---- Missiles --------------------------------------------------------------------------------
//
// A stubby rocket, nose up around the middle of its 12x12 cell, with a flame at its tail.

enum MissileRole { kMissileBody = 1, kWarhead, kFins, kExhaust, kMissileRoles = kExhaust };

Scene MissileScene() {
  return {
      Glow(Ellipse({0, 4.2}, 1.15, 1.25), kExhaust, 0.8),
      Plate(Mirrored({{0, 0.4}, {1.1, 0.8}, {2.8, 2.8}, {2.8, 4.2}, {1.1, 3.6}, {0, 3.6}}), kFins,
            0.6),
      Tube(Mirrored({{0, -5.6}, {0.7, -4.7}, {1.25, -3.3}, {1.25, 3.1}, {0.9, 3.7}, {0, 3.7}}),
           kMissileBody, 1.25),
      Tube(Mirrored({{0, -5.6}, {0.7, -4.7}, {1.25, -3.3}, {1.25, -2.4}, {0, -2.4}}), kWarhead,
           1.25),
  };
}

std::vector<Ramp> MissileRamps() {
  std::vector<Ramp> ramps(kMissileRoles);
  ramps[kMissileBody - 1] = RampOf(ranges::kGrey);
  ramps[kWarhead - 1] = RampOf(ranges::kCrimson);
  ramps[kFins - 1] = RampOf(ranges::kCobalt);
  ramps[kExhaust - 1] = FlashRamp();
  return ramps;
}

// ---- Pickups ---------------------------------------------------------------------------------
//
// Hexagonal badges: a coloured metal rim (gold for missiles, green for shields, violet for
// weapon power) around a dark field with a bright emblem.

enum PickupRole { kRim = 1, kField, kEmblem, kEmblemDetail, kPickupRoles = kEmblemDetail };

Polygon Hexagon(double radius) {
  Polygon polygon;
  for (int i = 0; i < 6; ++i) {
    const double a = i * kPi / 3.0;
    polygon.push_back({radius * std::sin(a), -radius * std::cos(a)});
  }
  return polygon;
}

// The right half of a heater shield, `size` units from the middle to the tip.
Polygon ShieldHalf(double size) {
  return Scaled(
      {{0, -0.78}, {0.5, -0.98}, {0.92, -0.8}, {0.92, 0.05}, {0.72, 0.55}, {0.38, 0.86}, {0, 1.02}},
      size);
}

Polygon Bolt() {
  return {{2.0, -6.4}, {-3.2, 0.8}, {-0.3, 0.8}, {-1.9, 6.4}, {3.3, -1.1}, {0.4, -1.1}};
}

void AddMissileEmblem(Scene& scene) {
  const Polygon body = Mirrored({{0, -5.2}, {0.7, -4.0}, {1.15, -2.8}, {1.15, 3.2}, {0, 3.2}});
  const Polygon nose = Mirrored({{0, -5.2}, {0.7, -4.0}, {1.15, -2.8}, {1.15, -2.0}, {0, -2.0}});
  const Polygon fins = Mirrored({{0, 1.8}, {2.0, 4.3}, {0, 3.4}});
  for (double x : {-2.4, 2.4}) {
    scene.push_back(Plate(Translated(fins, {x, 0.3}), kEmblem, 0.5).WithTone(0.8));
    scene.push_back(Tube(Translated(body, {x, 0.3}), kEmblem, 1.15));
    scene.push_back(Tube(Translated(nose, {x, 0.3}), kEmblemDetail, 1.15));
  }
}

// Shields grow with the strength they restore.
void AddShieldEmblem(Scene& scene, int grade) {
  const double size = 3.0 + 1.1 * grade;
  // Two faces meeting at a ridge down the middle, one catching the light.
  AddPair(scene, Plate(Translated(ShieldHalf(size), {0, -0.2}), kEmblem, 0.9).WithTilt({-0.45, 0}));
}

Scene PickupScene(PickupKind kind) {
  Scene scene{
      Plate(Hexagon(8.9), kRim, 1.5),
      Plate(Hexagon(6.9), kField, 1.2, Shading::kMatte).WithSlope(-0.8).WithTone(0.55),
  };
  switch (kind) {
    case PickupKind::kMissiles:
      AddMissileEmblem(scene);
      break;
    case PickupKind::kSmallShield:
    case PickupKind::kMediumShield:
    case PickupKind::kLargeShield:
      AddShieldEmblem(scene, static_cast<int>(kind) - static_cast<int>(PickupKind::kSmallShield));
      break;
    case PickupKind::kPower:
      scene.push_back(Glow(Bolt(), kEmblem, 1.1));
      break;
  }
  return scene;
}

std::vector<Ramp> PickupRamps(PickupKind kind) {
  Range rim = ranges::kEmerald;
  Range emblem = ranges::kEmerald;
  if (kind == PickupKind::kMissiles) {
    rim = ranges::kGold;
    emblem = ranges::kGrey;
  } else if (kind == PickupKind::kPower) {
    rim = ranges::kViolet;
    emblem = ranges::kGold;
  }
  std::vector<Ramp> ramps(kPickupRoles);
  ramps[kRim - 1] = RampOf(rim);
  ramps[kField - 1] = RampOf(ranges::kSlate, 6, 0);
  ramps[kEmblem - 1] = RampOf(emblem);
  ramps[kEmblemDetail - 1] = RampOf(ranges::kCrimson);
  return ramps;
}

}  // namespace

IndexedImage ShipSprite(Livery livery, int heading, bool firing) {
  // The flashes must not pull the ship off centre: both versions move by the plain ship's offset.
  static const Vec2 offset = CentringOffset(FighterScene(false), kShipSize, kFighterScale);
  const Scene scene = Moved(FighterScene(firing), offset);
  const Vec2 centre{kShipSize / 2.0, kShipSize / 2.0};
  const View view{kShipSize, kShipSize, centre, kFighterScale, heading, 6};
  const std::vector<Ramp> ramps = FighterRamps(livery);
  // A dark rim round the silhouette keeps the ship readable over the menus it points at.
  return WithRim(Resolve(Render(scene, view), ramps, kPalette), ramps[kHull - 1].indices.back());
}

IndexedImage MissileSprite(int heading) {
  const View view{kMissileSize, kMissileSize, {kMissileSize / 2.0, kMissileSize / 2.0},
                  1.0,          heading,      6};
  return Resolve(Render(MissileScene(), view), MissileRamps(), kPalette);
}

IndexedImage PickupSprite(PickupKind kind) {
  // The game shrinks the icon by a pixel each way, which drops its last column and row: the badge
  // is centred on the part that is shown.
  const Vec2 centre{(kPickupWidth - 1) / 2.0, (kPickupHeight - 1) / 2.0};
  const View view{kPickupWidth, kPickupHeight, centre, 1.0, 0, 6};
  return Resolve(Render(PickupScene(kind), view), PickupRamps(kind), kPalette);
}

IndexedImage IconImage(int size) {
  // The icon has its own sixteen colours: these ramps are indices into kIconColours.
  enum IconRole { kBadge = kShipRoles + 1, kBadgeRim };
  std::vector<Ramp> ramps(kBadgeRim);
  ramps[kHull - 1] = {{1, 2, 3, 4, 5}};
  ramps[kTrim - 1] = {{6, 7, 8}};
  ramps[kGlass - 1] = {{9, 10, 8}};
  ramps[kEngine - 1] = {{9, 6, 10}};
  ramps[kFlash - 1] = {{11, 12}};
  ramps[kGun - 1] = {{4, 5}};
  ramps[kBadge - 1] = {{15, 13, 14}};
  ramps[kBadgeRim - 1] = {{11, 12, 5}};

  // The fighter climbing to the right across a navy disc with a gold rim; at the small size the
  // fighter alone, as large as it fits.
  const bool small = size < 24;
  Scene scene;
  if (!small) {
    scene.push_back(Tube(Ellipse({0, 0}, 15.0, 15.0, 64), kBadgeRim, 1.4));
    scene.push_back(
        Plate(Ellipse({0, 0}, 13.3, 13.3, 64), kBadge, 1.0, Shading::kMatte).WithSlope(-1.0));
  }
  const double shrink = small ? 1.0 : 0.86;
  const Scene fighter = Moved(FighterScene(false), CentringOffset(FighterScene(false), 30, 1.0));
  for (const Part& part : fighter) {
    Part scaled = part;
    scaled.outline = Scaled(part.outline, shrink);
    scaled.bevel *= shrink;
    scene.push_back(std::move(scaled));
  }
  const double scale = size / (small ? 27.0 : 31.0);
  const View view{size, size, {size / 2.0, size / 2.0}, scale, 2, 8};
  return Resolve(Render(scene, view), ramps, kIconColours, 0.4);
}

}  // namespace kelmora::artgen
