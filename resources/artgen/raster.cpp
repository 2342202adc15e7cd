#include "artgen/raster.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace kelmora::artgen {

namespace {

struct Vec3 {
  double x, y, z;
};

Vec3 Normalized(Vec3 v) {
  const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  return {v.x / length, v.y / length, v.z / length};
}

double Dot(Vec3 a, Vec3 b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

// Light from the upper left and a little in front; the viewer looks straight down.
const Vec3 kLight = Normalized({-0.6, -0.8, 0.7});
const Vec3 kHalfway = Normalized({kLight.x, kLight.y, kLight.z + 1.0});

struct Material {
  double ambient;
  double diffuse;
  double specular;
  double shininess;
};

Material MaterialOf(Shading shading) {
  switch (shading) {
    case Shading::kMetal:
      return {0.20, 0.68, 0.45, 28.0};
    case Shading::kGloss:
      return {0.18, 0.40, 1.30, 60.0};
    case Shading::kMatte:
      return {0.22, 0.70, 0.0, 1.0};
    case Shading::kGlow:
      break;
  }
  return {0, 0, 0, 1};
}

// Signed distance to a polygon's edge (positive inside) and the unit direction in which it grows.
struct Field {
  double distance;
  Vec2 inward;
};

Field Evaluate(const Polygon& polygon, Vec2 p) {
  double best = std::numeric_limits<double>::infinity();
  Vec2 nearest{};
  bool inside = false;
  const std::size_t n = polygon.size();
  for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
    const Vec2 a = polygon[j];
    const Vec2 b = polygon[i];
    const double ex = b.x - a.x;
    const double ey = b.y - a.y;
    const double lengthSquared = ex * ex + ey * ey;
    double t = lengthSquared > 0 ? ((p.x - a.x) * ex + (p.y - a.y) * ey) / lengthSquared : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const Vec2 q{a.x + ex * t, a.y + ey * t};
    const double dx = p.x - q.x;
    const double dy = p.y - q.y;
    const double distanceSquared = dx * dx + dy * dy;
    if (distanceSquared < best) {
      best = distanceSquared;
      nearest = q;
    }
    if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * ex / ey) inside = !inside;
  }
  const double distance = std::sqrt(best);
  Vec2 away{0, 0};
  if (distance > 0) away = {(p.x - nearest.x) / distance, (p.y - nearest.y) / distance};
  if (inside) return {distance, away};
  return {-distance, {-away.x, -away.y}};
}

struct Bounds {
  double left, top, right, bottom;
};

Bounds BoundsOf(const Polygon& polygon) {
  Bounds bounds{std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity(),
                -std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
  for (const Vec2& v : polygon) {
    bounds.left = std::min(bounds.left, v.x);
    bounds.top = std::min(bounds.top, v.y);
    bounds.right = std::max(bounds.right, v.x);
    bounds.bottom = std::max(bounds.bottom, v.y);
  }
  return bounds;
}

// Turns design vectors onto the screen. Quarter turns are done by exchanging coordinates, so a
// heading and the heading four steps on give exactly the same shape turned by a right angle.
class Turn {
 public:
  explicit Turn(int heading)
      : quarters_(((heading % 16) + 16) % 16 / 4),
        angle_((((heading % 16) + 16) % 16 % 4) * kPi / 8.0),
        cos_(std::cos(angle_)),
        sin_(std::sin(angle_)) {}

  // Screen direction of a design vector (clockwise on a screen whose y grows downwards).
  Vec2 ToScreen(Vec2 v) const {
    Vec2 r{v.x * cos_ - v.y * sin_, v.x * sin_ + v.y * cos_};
    for (int i = 0; i < quarters_; ++i) r = {-r.y, r.x};
    return r;
  }

  Vec2 ToDesign(Vec2 v) const {
    for (int i = 0; i < quarters_; ++i) v = {v.y, -v.x};
    return {v.x * cos_ + v.y * sin_, -v.x * sin_ + v.y * cos_};
  }

 private:
  int quarters_;
  double angle_;
  double cos_;
  double sin_;
};

// Steepness of a part's surface at `depth` units inside its edge.
double RimSlope(const Part& part, double depth) {
  if (depth >= part.bevel) return 0.0;
  if (!part.rounded) return part.slope;
  const double u = 1.0 - depth / part.bevel;
  const double slope = part.slope * u / std::sqrt(std::max(1e-4, 1.0 - u * u));
  return std::min(slope, 4.0 * part.slope);
}

double Shade(const Part& part, double depth, Vec2 inwardOnScreen, Vec2 tiltOnScreen) {
  if (part.shading == Shading::kGlow) {
    const double core = part.bevel > 0 ? std::min(1.0, depth / part.bevel) : 1.0;
    return part.tone * (0.4 + 0.6 * core);
  }
  const double slope = RimSlope(part, depth);
  const Vec3 normal = Normalized({-slope * inwardOnScreen.x - tiltOnScreen.x,
                                  -slope * inwardOnScreen.y - tiltOnScreen.y, 1.0});
  const Material m = MaterialOf(part.shading);
  const double diffuse = std::max(0.0, Dot(normal, kLight));
  const double specular = std::pow(std::max(0.0, Dot(normal, kHalfway)), m.shininess);
  double brightness = part.tone * (m.ambient + m.diffuse * diffuse) + m.specular * specular;
  if (depth < part.seam) brightness *= 0.3;
  return brightness;
}

}  // namespace

Part Part::WithTone(double value) const {
  Part part = *this;
  part.tone = value;
  return part;
}

Part Part::WithSeam(double width) const {
  Part part = *this;
  part.seam = width;
  return part;
}

Part Part::WithSlope(double value) const {
  Part part = *this;
  part.slope = value;
  return part;
}

Part Part::WithTilt(Vec2 value) const {
  Part part = *this;
  part.tilt = value;
  return part;
}

Part Plate(Polygon outline, int role, double bevel, Shading shading) {
  Part part;
  part.outline = std::move(outline);
  part.role = role;
  part.shading = shading;
  part.bevel = bevel;
  part.rounded = false;
  return part;
}

Part Tube(Polygon outline, int role, double bevel, Shading shading) {
  Part part = Plate(std::move(outline), role, bevel, shading);
  part.rounded = true;
  return part;
}

Part Glow(Polygon outline, int role, double falloff) {
  return Plate(std::move(outline), role, falloff, Shading::kGlow);
}

Polygon Mirrored(std::initializer_list<Vec2> rightSide) {
  Polygon polygon(rightSide);
  for (auto it = std::rbegin(rightSide); it != std::rend(rightSide); ++it) {
    if (it->x != 0.0) polygon.push_back({-it->x, it->y});
  }
  return polygon;
}

Polygon Ellipse(Vec2 centre, double rx, double ry, int segments) {
  Polygon polygon;
  for (int i = 0; i < segments; ++i) {
    const double a = 2.0 * kPi * i / segments;
    polygon.push_back({centre.x + rx * std::sin(a), centre.y - ry * std::cos(a)});
  }
  return polygon;
}

Polygon RoundedRect(double left, double top, double right, double bottom, double radius) {
  Polygon polygon;
  const Vec2 corners[] = {{right - radius, top + radius},
                          {right - radius, bottom - radius},
                          {left + radius, bottom - radius},
                          {left + radius, top + radius}};
  for (int c = 0; c < 4; ++c) {
    for (int i = 0; i <= 6; ++i) {
      const double a = (c * 90.0 + i * 15.0) * kPi / 180.0;
      polygon.push_back({corners[c].x + radius * std::sin(a), corners[c].y - radius * std::cos(a)});
    }
  }
  return polygon;
}

Polygon Translated(Polygon polygon, Vec2 offset) {
  for (Vec2& v : polygon) v = {v.x + offset.x, v.y + offset.y};
  return polygon;
}

Polygon Scaled(Polygon polygon, double factor) {
  for (Vec2& v : polygon) v = {v.x * factor, v.y * factor};
  return polygon;
}

Polygon FlippedX(Polygon polygon) {
  for (Vec2& v : polygon) v.x = -v.x;
  std::reverse(polygon.begin(), polygon.end());
  return polygon;
}

SampleGrid Render(const Scene& scene, const View& view) {
  SampleGrid grid;
  grid.width = view.width;
  grid.height = view.height;
  grid.samples = view.samples;
  const std::size_t count = static_cast<std::size_t>(view.width * view.height) *
                            static_cast<std::size_t>(view.samples * view.samples);
  grid.roles.assign(count, 0);
  grid.brightness.assign(count, 0.0f);

  std::vector<Bounds> bounds;
  for (const Part& part : scene) bounds.push_back(BoundsOf(part.outline));
  const Turn turn(view.heading);

  std::size_t slot = 0;
  for (int py = 0; py < view.height; ++py) {
    for (int px = 0; px < view.width; ++px) {
      for (int sy = 0; sy < view.samples; ++sy) {
        for (int sx = 0; sx < view.samples; ++sx, ++slot) {
          const Vec2 screen{px + (sx + 0.5) / view.samples, py + (sy + 0.5) / view.samples};
          const Vec2 p = turn.ToDesign(
              {(screen.x - view.origin.x) / view.scale, (screen.y - view.origin.y) / view.scale});
          for (std::size_t i = scene.size(); i-- > 0;) {
            const Bounds& b = bounds[i];
            if (p.x < b.left || p.x > b.right || p.y < b.top || p.y > b.bottom) continue;
            const Field field = Evaluate(scene[i].outline, p);
            if (field.distance <= 0) continue;
            grid.roles[slot] = static_cast<std::uint8_t>(scene[i].role);
            grid.brightness[slot] =
                static_cast<float>(Shade(scene[i], field.distance, turn.ToScreen(field.inward),
                                         turn.ToScreen(scene[i].tilt)));
            break;
          }
        }
      }
    }
  }
  return grid;
}

Ramp RampOf(Range range) {
  return RampOf(range, 0, 0);
}

Ramp RampOf(Range range, int skipBright, int skipDark) {
  Ramp ramp;
  for (int i = skipBright; i < range.count - skipDark; ++i) ramp.indices.push_back(range[i]);
  return ramp;
}

namespace {

struct Colour {
  double r = 0, g = 0, b = 0;
};

Colour ColourAt(const Ramp& ramp, std::span<const Rgb> colours, double brightness) {
  const int n = static_cast<int>(ramp.indices.size());
  const double position = std::clamp(1.0 - brightness, 0.0, 1.0) * (n - 1);
  const int i = std::min(static_cast<int>(position), n - 1);
  const int j = std::min(i + 1, n - 1);
  const double f = position - i;
  const Rgb a = colours[ramp.indices[i]];
  const Rgb b = colours[ramp.indices[j]];
  return {a.r + (b.r - a.r) * f, a.g + (b.g - a.g) * f, a.b + (b.b - a.b) * f};
}

std::uint8_t Nearest(const Ramp& ramp, std::span<const Rgb> colours, Colour target) {
  std::uint8_t best = ramp.indices.front();
  double bestDistance = std::numeric_limits<double>::infinity();
  for (std::uint8_t index : ramp.indices) {
    const Rgb c = colours[index];
    const double dr = c.r - target.r;
    const double dg = c.g - target.g;
    const double db = c.b - target.b;
    const double distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = index;
    }
  }
  return best;
}

}  // namespace

IndexedImage Resolve(const SampleGrid& grid, std::span<const Ramp> ramps,
                     std::span<const Rgb> colours, double threshold) {
  IndexedImage image(grid.width, grid.height);
  const int perPixel = grid.samples * grid.samples;
  std::size_t slot = 0;
  for (int y = 0; y < grid.height; ++y) {
    for (int x = 0; x < grid.width; ++x) {
      std::array<int, 256> coverage{};
      Colour sum;
      int covered = 0;
      for (int s = 0; s < perPixel; ++s, ++slot) {
        const int role = grid.roles[slot];
        if (role == 0) continue;
        ++covered;
        ++coverage[role];
        const Colour c = ColourAt(ramps[role - 1], colours, grid.brightness[slot]);
        sum.r += c.r;
        sum.g += c.g;
        sum.b += c.b;
      }
      if (covered < threshold * perPixel) continue;
      const int dominant =
          static_cast<int>(std::max_element(coverage.begin(), coverage.end()) - coverage.begin());
      const Colour mean{sum.r / perPixel, sum.g / perPixel, sum.b / perPixel};
      image.at(x, y) = Nearest(ramps[dominant - 1], colours, mean);
    }
  }
  return image;
}

Vec2 OpaqueCentroid(const IndexedImage& image) {
  double sx = 0, sy = 0;
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.at(x, y) == 0) continue;
      sx += x;
      sy += y;
      ++n;
    }
  }
  if (n == 0) return {0, 0};
  return {sx / n, sy / n};
}

}  // namespace kelmora::artgen
