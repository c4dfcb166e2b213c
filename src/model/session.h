// The one state of the program: the problem, the settings, the derived data,
// the run bookkeeping and the map geometry.  `main` creates one Session and
// passes it by reference; nothing else holds mutable state.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/random_source.h"
#include "model/settings.h"
#include "model/tables.h"

namespace quorel {

// Where the program stands: the readers set kNoProblem or kLoadedIdle, run
// control and the solver move it between kLoadedIdle, kRunning and kStopped.
enum class RunState : std::int32_t {
  kNoProblem = 0,   // nothing loaded
  kLoadedIdle = 1,  // a problem loaded, not yet solved
  kRunning = 2,     // the solver is running
  kStopped = 3,     // the solver stopped; its positions may be continued
};
using enum RunState;

// A problem is loaded: every state but kNoProblem.
inline bool ProblemIsLoaded(RunState state) {
  return state != kNoProblem;
}
// A run was started on this problem and its positions stand: running or
// stopped.
inline bool RunHasBegun(RunState state) {
  return state == kRunning || state == kStopped;
}

struct Problem {
  int NObjects = 0;
  int NAttributes = 0;
  std::string Title;
  std::string Subtitle;

  // Pair tables, symmetric after a read.
  PairTable<float> Dissim;
  PairTable<Flag> DissimMissing;
  PairTable<float> DissimOriginal;
  PairTable<float> PairWeight;
  PairTable<float> MapWeight;
  PairTable<float> EffWeight;
  float MaxDissim = -1.0f;

  // Attribute table and its statistics.
  AttribTable<float> AttribValue;
  AttribTable<Flag> AttribMissing;
  AttribTable<float> AttribRank;
  std::vector<float> AttribMean = std::vector<float>(kMaxAttributes + 1, 0.0f);
  std::vector<float> AttribMin = std::vector<float>(kMaxAttributes + 1, 1e20f);
  std::vector<float> AttribMax = std::vector<float>(kMaxAttributes + 1, -1e20f);
  std::vector<float> AttribRange = std::vector<float>(kMaxAttributes + 1, 0.0f);
  std::vector<float> AttribMeanRank = std::vector<float>(kMaxAttributes + 1, 0.0f);

  // Objects and attributes.
  std::vector<std::string> ObjName = std::vector<std::string>(kMaxObjects + 1);
  std::vector<Flag> ObjParked = std::vector<Flag>(kMaxObjects + 1, 0);
  std::vector<Flag> ObjMarked = std::vector<Flag>(kMaxObjects + 1, 0);
  std::vector<Flag> AttribParked = std::vector<Flag>(kMaxAttributes + 1, 0);
  int NParkedObjects = 0;
  bool AnyObjMarked = false;

  // Coordinates: LocDim[d][i] is coordinate d (1..8) of object i.
  std::array<std::vector<float>, kMaxDimensions + 1> LocDim = [] {
    std::array<std::vector<float>, kMaxDimensions + 1> dims;
    for (auto& d : dims) d.assign(kMaxObjects + 1, 0.0f);
    return dims;
  }();

  // Problem flags, set by the readers.
  bool ProximitiesGiven = false;
  bool ProximitiesAreSimilarities = false;
  bool AttributesGiven = false;
  bool LocationsGiven = false;
  bool PairWeightsGiven = false;
  bool MapWeightsGiven = false;
  bool ParkedAttribsGiven = false;
  bool ObjNamesGiven = false;
  bool NoDataRangeChecks = false;
  bool ListSpaceSeen = false;
  bool SpecialCaseActive = false;
  bool KeepObjSetup = false;

  // Precision bookkeeping.
  int ProxDegradeNum = -100;
  int AttribDegradeNum = -100;
  int StartDegradeNum = -1;
  int DataDegradeNum = 12;
  int StartDimensionsNum = 0;
  int LocDimensionsNum = 0;

  // The additive constant of interval MDS.
  float IntervalConstant = 0.0f;

  // Counts every new problem (read, generated or cleared), so that a solver
  // run can tell that the problem it works on was replaced under it.
  long ProblemGeneration = 0;
};

// Derived data for ordinal MDS and the "+ Bounds" types.
struct DerivedData {
  PairTable<float> ErrBoundLower;
  PairTable<float> ErrBoundUpper;
  float MinPairDissim = 0.0f;
  float MaxPairDissim = 0.0f;

  // Ranked pairs: (i, j), j < i, both unparked and not missing, numbered
  // k = 1..NRankedPairs row by row.  FreePairIndex(i, j) = FreePairIndex(j, i)
  // = k, or 0 for a pair that is not ranked.  They are built when first
  // needed (prep/dissim_ranks.h: read them only after EnsureRanks).
  bool RanksUpToDate = false;
  int NRankedPairs = 0;
  PairTable<int> FreePairIndex;
  std::vector<int> DissimRank;  // index k, size NRankedPairs + 1
  std::vector<int> OrdUpperObjA, OrdUpperObjB, OrdLowerObjA, OrdLowerObjB;
  float OrdMinDissim = 0.0f;
  float OrdMaxDissim = 0.0f;

  // Objective normalisation.
  float ObjFnNormaliser = 2.0f;
  float ObjFnNormaliserInv = 0.5f;
  float Stress1Denominator = 2.0f;

  // MapDist(i, j): the distance last computed for the pair while i was moved.
  PairTable<float> MapDist;
};

// How a run decides by itself that it has converged.  The window's rule
// counts sweeps of small change (SmallChangeCount); the batch solver may add
// the relative rule, which ends a run once the objective fell by less than a
// small fraction of its value over the last sweeps.
enum class StopRule { kSmallChanges, kRelativeChange };

// What ended the last run, for the status shown to the user and the batch
// solver's report.
enum class RunEnd {
  kNone,            // no run yet, or one is going on
  kConverged,       // Auto Stop: enough sweeps of small change
  kRelativeChange,  // Auto Stop under the relative rule
  kSweepCap,        // Auto Repeat: the cap of sweeps per run
  kStoppedByUser,   // Stop, Start, or a click on the empty map
  kTooFewObjects,   // fewer than two free objects to place
  kRestart,         // Start during a run: a new run follows at once
};

// The objective values of the last sweeps of a run, for the relative rule.
struct ObjectiveWindow {
  static constexpr int kSweeps = 50;
  float values[kSweeps + 1] = {};  // a ring: the newest kSweeps + 1 values
  int count = 0;                   // values held, up to kSweeps + 1
  int next = 0;                    // where the next value goes
};

// Run bookkeeping of the solver and run control.
struct RunBook {
  quorel::RunState RunState = kNoProblem;
  int IterationCount = 0;
  int OrdinalIterationCount = 0;
  float ObjFnValue = 1e20f;
  float PrevObjFnValue = 1e20f;
  float BestObjFnValue = 1e20f;
  int RunCount = 0;
  int BestHitCount = 0;
  int SmallChangeCount = 0;
  StopRule StopRuleInForce = StopRule::kSmallChanges;
  ObjectiveWindow RecentObjFnValues;
  bool RelativeChangeMet = false;
  float ConvergeMoveLimit = 1e-6f;
  float ConvergeObjFnLimit = 1e-7f;
  int ConvergeCountLimit = 500;
  float StepFactor = 0.0f;
  double NextDisplayTime = 0.0;
  float BestTolerance = 5e-5f;
  std::vector<Flag> NAWarned = std::vector<Flag>(kMaxObjects + 1, 0);
  bool QuickStepsDone = false;
  bool StopRequested = false;
  bool RestartRequested = false;
  RunEnd LastRunEnd = RunEnd::kNone;
  bool SkipFinalRedraw = false;
  bool FileOpenError = false;
  // The best-found file of a series could not be written (its message was
  // shown); the batch solver reports it in its exit status.
  bool BestFoundWriteFailed = false;
  // A run of the series just reached the best value: its solution is to be
  // written to the best-found file before the next run begins.
  bool BestFoundPending = false;
  // What the resumable solver loop (solver/solver_loop.h) shows the
  // handlers: a loop is active from its entry to its end; handlers that run
  // the solver while a loop is active (or while a front end hosts the loop)
  // only set SolverEntryPending.
  bool LoopActive = false;
  bool SolverEntryPending = false;
  long long TotalSweeps = 0;
  long long PairEvaluations = 0;
};

// Screen geometry of the map, in twips (x right, y down on screen).
struct MapGeometry {
  int MapCentreX = 6000;
  int MapCentreY = 4000;
  int UnitRadius = 3200;
  int BoundaryRadiusPx = 3200;
  int BoundaryRadiusPxSq = 3200 * 3200;
  float MapScale = 1.0f / 3200.0f;
  int CentreLeft = 5800;
  int CentreTop = 3800;
  // Top-left corner of each object's circle.
  std::vector<int> CircleLeft = std::vector<int>(kMaxObjects + 1, 0);
  std::vector<int> CircleTop = std::vector<int>(kMaxObjects + 1, 0);
  // The parking area shpParking.
  int ParkingLeft = 10000;
  int ParkingTop = 500;
  int ParkingWidth = 1515;
  int ParkingHeight = 4410;
  int NCirclesLoaded = 0;
  bool FieldMode = false;
};

// Texts of the on-line buttons and labels, kept here so that the core can
// set them and the front end shows them on RefreshCaptions.
struct Captions {
  std::string cmdMDSType, cmdBadnessFns, cmdAttributeFns, cmdDimensions, cmdBoundary, cmdDegrade,
      cmdDistanceFns, cmdMappingWtFns;
  std::string lblObjFnValue, lblBestObjFnValue, lblInitialPositionsMsg;
};

// Keys held at the last mouse-down or key-down, and other shared state of
// the window.
struct Interaction {
  bool RotateBackward = false;  // Shift
  bool CtrlDown = false;
  bool AltDown = false;
  bool ReadWithoutDialog = false;
  bool SpecialCaseCancelled = false;
  bool UseBuiltInDefaults = false;
  // The object being dragged (0: none), set by the mouse from pick to drop.
  int SelectedObject = 0;
};

struct Session {
  Problem prob;
  Settings set;
  DerivedData derived;
  RunBook run;
  MapGeometry map;
  Captions captions;
  Interaction ui;
  RandomSource rnd;

  // Folder of the program (with a trailing "/"), and the folder in which the
  // defaults file is read and written (with a trailing "/").
  std::string AppFolder;
  std::string SettingsFolder;
  // The installed program's data folder (<prefix>/share/quorel/), or "" for
  // a program run from its build folder (see model/program_files.h).
  std::string DataFolder;

  Session() = default;
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  float Rnd() { return rnd.Next(); }
};

// The solver leaves an object where it is while it is marked and while the
// user drags it, so that a dragged circle stays under the pointer.
inline bool ObjectHeld(const Session& s, int i) {
  return s.prob.ObjMarked[i] || s.ui.SelectedObject == i;
}
inline bool AnyObjectHeld(const Session& s) {
  return s.prob.AnyObjMarked || s.ui.SelectedObject >= 1;
}

// The reset before a data file is read.
void ResetProblem(Session& s);

// Forgets the best value of the automatic-repeat series and starts it
// afresh, so that a series never compares values of different problems.
void ResetSeries(Session& s);

// The convergence limits of the run book from AutoStop and
// PrecisionLevelNum:
//   AutoStop off:     0,    0,    999999
//   level 0 (Low):    1e-4, 1e-6, 100
//   level 1 (Normal): 1e-6, 1e-7, 500
//   level 2 (High):   1e-7, 1e-8, 7000
// (ConvergeMoveLimit, ConvergeObjFnLimit, ConvergeCountLimit).  With AutoStop
// on and a level outside 0..2 the limits are left as they were.
void SetConvergenceLimits(Session& s);

// Sizes the object-by-object tables for a problem of n objects.  Whoever
// sets NObjects for a new problem calls it before filling the tables.
void SizePairTables(Session& s, int n);

}  // namespace quorel
