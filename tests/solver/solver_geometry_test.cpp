// Boundary projections, the X-Y emphasis, runaway resets and the vectorised
// Stress step.
#include "solver/solver_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "control/run_control.h"
#include "solver/solver_fixture.h"
#include "solver/solver_sweep.h"
#include "solver/stress_euclidean.h"
#include "solver/vector_kernels.h"

namespace quorel {
namespace {

float SumOfSquares(const float x[8], int from) {
  float s = 0;
  for (int k = from; k < 8; ++k) s += x[k] * x[k];
  return s;
}

TEST(Boundary, ProjectionsKeepEveryCoordinateWithinTheRadius) {
  std::mt19937 gen(3);
  std::uniform_real_distribution<float> wide(-3.0f, 3.0f);
  for (float r : {0.0f, 0.25f, 0.7f, 1.0f}) {
    for (int trial = 0; trial < 500; ++trial) {
      float x[8];
      for (float& v : x) v = wide(gen);
      float circular[8], path[8], square[8];
      std::copy(x, x + 8, circular);
      std::copy(x, x + 8, path);
      std::copy(x, x + 8, square);
      ApplyBoundary(0, r, circular);
      ApplyBoundary(1, r, path);
      ApplyBoundary(2, r, square);
      EXPECT_LE(SumOfSquares(circular, 0), r * r * 1.0001f + 1e-7f);
      EXPECT_LE(SumOfSquares(path, 1), r * r * 1.0001f + 1e-5f);
      EXPECT_EQ(path[0], x[0]);  // the path leaves coordinate 1 free
      for (int k = 0; k < 8; ++k) {
        EXPECT_LE(std::fabs(circular[k]), r * 1.00001f + 1e-7f);
        if (k > 0) {
          EXPECT_LE(std::fabs(path[k]), r * 1.00001f + 1e-7f);
        }
        EXPECT_LE(std::fabs(square[k]), r);
        // Projection along the ray: signs are kept.
        EXPECT_GE(circular[k] * x[k], 0.0f);
      }
    }
  }
}

TEST(Boundary, InsidePointsStayAndTheRayIsKept) {
  float inside[8] = {0.3f, -0.2f, 0.1f, 0, 0, 0, 0, 0};
  float copy[8];
  std::copy(inside, inside + 8, copy);
  ApplyBoundary(0, 1.0f, copy);
  for (int k = 0; k < 8; ++k) EXPECT_EQ(copy[k], inside[k]);
  float outside[8] = {3.0f, 4.0f, 0, 0, 0, 0, 0, 0};
  ApplyBoundary(0, 1.0f, outside);
  EXPECT_NEAR(outside[0], 0.6f, 1e-6f);
  EXPECT_NEAR(outside[1], 0.8f, 1e-6f);
  // On the vertical axis (x1 = 0) the projection collapses everything to 0.
  float axis[8] = {0.0f, 2.0f, 0.5f, 0, 0, 0, 0, 0};
  ApplyBoundary(0, 1.0f, axis);
  for (float v : axis) EXPECT_EQ(v, 0.0f);
  // The path bounds coordinates 2..8 only: a point far out along coordinate 1
  // but within the radius in the others stays.
  float along[8] = {7.0f, 0.6f, -0.5f, 0, 0, 0, 0, 0};
  std::copy(along, along + 8, copy);
  ApplyBoundary(1, 1.0f, copy);
  for (int k = 0; k < 8; ++k) EXPECT_EQ(copy[k], along[k]);
  float corner[8] = {2.0f, -0.5f, 1.5f, -3.0f, 0, 0, 0, 0};
  ApplyBoundary(2, 1.0f, corner);
  EXPECT_EQ(corner[0], 1.0f);
  EXPECT_EQ(corner[1], -0.5f);
  EXPECT_EQ(corner[2], 1.0f);
  EXPECT_EQ(corner[3], -1.0f);
}

TEST(Boundary, ARunInsideAHalfSizeCircleStaysInside) {
  testing::EmbeddedProblem e;
  testing::BuildEmbedded(e, 12, 2);
  Session& s = *e.session;
  s.set.ConstraintRadius = 0.3f;
  cmdStart_Click(s, e.platform);
  for (int i = 1; i <= 12; ++i) {
    float r2 = 0;
    for (int d = 1; d <= 8; ++d) r2 += s.prob.LocDim[d][i] * s.prob.LocDim[d][i];
    // Each step ends inside; the recentring after the sweep may then shift
    // the configuration by a little.
    EXPECT_LE(std::sqrt(r2), 0.3f * 1.02f) << i;
  }
  EXPECT_TRUE(std::isfinite(s.run.ObjFnValue));
  EXPECT_GT(s.run.ObjFnValue, 0.01f);  // the points cannot all fit
}

TEST(Emphasis, ShrinksHigherCoordinatesEarlyInARun) {
  Session s;
  s.prob.NObjects = 20;
  s.set.DimensionsNum = 4;
  s.run.IterationCount = 120;
  float x[8] = {1, 1, 1, 1, 1, 1, 1, 1};
  ApplyXYEmphasis(s, x);
  EXPECT_EQ(x[0], 1.0f);
  EXPECT_EQ(x[2], 0.9f);
  EXPECT_EQ(x[3], 0.8f);
  EXPECT_EQ(x[7], 0.7f);
  s.run.IterationCount = 200;
  float late[8] = {1, 1, 1, 1, 1, 1, 1, 1};
  ApplyXYEmphasis(s, late);
  EXPECT_EQ(late[2], 1.0f);
  s.prob.NObjects = 5;
  s.run.IterationCount = 34;
  float early[8] = {1, 1, 1, 1, 1, 1, 1, 1};
  ApplyXYEmphasis(s, early);
  EXPECT_EQ(early[2], 0.3f);
  EXPECT_EQ(early[3], 0.1f);
  s.prob.LocationsGiven = true;  // given locations are never flattened
  float kept[8] = {1, 1, 1, 1, 1, 1, 1, 1};
  ApplyXYEmphasis(s, kept);
  EXPECT_EQ(kept[2], 1.0f);
}

TEST(Runaway, FarCoordinatesAreBroughtBack) {
  Session s;
  float x[8] = {-2000, 1500, 50, 11, -12, 9, 0, 0};
  ResetRunaway(s, x);
  EXPECT_LE(x[0], 0.0f);
  EXPECT_GT(x[0], -1.0f);
  EXPECT_NEAR(x[1], 21 * x[0] + 0.5f, 1.0f);
  EXPECT_EQ(x[2], 50.0f);  // coordinate 3 is not checked
  EXPECT_EQ(x[3], 0.2f);
  EXPECT_EQ(x[4], -0.2f);
  EXPECT_EQ(x[5], 9.0f);
}

TEST(StepFactor, ByObjectiveValueAndStepSize) {
  Session s;
  s.run.ObjFnValue = 1e20f;
  s.set.StepSizeNum = 0;
  EXPECT_FLOAT_EQ(SweepStepFactor(s), 1.5f * 0.15f);
  s.run.ObjFnValue = 10;
  s.set.StepSizeNum = 1;
  EXPECT_FLOAT_EQ(SweepStepFactor(s), 1.5f * 0.5f / 10);
  s.run.ObjFnValue = 1;
  s.set.StepSizeNum = 2;
  EXPECT_FLOAT_EQ(SweepStepFactor(s), 1.5f * 1.2f / 145);
  s.set.MDSAnalysisTypeNum = 4;  // ordinal shifts the step size code
  s.set.StepSizeNum = 0;
  EXPECT_FLOAT_EQ(SweepStepFactor(s), 1.5f * 1.2f / (9 * 0.4f * 0.4f * 0.4f * 0.4f + 1));
}

// The vectorised step gives the sums of the reference evaluation.
TEST(StressEuclidean, EqualsTheReferenceEvaluation) {
  for (int dims : {1, 2, 3, 5, 8}) {
    for (int type : {0, 2}) {
      testing::EmbeddedProblem e;
      testing::BuildEmbedded(e, 67, 3, 17);
      Session& s = *e.session;
      std::mt19937 gen(dims * 10 + type);
      std::uniform_real_distribution<float> unit(-0.5f, 0.5f);
      for (int i = 1; i <= 67; ++i)
        for (int d = 1; d <= dims; ++d) s.prob.LocDim[d][i] = unit(gen);
      s.prob.LocDim[1][9] = s.prob.LocDim[1][8];  // a coincident pair
      for (int d = 2; d <= dims; ++d) s.prob.LocDim[d][9] = s.prob.LocDim[d][8];
      s.prob.ObjParked[5] = 1;
      testing::SetMissing(s, 3, 4);
      testing::SetWeight(s, 3, 7, 0.25f);
      s.set.MDSAnalysisTypeNum = type;
      s.prob.IntervalConstant = type == 2 ? 0.05f : 0.0f;
      s.set.DimensionsNum = dims;
      ASSERT_TRUE(StressEuclideanApplies(s.set));
      for (int i : {1, 3, 8, 9, 40, 67})
        for (bool plane_kernel : {true, false}) {
          ObjectStep reference, fast;
          EvaluateObject(s, i, reference, 8);
          std::vector<float> reference_dist(s.derived.MapDist.Row(i),
                                            s.derived.MapDist.Row(i) + 68);
          s.derived.MapDist.Fill(-1.0f);
          float weight_sum = 0;
          EvaluateObjectStressEuclidean(s, i, dims, fast, weight_sum, plane_kernel);
          EXPECT_EQ(fast.partners, reference.partners);
          EXPECT_NEAR(fast.badness_sum, reference.badness_sum,
                      1e-5f * reference.badness_sum + 1e-7f);
          EXPECT_NEAR(fast.interval_derivative, reference.interval_derivative,
                      1e-4f * std::fabs(reference.interval_derivative) + 1e-5f);
          for (int k = 0; k < 8; ++k)
            EXPECT_NEAR(fast.gradient[k], reference.gradient[k],
                        1e-4f * std::fabs(reference.gradient[k]) + 1e-5f)
                << "dims " << dims << " object " << i << " k " << k;
          EXPECT_FLOAT_EQ(weight_sum, UsableWeightSum(s, i));
          for (int j = 1; j <= 67; ++j) {
            bool usable = j != i && !s.prob.ObjParked[j] && !s.prob.DissimMissing(i, j);
            if (usable)
              EXPECT_EQ(s.derived.MapDist(i, j), reference_dist[j]) << i << " " << j;
            else
              EXPECT_EQ(s.derived.MapDist(i, j), -1.0f);
          }
        }
    }
  }
}

TEST(StressEuclidean, AppliesOnlyToStressEuclideanRatioAndInterval) {
  Settings t;
  t.BadnessFunctionNum = 0;
  EXPECT_TRUE(StressEuclideanApplies(t));
  t.BadnessFunctionNum = 2;
  EXPECT_FALSE(StressEuclideanApplies(t));
  t.BadnessFunctionNum = 1;
  t.MDSAnalysisTypeNum = 1;
  EXPECT_FALSE(StressEuclideanApplies(t));
  t.MDSAnalysisTypeNum = 2;
  t.DistanceFunctionNum = 1;
  EXPECT_FALSE(StressEuclideanApplies(t));
}

// The second run of the core tests sets the variable; the plain loops must
// then really be the ones under test.
TEST(VectorKernels, TheEnvironmentVariableTurnsThemOff) {
  for (const char* off : {"1", "yes"}) EXPECT_TRUE(VectorKernelsTurnedOff(off)) << off;
  for (const char* on : {static_cast<const char*>(nullptr), "", "0"})
    EXPECT_FALSE(VectorKernelsTurnedOff(on));
  if (VectorKernelsTurnedOff(std::getenv("QUOREL_NO_VECTOR_KERNELS"))) {
    EXPECT_FALSE(VectorKernelsInUse());
  }
}

}  // namespace
}  // namespace quorel
