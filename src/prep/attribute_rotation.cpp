// The on-line attribute function button: steps through the functions that the
// data type allows, "(not in use)" included when the file gave proximities.
#include "model/captions.h"
#include "model/settings.h"
#include "prep/attribute_choice.h"
#include "prep/attribute_refresh.h"
#include "prep/derived_data.h"

namespace quorel {

RotationRange AttributeRotationRange(int data_type) {
  switch (data_type) {
    case 0:
      return {0, 3};
    case 1:
      return {1, 3};
    case 2:
      return {4, 5};
    case 3:
      return {6, 6};
    case 4:
      return {1, 12};
    default:
      return {0, 12};
  }
}

int NextAttributeFunction(int current, int data_type, bool backward, bool proximities_given) {
  const RotationRange range = AttributeRotationRange(data_type);
  const int not_in_use = MaxAttributeFunctionNum;
  int next;
  if (!backward) {
    if (current < range.low)
      next = range.low;
    else if (current < range.high)
      next = current + 1;
    else if (current == range.high)
      next = proximities_given ? not_in_use : range.low;
    else
      next = range.low;
    if (data_type == 4 && next >= 4 && next <= 6) next = 7;
  } else {
    if (current > range.low && current <= range.high)
      next = current - 1;
    else if (current == range.low)
      next = proximities_given && current != not_in_use ? not_in_use : range.high;
    else
      next = range.high;
    if (data_type == 4 && next >= 4 && next <= 6) next = 3;
  }
  return next;
}

void cmdAttributeFns_Click(Session& s, Platform& platform) {
  platform.PlayClickSound();
  if (!AttributeFunctionsAvailable(s.prob)) return;
  s.set.AttributeFunctionNum =
      NextAttributeFunction(s.set.AttributeFunctionNum, s.set.AttributeDataTypeNum,
                            s.ui.RotateBackward, s.prob.ProximitiesGiven);
  s.run.FileOpenError = false;
  RefreshDerivedData(s, platform, DataChange::kAttributes);
  ResetSeries(s);
  if (s.run.FileOpenError) {
    s.captions.cmdAttributeFns = std::string("&ATTRIBUTE  FNs:") + kLineBreak + "(not in use)";
    platform.ShowMessage(
        "File Opening error.  You rotated to the 'not in use' attribute, which requested opening a "
        "non-existent file named  " +
        s.set.DataFileName +
        ".  Sometimes this is due to having moved to a computer that keeps QUOREL on a different "
        "drive, having renamed QUOREL's directory, or having made a spelling error.  ");
    s.run.StopRequested = true;
  }
  s.captions.cmdAttributeFns = AttributeFnsCaption(s);
  platform.RefreshCaptions();
}

}  // namespace quorel
