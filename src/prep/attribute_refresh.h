// The on-line controls that change the attribute function or the active
// attributes; each refreshes the derived data from the attributes
// (RefreshDerivedData) and starts a new automatic-repeat series.
#pragma once

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// The rotation range [low, high] of the on-line attribute button for a data
// type (binary types skip 4, 5 and 6 inside their range).
struct RotationRange {
  int low, high;
};
RotationRange AttributeRotationRange(int data_type);

// The function after `current` in the rotation (backward with Shift).
int NextAttributeFunction(int current, int data_type, bool backward, bool proximities_given);

// The on-line attribute function button.
void cmdAttributeFns_Click(Session& s, Platform& platform);

// Double-click on attribute k in the list of active attributes: parks it,
// unless it is the last active one (false then).
bool lstActiveAttributes_DblClick(Session& s, Platform& platform, int attribute);
// Double-click on attribute k in the list of parked attributes: activates it.
bool lstParkedAttributes_DblClick(Session& s, Platform& platform, int attribute);

}  // namespace quorel
