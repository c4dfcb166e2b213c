#include "eval/evaluation_json.h"

#include <vector>

#include "eval/eval_attributes.h"
#include "eval/eval_links.h"
#include "eval/eval_objects.h"
#include "model/settings.h"
#include "output/json_text.h"

namespace quorel {
namespace {

constexpr const char* kKindNames[] = {"links", "objects", "attributes"};

// The name of a setting's code, or "" for a code outside its table.
template <class Names>
std::string CodeName(const Names& names, int code) {
  return code >= 0 && code < static_cast<int>(names.size()) ? names[code] : "";
}

std::string LinksJson(const Session& s, bool details) {
  const LinkEvaluation e = EvaluateLinks(s);
  JsonObject out;
  out.String("evaluation", EvaluationKindName(EvaluationKind::kLinks))
      .String("mds_type", CodeName(MDSAnalysisTypeName, s.set.MDSAnalysisTypeNum))
      .Number("interval_constant", e.interval_constant)
      .Integer("n", static_cast<long>(e.links.size()))
      .Number("stretch_mean", e.stretch.mean)
      .Number("stretch_sd", e.stretch.sd)
      .Number("shepard_rsq", e.fit.rsq)
      .Number("shepard_std_error", e.fit.std_error);
  if (details) {
    std::vector<std::string> links;
    links.reserve(e.links.size());
    for (const Link& l : e.links)
      links.push_back(JsonObject()
                          .Integer("i", l.i)
                          .Integer("j", l.j)
                          .Number("dissim", l.dissim)
                          .Number("dist", l.dist)
                          .Number("stretch", l.stretch)
                          .Text());
    out.Raw("links", JsonArray(links));
  }
  return out.Text();
}

std::string StatsJson(const MeasureStats& st, bool with_abs_sum) {
  JsonObject out;
  out.Integer("count", st.count)
      .Number("minimum", st.minimum)
      .Number("maximum", st.maximum)
      .Number("mean", st.mean)
      .Number("sd", st.sd);
  if (with_abs_sum) out.Number("abs_sum", st.abs_sum);
  return out.Text();
}

std::string ObjectsJson(const Session& s) {
  const std::vector<ObjectMeasure> measures = EvaluateObjects(s);
  std::vector<std::string> objects;
  objects.reserve(measures.size());
  for (const ObjectMeasure& m : measures)
    objects.push_back(
        JsonObject()
            .Integer("object", m.object)
            .String("name", s.prob.ObjName[m.object])
            .Number("objective", m.objective)
            .Raw("out_of_plane", m.has_out_of_plane ? JsonNumber(m.out_of_plane) : "null")
            .Text());
  // The statistics as the windows' options compute them.
  const auto stats = [&](ObjectsOption option) {
    return ShowObjectsOption(measures, static_cast<int>(option)).stats;
  };
  return JsonObject()
      .String("evaluation", EvaluationKindName(EvaluationKind::kObjects))
      .String("badness", CodeName(BadnessFunctionName, s.set.BadnessFunctionNum))
      .Raw("objects", JsonArray(objects))
      .Raw("objective_stats", StatsJson(stats(ObjectsOption::kObjectiveQuarters), false))
      .Raw("out_of_plane_stats", StatsJson(stats(ObjectsOption::kOutOfPlaneQuarters), true))
      .Text();
}

std::string AttributeJson(const Session& s, int attribute) {
  JsonObject out;
  out.Integer("attribute", attribute)
      .Bool("parked", s.prob.AttribParked[attribute])
      .Integer("objects", static_cast<long>(SampleOf(s, attribute).objects.size()));
  const std::optional<DirectionFit> fit = BestDirection(s, attribute);
  const bool line = fit && fit->line.HasLine();
  out.Raw("angle", fit ? JsonNumber(fit->angle) : "null")
      .Raw("a", line ? JsonNumber(fit->line.intercept) : "null")
      .Raw("b", line ? JsonNumber(fit->line.slope) : "null")
      .Raw("rsq", fit ? JsonNumber(fit->line.rsq) : "null")
      .Bool("direction_from_objects", fit && fit->fallback);
  return out.Text();
}

std::string AttributesJson(const Session& s) {
  std::vector<std::string> attributes;
  for (int a = 1; a <= s.prob.NAttributes; ++a) attributes.push_back(AttributeJson(s, a));
  return JsonObject()
      .String("evaluation", EvaluationKindName(EvaluationKind::kAttributes))
      .Raw("attributes", JsonArray(attributes))
      .Text();
}

}  // namespace

std::optional<EvaluationKind> EvaluationKindNamed(std::string_view name) {
  for (int k = 0; k < 3; ++k)
    if (name == kKindNames[k]) return static_cast<EvaluationKind>(k);
  return std::nullopt;
}

const char* EvaluationKindName(EvaluationKind kind) {
  return kKindNames[static_cast<int>(kind)];
}

std::string EvaluationJson(const Session& s, EvaluationKind kind, bool details) {
  switch (kind) {
    case EvaluationKind::kLinks:
      return LinksJson(s, details);
    case EvaluationKind::kObjects:
      return ObjectsJson(s);
    case EvaluationKind::kAttributes:
      return AttributesJson(s);
  }
  return "{}";
}

}  // namespace quorel
