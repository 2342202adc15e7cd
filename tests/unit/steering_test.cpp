#include "game/steering.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace kelmora {
namespace {

// The angle as the game has always summed it from the C library's arcsine.
double Turned(ArcTurn turn, double quotient) {
  const double a = std::asin(quotient);
  switch (turn) {
    case ArcTurn::kNone:
      return a;
    case ArcTurn::kHalf:
      return a + kPi;
    case ArcTurn::kHalfTwice: {
      const double theta = a + kPi;
      return theta + kPi;
    }
    case ArcTurn::kWhole:
      return a + kTwoPi;
  }
  return 0.0;
}

std::int32_t SummedStep(ArcTurn turn, double quotient) {
  return TruncToInt(Turned(turn, quotient) / kTwoPi * 17.0);
}

constexpr ArcTurn kTurns[] = {ArcTurn::kNone, ArcTurn::kHalf, ArcTurn::kHalfTwice, ArcTurn::kWhole};

// Doubles in order: the next one up or down, `steps` times.
double Stepped(double value, std::int64_t steps) {
  const double toward = steps > 0 ? 2.0 : -2.0;
  for (std::int64_t i = 0; i < std::abs(steps); ++i) value = std::nextafter(value, toward);
  return value;
}

// The step of a quotient from the table equals the summed one; counts the mismatches and reports
// the first few.
class Mismatches {
 public:
  void Check(ArcTurn turn, double quotient) {
    const std::int32_t expected = SummedStep(turn, quotient);
    const std::int32_t got = ArcStep(turn, quotient);
    if (got != expected && ++count_ <= 5) {
      ADD_FAILURE() << "turn " << static_cast<int>(turn) << ", quotient " << std::hexfloat
                    << quotient << ": " << got << " instead of " << expected;
    }
  }
  int Count() const { return count_; }

 private:
  int count_ = 0;
};

TEST(ArcSteps, EachStepBeginsExactlyWhereTheSummedAngleReachesIt) {
  for (const ArcTurn turn : kTurns) {
    const ArcSteps& steps = kArcSteps[static_cast<std::size_t>(turn)];
    EXPECT_EQ(steps.first, SummedStep(turn, -1.0));
    EXPECT_EQ(steps.first + static_cast<std::int32_t>(steps.count), SummedStep(turn, 1.0));
    for (std::size_t k = 0; k < steps.count; ++k) {
      const double from = steps.from[k];
      const auto step = steps.first + static_cast<std::int32_t>(k) + 1;
      EXPECT_EQ(SummedStep(turn, from), step) << k;
      EXPECT_EQ(SummedStep(turn, Stepped(from, -1)), step - 1) << k;
      if (k > 0) {
        EXPECT_LT(steps.from[k - 1], from);
      }
    }
  }
}

TEST(ArcSteps, EqualTheSummedAngleAroundEveryStepAndAtRandom) {
  Mismatches mismatches;
  // The 65536 doubles either side of every step: the only places where the last bit of an
  // arcsine could move a truncation.
  for (const ArcTurn turn : kTurns) {
    const ArcSteps& steps = kArcSteps[static_cast<std::size_t>(turn)];
    for (std::size_t k = 0; k < steps.count; ++k) {
      double quotient = Stepped(steps.from[k], -65536);
      for (int i = 0; i < 2 * 65536; ++i) {
        mismatches.Check(turn, quotient);
        quotient = std::nextafter(quotient, 2.0);
      }
    }
  }
  // Two million random quotients spread evenly and two million spread over every scale.
  std::mt19937_64 random(42);
  std::uniform_real_distribution<double> even(-1.0, 1.0);
  for (int i = 0; i < 500000; ++i) {
    const double evenly = even(random);
    double scaled = std::bit_cast<double>(random() & 0x3FEFFFFFFFFFFFFFull);  // below 1
    if ((random() & 1) != 0) scaled = -scaled;
    for (const ArcTurn turn : kTurns) {
      mismatches.Check(turn, evenly);
      mismatches.Check(turn, scaled);
    }
  }
  for (const double edge : {-1.0, 1.0, 0.0, -0.0, std::numeric_limits<double>::denorm_min(),
                            -std::numeric_limits<double>::denorm_min()}) {
    for (const ArcTurn turn : kTurns) mismatches.Check(turn, edge);
  }
  EXPECT_EQ(mismatches.Count(), 0);
}

TEST(ArcSteps, EqualTheSummedAngleForTheDronesQuotientsNearEveryStep) {
  // A drone's quotient is a whole sideways distance over a float distance: for every distance in
  // the world, the float distances that put it within a few doubles of a step.
  Mismatches mismatches;
  for (std::int32_t dx = -65535; dx <= 65535; ++dx) {
    if (dx == 0) continue;
    for (const ArcTurn turn : kTurns) {
      const ArcSteps& steps = kArcSteps[static_cast<std::size_t>(turn)];
      for (std::size_t k = 0; k < steps.count; ++k) {
        const double from = steps.from[k];
        if (std::fabs(from) < 1e-9) continue;  // no whole distance over a float gets that close
        float d = static_cast<float>(static_cast<double>(dx) / from);
        for (int i = 0; i < 3; ++i) d = std::nextafter(d, 0.0f);
        for (int i = 0; i < 7; ++i) {
          mismatches.Check(turn, static_cast<double>(dx) / static_cast<double>(d));
          d = std::nextafter(
              d, d > 0 ? std::numeric_limits<float>::max() : -std::numeric_limits<float>::max());
        }
      }
    }
  }
  EXPECT_EQ(mismatches.Count(), 0);
}

TEST(ArcSteps, QuotientsWithoutAnArcsineGiveStepZero) {
  for (const ArcTurn turn : kTurns) {
    EXPECT_EQ(ArcStep(turn, 1.0000000000000002), 0);
    EXPECT_EQ(ArcStep(turn, -2.0), 0);
    EXPECT_EQ(ArcStep(turn, std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(SummedStep(turn, std::numeric_limits<double>::quiet_NaN()), 0);
  }
}

TEST(ArcSteps, HeadingsAreTheSteeringRuleOfTheSummedAngle) {
  // Negated, normalised into 0..15, and 0 without an angle, as SteeringHeading does it.
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> even(-1.0, 1.0);
  for (int i = 0; i < 20000; ++i) {
    const double quotient = even(random);
    for (const ArcTurn turn : kTurns) {
      for (const bool negated : {false, true}) {
        const double theta = Turned(turn, quotient);
        const float expected = SteeringHeading(true, negated ? -theta : theta);
        const float got = ArcSteeringHeading(true, turn, negated, quotient);
        ASSERT_EQ(std::bit_cast<std::uint32_t>(got), std::bit_cast<std::uint32_t>(expected))
            << quotient;
      }
    }
  }
  EXPECT_EQ(ArcSteeringHeading(false, ArcTurn::kHalf, true, 0.5), 0.0f);
}

}  // namespace
}  // namespace kelmora
