#include "app/trace_digests.h"

#include <algorithm>
#include <bit>
#include <span>

#if defined(__x86_64__) && defined(__GNUC__) && !defined(KELMORA_NO_PROCESSOR_PATHS)
#include <immintrin.h>
#endif

#include "app/trace.h"
#include "core/hash.h"
#include "effects/particles.h"
#include "platform/display.h"
#include "state/state.h"

namespace kelmora {

namespace {

// The particles of one explosion that its digest covers.
struct ParticleSpans {
  std::span<const float> x;
  std::span<const float> y;
  std::span<const float> angle;
  std::span<const float> speed;
  std::span<const std::int32_t> colour;
};

// What the record digests are worked out from: views into the records, and the words gathered.
struct RecordInputs {
  std::vector<ParticleSpans> explosions;  // the occupied slots, in slot order
  std::array<std::vector<std::uint32_t>, 4> effects;
};

// The words of one digest, gathered so that several digests can be worked out side by side.
class Words {
 public:
  explicit Words(std::vector<std::uint32_t>& words) : words_(words) { words_.clear(); }
  void Int(std::int32_t value) { words_.push_back(static_cast<std::uint32_t>(value)); }
  void Float(float value) { words_.push_back(std::bit_cast<std::uint32_t>(value)); }

 private:
  std::vector<std::uint32_t>& words_;
};

void GatherTrail(Words& words, const TrailSystem& trail) {
  words.Float(trail.heading);
  words.Int(trail.active);
  words.Int(trail.baseColour);
  words.Int(trail.capColour);
  words.Int(trail.count);
  const std::size_t n = ParticlesHeld(
      trail.count,
      {trail.x.size(), trail.y.size(), trail.speed.size(), trail.colour.size(), trail.age.size()});
  for (std::size_t j = 0; j < n; ++j) {
    words.Float(trail.x[j]);
    words.Float(trail.y[j]);
    words.Float(trail.speed[j]);
    words.Int(trail.colour[j]);
    words.Int(trail.age[j]);
  }
}

void GatherStar(Words& words, const Star& star) {
  words.Float(star.x);
  words.Float(star.y);
  words.Int(star.speed);
  words.Int(star.colour);
  words.Float(star.heading);
  words.Int(star.thrust);
}

void GatherEffects(RecordInputs* inputs) {
  Words exhaust(inputs->effects[kExhaustTrails]);
  for (const auto& trail : effectState.exhaustTrails) {
    if (trail) GatherTrail(exhaust, *trail);
  }
  Words missile(inputs->effects[kMissileTrails]);
  for (const auto& trail : effectState.missileTrails) {
    if (trail) GatherTrail(missile, *trail);
  }
  Words stars(inputs->effects[kStarField]);
  for (const Star& star : effectState.stars) GatherStar(stars, star);
  for (const Star& star : effectState.starTails) GatherStar(stars, star);
  // Every slot of the table the last game built, whatever pickupCount says now.
  Words pickups(inputs->effects[kPickupTable]);
  for (const auto& pickup : world.pickupTable) {
    if (!pickup) continue;
    pickups.Int(pickup->x);
    pickups.Int(pickup->y);
    pickups.Int(pickup->kind);
    FeedRect(pickups, pickup->sourceRect);
  }
}

void TakeExplosions(RecordInputs* inputs) {
  inputs->explosions.clear();
  for (const auto& record : effectState.explosionRing) {
    if (!record) continue;
    const ExplosionSystem& system = *record;
    const std::size_t n =
        ParticlesHeld(system.count, {system.x.size(), system.y.size(), system.angle.size(),
                                     system.speed.size(), system.colour.size()});
    inputs->explosions.push_back({{system.x.data(), n},
                                  {system.y.data(), n},
                                  {system.angle.data(), n},
                                  {system.speed.data(), n},
                                  {system.colour.data(), n}});
  }
}

inline __attribute__((always_inline)) void HashParticle(Fnv1a64& hash, const ParticleSpans& p,
                                                        std::size_t j) {
  hash.Float(p.x[j]);
  hash.Float(p.y[j]);
  hash.Float(p.angle[j]);
  hash.Float(p.speed[j]);
  hash.Int(p.colour[j]);
}

// The digests of N explosions' particles side by side, each as far as it has particles: each
// digest is one long chain of multiplications, and the processor works on several at once.
template <std::size_t N>
void ExplosionGroup(const ParticleSpans* group, std::uint64_t* out) {
  std::size_t longest = 0;
  for (std::size_t s = 0; s < N; ++s) longest = std::max(longest, group[s].x.size());
  std::array<Fnv1a64, N> hashes;
  for (std::size_t j = 0; j < longest; ++j) {
    for (std::size_t s = 0; s < N; ++s) {
      if (j < group[s].x.size()) HashParticle(hashes[s], group[s], j);
    }
  }
  for (std::size_t s = 0; s < N; ++s) out[s] = hashes[s].Value();
}

// The digest of every explosion's particles, four (then two, then one) at a time.
void ExplosionHashes(std::span<const ParticleSpans> explosions, std::vector<std::uint64_t>* out) {
  out->assign(explosions.size(), 0);
  const std::size_t count = explosions.size();
  std::size_t g = 0;
  for (; g + 4 <= count; g += 4) ExplosionGroup<4>(&explosions[g], &(*out)[g]);
  if (g + 2 <= count) {
    ExplosionGroup<2>(&explosions[g], &(*out)[g]);
    g += 2;
  }
  if (g < count) ExplosionGroup<1>(&explosions[g], &(*out)[g]);
}

}  // namespace

void WorkOutRecordDigests(bool frameRan, RecordDigests* digests) {
  // Kept from line to line, so that their storage is reused.
  static RecordInputs inputs;
  TakeExplosions(&inputs);
  GatherEffects(&inputs);
  ExplosionHashes(inputs.explosions, &digests->explosions);
  // The blits' digest beside the effects': five chains of multiplications at once.
  const std::span<const std::uint32_t> blits =
      frameRan ? std::span<const std::uint32_t>(frameRecord.blitWords)
               : std::span<const std::uint32_t>();
  const auto words = HashWordsSideBySide<5>(
      {inputs.effects[0], inputs.effects[1], inputs.effects[2], inputs.effects[3], blits});
  std::copy(words.begin(), words.begin() + 4, digests->effects.begin());
  digests->blits = words[4];
}

namespace {

// The part of a surface the trace digests: at most 640x480 from its top left corner. No pixels:
// no surface.
struct SurfaceView {
  const std::uint8_t* pixels = nullptr;
  std::size_t width = 0;
  int height = 0;
  int pitch = 0;
};

SurfaceView ViewOf(const platform::Surface* surface) {
  if (surface == nullptr) return {};
  const int width =
      surface->Width() < platform::kScreenWidth ? surface->Width() : platform::kScreenWidth;
  const int height =
      surface->Height() < platform::kScreenHeight ? surface->Height() : platform::kScreenHeight;
  return {surface->Pixels(), static_cast<std::size_t>(width > 0 ? width : 0), height,
          surface->Pitch()};
}

// The widest row a view has: 640 bytes, ten blocks of 64.
constexpr std::size_t kRowBlocks = platform::kScreenWidth / 64;

#if defined(__x86_64__) && defined(__GNUC__) && !defined(KELMORA_NO_PROCESSOR_PATHS)
#define KELMORA_ROW_MASKS 1

// NonZeroBytes64 of each of the `blocks` blocks of a row, one 64-byte register each.
__attribute__((target("avx512f,avx512bw"))) void RowMasksByRegisters(const std::uint8_t* row,
                                                                     std::size_t blocks,
                                                                     std::uint64_t* masks) {
  for (std::size_t b = 0; b < blocks; ++b) {
    const __m512i bytes = _mm512_loadu_si512(row + 64 * b);
    masks[b] = _mm512_test_epi8_mask(bytes, bytes);
  }
}
#endif

// The non-zero bytes of each whole block of a row (`blocks` at most kRowBlocks), and a bit per
// block that has any.
std::uint32_t RowMasks(const std::uint8_t* row, std::size_t blocks, std::uint64_t* masks) {
#ifdef KELMORA_ROW_MASKS
  if (platform::ByteMasksAvailable()) {
    RowMasksByRegisters(row, blocks, masks);
  } else
#endif
  {
    for (std::size_t b = 0; b < blocks; ++b) masks[b] = NonZeroBytes64(row + 64 * b);
  }
  std::uint32_t present = 0;
  for (std::size_t b = 0; b < blocks; ++b)
    present |= static_cast<std::uint32_t>(masks[b] != 0) << b;
  return present;
}

// One row of a view: its blocks with non-zero bytes fed by their masks, the zero blocks
// between them counted, then the bytes past the last whole block.
void HashRow(SparseFnv1a64& hash, const std::uint8_t* row, std::size_t width,
             const std::uint64_t* masks, std::uint32_t present) {
  const std::size_t blocks = width / 64;
  std::size_t next = 0;
  for (; present != 0; present &= present - 1) {
    const auto b = static_cast<std::size_t>(std::countr_zero(present));
    hash.Zeros(64 * (b - next));
    hash.Masked64(row + 64 * b, masks[b]);
    next = b + 1;
  }
  hash.Zeros(64 * (blocks - next));
  hash.Bytes(row + 64 * blocks, width - 64 * blocks);
}

// The digests of N views of the same size, row by row without the pitch padding, each row of one
// beside the same row of the others.
template <std::size_t N>
std::array<std::uint64_t, N> ViewHashesSideBySide(const std::array<SurfaceView, N>& views) {
  std::array<SparseFnv1a64, N> hashes;
  const std::size_t width = views[0].width;
  const std::size_t blocks = width / 64;  // at most kRowBlocks
  std::uint64_t masks[N][kRowBlocks];
  std::array<const std::uint8_t*, N> rows{};
  for (std::size_t v = 0; v < N; ++v) rows[v] = views[v].pixels;
  for (int y = 0; y < views[0].height; ++y) {
    std::uint32_t present[N];
    for (std::size_t v = 0; v < N; ++v) present[v] = RowMasks(rows[v], blocks, masks[v]);
    for (std::size_t v = 0; v < N; ++v) {
      HashRow(hashes[v], rows[v], width, masks[v], present[v]);
      rows[v] += views[v].pitch;
    }
  }
  std::array<std::uint64_t, N> values{};
  for (std::size_t v = 0; v < N; ++v) values[v] = hashes[v].Value();
  return values;
}

std::uint64_t ViewHash(const SurfaceView& view) {
  if (view.pixels == nullptr) return Fnv1a64::kOffsetBasis;
  return ViewHashesSideBySide<1>({view})[0];
}

std::array<std::uint64_t, 2> ViewHashes(const SurfaceView& a, const SurfaceView& b) {
  if (a.pixels == nullptr || b.pixels == nullptr || a.width != b.width || a.height != b.height) {
    return {ViewHash(a), ViewHash(b)};
  }
  return ViewHashesSideBySide<2>({a, b});
}

}  // namespace

std::uint64_t SurfaceHash(const platform::Surface* surface) {
  return ViewHash(ViewOf(surface));
}

std::array<std::uint64_t, 2> SurfaceHashes(const platform::Surface* first,
                                           const platform::Surface* second) {
  return ViewHashes(ViewOf(first), ViewOf(second));
}

}  // namespace kelmora
