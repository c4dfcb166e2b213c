// The choice of the mapping-weight function as the Mapping Weights dialog
// makes it: its working copies, the steps of the adjustable m, the hidden
// complementary option, the texts and the weight table it shows, and what OK
// stores and recomputes.
#pragma once

#include <string>

#include "model/platform.h"
#include "model/session.h"

namespace quorel {

// The dialog's working copies.  The floor is not among them: choosing a
// function sets MapWeightFloor at once (the next computation sets it again).
struct MappingWeightsChoice {
  int function = 0;
  float m = 1.0f;
  double adjustable_m = 0.0;
  bool complementary = false;
  // The complementary ("inverse") option is hidden until it is in force or
  // the user reveals it with Ctrl+Alt and a click on the dialog.
  bool complementary_shown = false;
  // The adjustable m as the dialog's label shows it.
  std::string adjustable_label;
};

// Copies the settings and forgets the keys of an earlier mouse-down, then
// selects the function in force (which sets MapWeightFloor).
MappingWeightsChoice LoadMappingWeightsChoice(Session& s);

// The user selected function `code` (0..4): the working m follows the
// function and the form, MapWeightFloor at once.
void ChooseMappingWtFunction(Settings& t, MappingWeightsChoice& choice, int code);

// The arrows beside the adjustable m: up m = (m + 0.5) / 1.5 while m < 0.994,
// down m = 1.5 m - 0.5 while m > -190 (each the inverse of the other);
// beyond a limit a beep and no change.  A step selects Adjustable.
void StepAdjustableMappingWt(Settings& t, Platform& platform, MappingWeightsChoice& choice,
                             bool up);

// A mouse-down on the dialog: records Ctrl and Alt, reveals the hidden
// option when both are held, and takes the option's state as the working
// form.
void MappingWeightsMouseDown(Settings& t, Interaction& ui, MappingWeightsChoice& choice, bool ctrl,
                             bool alt, bool complementary_checked);

// The complementary option clicked: the working function is chosen again
// in the new form.
void ChooseComplementary(Settings& t, MappingWeightsChoice& choice, bool complementary);

// Whether m lies within the range the arrows reach from 0 (about -193 to
// 0.995), for an adjustable m given other than by the arrows.
bool AdjustableMappingWtAllowed(double m);

// OK: stores the working copies, computes the weights and the objective's
// normalising factor, and starts a new series.
void ApplyMappingWeightsChoice(Session& s, Platform& platform, const MappingWeightsChoice& choice);

// The weight the curve plot shows at dissimilarity d: the weight of one pair
// under the working copies, never drawn below max(floor, 0.025).
float PlottedMappingWeight(const MappingWeightsChoice& choice, float floor, float d);

// The option description followed by the table of weights at D = 0, 0.1 ...
// 1 under the working copies (lines separated by CR LF).
std::string MappingWtDescription(const MappingWeightsChoice& choice, float floor);
// The comment under the plot: the formula with the floor.
std::string MappingWtComment(const MappingWeightsChoice& choice, float floor);

}  // namespace quorel
