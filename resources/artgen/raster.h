// Shaded vector artwork: shapes described as layered polygons in design units, rendered at any
// size and heading with supersampling, then brought into palette ramps.
//
// Each part is a flat-topped plate whose rim rises over `bevel` units, so its edges catch the
// light like pressed metal; the light comes from one fixed direction on the screen (upper left),
// whatever way the shape is turned.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "artgen/image.h"
#include "artgen/palette.h"

namespace kelmora::artgen {

inline constexpr double kPi = 3.14159265358979323846;

struct Vec2 {
  double x = 0;
  double y = 0;
};

using Polygon = std::vector<Vec2>;

// A polygon drawn from the nose (x = 0, y < 0) down its right side; the left side is its mirror.
Polygon Mirrored(std::initializer_list<Vec2> rightSide);
Polygon Ellipse(Vec2 centre, double rx, double ry, int segments = 40);
Polygon RoundedRect(double left, double top, double right, double bottom, double radius);
Polygon Translated(Polygon polygon, Vec2 offset);
Polygon Scaled(Polygon polygon, double factor);
Polygon FlippedX(Polygon polygon);

enum class Shading : std::uint8_t {
  kMetal,  // diffuse with a soft sheen
  kGloss,  // glass: darker body, sharp bright highlight
  kGlow,   // lights its own colour, brightest in the middle
  kMatte,  // diffuse only
};

struct Part {
  Polygon outline;
  int role = 0;  // which ramp it is painted from, 1 or more (0 means nothing)
  Shading shading = Shading::kMetal;
  double bevel = 1.0;   // width of the rim, design units
  double slope = 1.0;   // steepness of the rim at its outer edge
  bool rounded = true;  // rim curves like a tube rather than a straight chamfer
  double tone = 1.0;    // brightness scale of the whole part
  double seam = 0.0;    // width of a dark line drawn along its edge, design units
  Vec2 tilt;            // rise of the flat top per design unit along x and y

  Part WithTone(double value) const;
  Part WithSeam(double width) const;
  Part WithSlope(double value) const;
  Part WithTilt(Vec2 value) const;
};

// A pressed plate with a straight chamfer round its edge.
Part Plate(Polygon outline, int role, double bevel, Shading shading = Shading::kMetal);
// A body rounded like a tube over `bevel` units from its edge.
Part Tube(Polygon outline, int role, double bevel, Shading shading = Shading::kMetal);
// A light: its colour at full strength `falloff` units inside its edge.
Part Glow(Polygon outline, int role, double falloff);

using Scene = std::vector<Part>;  // painted in order: later parts lie on top

// Where and how a scene is put into an image.
struct View {
  int width = 0;
  int height = 0;
  Vec2 origin;         // pixel position of the design origin
  double scale = 1.0;  // pixels per design unit
  int heading = 0;     // 0..15 clockwise in 22.5-degree steps, 0 keeps the design as drawn
  int samples = 6;     // per pixel along each axis
};

// Samples of a scene: for each pixel, samples x samples (role, brightness) pairs.
struct SampleGrid {
  int width = 0;
  int height = 0;
  int samples = 0;
  std::vector<std::uint8_t> roles;
  std::vector<float> brightness;
};

SampleGrid Render(const Scene& scene, const View& view);

// The palette indices a role is painted from, brightest first.
struct Ramp {
  std::vector<std::uint8_t> indices;
};

Ramp RampOf(Range range);
Ramp RampOf(Range range, int skipBright, int skipDark);

// Averages each pixel's samples over a black background and picks the nearest entry of the ramp
// of the role that covers most of the pixel. Pixels less than `threshold` covered stay index 0.
// `ramps[role - 1]` belongs to role; `colours` gives each palette index its colour.
IndexedImage Resolve(const SampleGrid& grid, std::span<const Ramp> ramps,
                     std::span<const Rgb> colours, double threshold = 0.3);

// Mean position of the opaque pixels of an image, in pixel-centre coordinates.
Vec2 OpaqueCentroid(const IndexedImage& image);

}  // namespace kelmora::artgen
