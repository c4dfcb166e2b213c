#include "cli/cli_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>

#include "control/objective_choice.h"
#include "input/csv_import_command.h"
#include "model/settings.h"
#include "prep/mapping_weights_choice.h"

namespace quorel::cli {
namespace {

template <class T>
bool WholeNumber(std::string_view text, T low, T high, T& value) {
  T parsed{};
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (ec != std::errc() || end != text.data() + text.size()) return false;
  if (parsed < low || parsed > high) return false;
  value = parsed;
  return true;
}

bool Level(std::string_view text, const char* low, const char* normal, const char* high, int& out) {
  if (text == low)
    out = 0;
  else if (text == normal)
    out = 1;
  else if (text == high)
    out = 2;
  else
    return false;
  return true;
}

bool MinkowskiExponent(std::string_view text, std::optional<float>& out) {
  double p = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), p);
  if (ec != std::errc() || end != text.data() + text.size() || !MinkowskiExponentAllowed(p))
    return false;
  out = static_cast<float>(p);
  return true;
}

bool SameLetters(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

// FUNCTION[:m][,inverse]
bool MappingWeights(std::string_view text, MappingWeightsRequest& out) {
  MappingWeightsRequest request;
  if (size_t comma = text.find(','); comma != std::string_view::npos) {
    if (text.substr(comma + 1) != "inverse") return false;
    request.inverse = true;
    text = text.substr(0, comma);
  }
  if (size_t colon = text.find(':'); colon != std::string_view::npos) {
    std::string_view number = text.substr(colon + 1);
    double m = 0;
    auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), m);
    if (ec != std::errc() || end != number.data() + number.size()) return false;
    if (!AdjustableMappingWtAllowed(m)) return false;
    request.adjustable_m = m;
    text = text.substr(0, colon);
  }
  request.function = -1;
  for (int code = 0; code <= MaxMappingWtFunctionNum; ++code)
    if (SameLetters(text, MappingWtFunctionName[code])) request.function = code;
  if (request.function < 0) return false;
  if (request.adjustable_m && request.function != MaxMappingWtFunctionNum) return false;
  out = request;
  return true;
}

bool Kind(std::string_view text, std::optional<CsvKind>& out) {
  for (CsvKind kind : {CsvKind::kDissimilarities, CsvKind::kSimilarities, CsvKind::kAttributes})
    if (text == CsvKindName(kind)) out = kind;
  return out.has_value();
}

}  // namespace

std::string UsageText() {
  return "usage: quorel-solve [options] DATAFILE\n"
         "       quorel-solve [options] --special N\n"
         "\n"
         "Solves an MDS problem with the built-in settings and prints the result.\n"
         "DATAFILE is a data file, or a table of values in a .csv file.\n"
         "\n"
         "  --set KEYWORD=VALUE      a START setting, read as if the line stood at the end\n"
         "                           of the data file (repeatable); with --special N it is\n"
         "                           applied to the generated case.  Like that line it\n"
         "                           computes no mapping weights: STARTMappingWtFunctionNum\n"
         "                           only names the function (see --mapping-weights)\n"
         "  --minkowski P            the Minkowski distance with exponent P (0.5 to 3.0, the\n"
         "                           range of the Objective Functions dialog), set as its OK\n"
         "                           sets it, after the --set settings\n"
         "  --mapping-weights FUNCTION[:m][,inverse]\n"
         "                           compute mapping weights as the Mapping Weights dialog\n"
         "                           does: none, weak, linear, strong or adjustable; m for\n"
         "                           adjustable only, from -194 to 0.995 (default 0, the\n"
         "                           linear curve); inverse for the complementary form\n"
         "  --precision low|normal|high   convergence precision (default normal)\n"
         "  --step large|normal|small     step size (default normal)\n"
         "  --runs N                 N runs from random starts with automatic repeat; the\n"
         "                           best is written to QuorelSolnBestFound.txt\n"
         "  --max-sweeps N           end each run after at most N sweeps\n"
         "  --stop-rule relative|classic  relative (default): a run also ends once the\n"
         "                           objective changed by less than 1e-5 of its value\n"
         "                           (1e-4 low, 1e-6 high precision) over 50 sweeps;\n"
         "                           classic: only the window's count of small changes\n"
         "  --seed N                 seed of the random starts\n"
         "  --from-locations         continue from the data file's LOCATIONLIST\n"
         "  --out FILE               write the solution (of the last run) in the long format\n"
         "  --short FILE             write the solution in the short format\n"
         "  --csv FILE               write the coordinates as a CSV table\n"
         "  --csv-kind dissimilarities|similarities|attributes\n"
         "                           what the values of a .csv data file are (default:\n"
         "                           guessed from the shape of the table)\n"
         "  --json                   print one line of JSON with the result on stdout\n"
         "  --evaluate links|objects|attributes\n"
         "                           print the measures of that evaluation window for the\n"
         "                           solved map as one line of JSON (repeatable): links\n"
         "                           gives their count n, the mean and sd of the relative\n"
         "                           stretch and the Shepard Rsq and standard error;\n"
         "                           objects each active object's objective share and\n"
         "                           out-of-plane tendency with their statistics;\n"
         "                           attributes each attribute's best angle, a, b and Rsq\n"
         "  --details                with --evaluate links: every link's Dij, dij, stretch\n"
         "  --quiet                  no progress line\n"
         "  --help                   this text\n"
         "\n"
         "Ctrl+C (or SIGTERM) stops the run; the files asked for are still written.\n"
         "\n"
         "Exit status:\n"
         "  0    solved, every file asked for written\n"
         "  1    a file asked for (--out, --short, the best-found file of --runs)\n"
         "       could not be written\n"
         "  2    usage error, or a --set value the data file reader would repair\n"
         "  3    problem refused\n"
         "  4    internal error\n"
         "  5    interrupted before the solver began; nothing written\n"
         "  130  interrupted; the files asked for were written\n";
}

bool Evaluates(const Options& options, EvaluationKind kind) {
  return std::find(options.evaluations.begin(), options.evaluations.end(), kind) !=
         options.evaluations.end();
}

bool ParseOptions(int argc, const char* const* argv, Options& o, std::string& error) {
  for (int k = 1; k < argc; ++k) {
    std::string_view arg = argv[k];
    auto value = [&](std::string_view& out) {
      if (k + 1 >= argc) {
        error = std::string(arg) + " needs a value";
        return false;
      }
      out = argv[++k];
      return true;
    };
    std::string_view v;
    if (arg == "--help" || arg == "-h") {
      o.help = true;
    } else if (arg == "--json") {
      o.json = true;
    } else if (arg == "--details") {
      o.details = true;
    } else if (arg == "--evaluate") {
      std::optional<EvaluationKind> kind;
      if (!value(v) || !(kind = EvaluationKindNamed(v))) {
        if (error.empty()) error = "--evaluate wants links, objects or attributes";
        return false;
      }
      o.evaluations.push_back(*kind);
    } else if (arg == "--quiet") {
      o.quiet = true;
    } else if (arg == "--from-locations") {
      o.from_locations = true;
    } else if (arg == "--set") {
      if (!value(v)) return false;
      if (v.find('=') == std::string_view::npos) {
        error = "--set wants KEYWORD=VALUE, not " + std::string(v);
        return false;
      }
      o.start_lines.emplace_back(v);
    } else if (arg == "--minkowski") {
      if (!value(v) || !MinkowskiExponent(v, o.minkowski)) {
        if (error.empty()) error = "--minkowski wants an exponent from 0.5 to 3.0";
        return false;
      }
    } else if (arg == "--mapping-weights") {
      MappingWeightsRequest request;
      if (!value(v) || !MappingWeights(v, request)) {
        if (error.empty())
          error =
              "--mapping-weights wants FUNCTION[:m][,inverse]: none, weak, linear, strong or "
              "adjustable; m for adjustable only, from -194 to 0.995";
        return false;
      }
      o.mapping_weights = request;
    } else if (arg == "--precision") {
      if (!value(v) || !Level(v, "low", "normal", "high", o.precision_level)) {
        if (error.empty()) error = "--precision wants low, normal or high";
        return false;
      }
    } else if (arg == "--step") {
      if (!value(v) || !Level(v, "large", "normal", "small", o.step_size)) {
        if (error.empty()) error = "--step wants large, normal or small";
        return false;
      }
    } else if (arg == "--runs") {
      if (!value(v) || !WholeNumber(v, 1, 1000000, o.runs)) {
        if (error.empty()) error = "--runs wants a whole number from 1";
        return false;
      }
    } else if (arg == "--max-sweeps") {
      if (!value(v) || !WholeNumber(v, 1L, 1000000000L, o.max_sweeps)) {
        if (error.empty()) error = "--max-sweeps wants a whole number from 1";
        return false;
      }
    } else if (arg == "--stop-rule") {
      if (!value(v) || (v != "relative" && v != "classic")) {
        if (error.empty()) error = "--stop-rule wants relative or classic";
        return false;
      }
      o.classic_stop_rule = v == "classic";
    } else if (arg == "--seed") {
      std::uint32_t seed = 0;
      if (!value(v) || !WholeNumber(v, std::uint32_t{0}, std::uint32_t{4294967295u}, seed)) {
        if (error.empty()) error = "--seed wants a whole number from 0 to 4294967295";
        return false;
      }
      o.seed = seed;
    } else if (arg == "--special") {
      if (!value(v) || !WholeNumber(v, 0, MaxSpecialCaseNum, o.special_case)) {
        if (error.empty()) error = "--special wants a case number from 0 to 18";
        return false;
      }
    } else if (arg == "--out" || arg == "--short" || arg == "--csv") {
      if (!value(v)) return false;
      if (v.empty()) {
        error = std::string(arg) + " needs a file name";
        return false;
      }
      (arg == "--out" ? o.long_file : arg == "--short" ? o.short_file : o.csv_file) = v;
    } else if (arg == "--csv-kind") {
      if (!value(v) || !Kind(v, o.csv_kind)) {
        if (error.empty()) error = "--csv-kind wants dissimilarities, similarities or attributes";
        return false;
      }
    } else if (arg.size() > 1 && arg[0] == '-') {
      error = "unknown option " + std::string(arg);
      return false;
    } else if (o.data_file.empty()) {
      o.data_file = arg;
    } else {
      error = "more than one data file given";
      return false;
    }
  }
  if (o.help) return true;
  if (o.data_file.empty() == (o.special_case < 0)) {
    error = o.data_file.empty() ? "give a data file or --special N"
                                : "give either a data file or --special N, not both";
    return false;
  }
  if (o.details && !Evaluates(o, EvaluationKind::kLinks)) {
    error = "--details needs --evaluate links";
    return false;
  }
  if (o.csv_kind && !IsCsvFileName(o.data_file)) {
    error = "--csv-kind needs a data file whose name ends in .csv";
    return false;
  }
  if (o.from_locations && o.special_case >= 0) {
    error = "--from-locations needs a data file";
    return false;
  }
  return true;
}

}  // namespace quorel::cli
