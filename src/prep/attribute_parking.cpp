// Parking and activating attributes from the two attribute lists of the main
// window.
#include "prep/attribute_refresh.h"
#include "prep/derived_data.h"

namespace quorel {
namespace {

int ActiveAttributeCount(const Problem& p) {
  int active = 0;
  for (int k = 1; k <= p.NAttributes; ++k) active += p.AttribParked[k] ? 0 : 1;
  return active;
}

bool IsAttribute(const Problem& p, int k) {
  return k >= 1 && k <= p.NAttributes;
}

}  // namespace

bool lstActiveAttributes_DblClick(Session& s, Platform& platform, int attribute) {
  Problem& p = s.prob;
  if (!IsAttribute(p, attribute) || p.AttribParked[attribute]) return false;
  if (ActiveAttributeCount(p) < 2) return false;  // the last active one stays
  p.AttribParked[attribute] = 1;
  RefreshDerivedData(s, platform, DataChange::kAttributes);
  ResetSeries(s);
  return true;
}

bool lstParkedAttributes_DblClick(Session& s, Platform& platform, int attribute) {
  Problem& p = s.prob;
  if (!IsAttribute(p, attribute) || !p.AttribParked[attribute]) return false;
  p.AttribParked[attribute] = 0;
  RefreshDerivedData(s, platform, DataChange::kAttributes);
  ResetSeries(s);
  return true;
}

}  // namespace quorel
