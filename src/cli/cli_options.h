// Command line of quorel-solve.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "eval/evaluation_json.h"
#include "input/csv_import.h"

namespace quorel::cli {

// --mapping-weights FUNCTION[:m][,inverse]
struct MappingWeightsRequest {
  int function = 0;                    // MappingWtFunctionNum
  std::optional<double> adjustable_m;  // Adjustable only
  bool inverse = false;
};

struct Options {
  std::string data_file;
  int special_case = -1;
  std::vector<std::string> start_lines;  // "KEYWORD=VALUE"
  std::optional<float> minkowski;        // the Minkowski distance with this exponent
  std::optional<MappingWeightsRequest> mapping_weights;
  int precision_level = 1;
  int step_size = 1;
  int runs = 1;
  long max_sweeps = 0;             // 0: no limit beyond the solver's own
  bool classic_stop_rule = false;  // only the window's small-change count ends a run
  std::optional<std::uint32_t> seed;
  bool from_locations = false;
  std::string long_file;
  std::string short_file;
  std::string csv_file;             // --csv: the coordinates as a CSV table
  std::optional<CsvKind> csv_kind;  // --csv-kind: how a .csv data file is read
  bool json = false;
  std::vector<EvaluationKind> evaluations;  // --evaluate, in the order given
  bool details = false;                     // every link with --evaluate links
  bool quiet = false;
  bool help = false;
};

// Parses argv.  On a usage error returns false with `error` set.
bool ParseOptions(int argc, const char* const* argv, Options& options, std::string& error);

std::string UsageText();

// Whether --evaluate asked for `kind`.
bool Evaluates(const Options& options, EvaluationKind kind);

}  // namespace quorel::cli
