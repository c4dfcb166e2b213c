#include "model/objective_labels.h"

#include "model/text_format.h"

namespace quorel {

std::string ObjectiveText(float value) {
  if (value > 9000.0f) return "> 9000             ";
  return Format(value, "##0.000000");
}

std::string BestSeriesText(const Session& s) {
  const RunBook& r = s.run;
  if (!s.set.AutoRepeat || !(r.BestObjFnValue < 100.0f)) return "";
  return "[" + Format(r.BestObjFnValue, "##0.000000") + " : " + std::to_string(r.BestHitCount) +
         " of " + std::to_string(r.RunCount) + "]";
}

void ShowSweepLabels(Session& s, double clock) {
  RunBook& r = s.run;
  Captions& c = s.captions;
  // After midnight the clock starts again from 0.
  if (r.NextDisplayTime - clock > 1.0) r.NextDisplayTime = clock;
  if (r.ObjFnValue > 9000.0f) {
    c.lblObjFnValue = ObjectiveText(r.ObjFnValue);
  } else if (clock < r.NextDisplayTime) {
    c.lblObjFnValue = ObjectiveText(r.ObjFnValue);
    c.lblBestObjFnValue = BestSeriesText(s);
  } else if (clock < r.NextDisplayTime + 0.4) {
    c.lblObjFnValue = ObjectiveText(r.ObjFnValue) + " ...";
  } else {
    r.NextDisplayTime = clock + 0.4;
    c.lblObjFnValue = ObjectiveText(r.ObjFnValue);
  }
}

void ShowFinalLabels(Session& s) {
  s.captions.lblObjFnValue = ObjectiveText(s.run.ObjFnValue);
  if (s.set.AutoRepeat && s.run.BestObjFnValue < 100.0f)
    s.captions.lblBestObjFnValue = BestSeriesText(s);
}

std::string IndeterminateObjectMessage(int object) {
  return "Due to 'NA' entries, object" + Str(object) + "'s " +
         "location is no longer determinate.  " + "It should be parked.";
}

}  // namespace quorel
