// What follows every change of the attribute function or of the active
// attributes, and the on-line controls that make those changes.
#pragma once

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// Dissimilarities recomputed, copied to DissimOriginal, then precision,
// ranks, error bounds and the objective normaliser; the best-found record of
// the automatic-repeat series is reset.
void RefreshAttributeDissimilarities(Session& s, Platform& platform);

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
