// A .csv data file given to the batch solver: its table turned into the
// equivalent data file, which the solver then reads like any other.
#pragma once

#include "cli/cli_options.h"
#include "cli/cli_platform.h"
#include "model/scratch_folder.h"

namespace quorel::cli {

// When options.data_file names a .csv file: imports it (with --csv-kind, or
// the kind guessed), writes the data file text into `scratch` and points
// options.data_file there.  False, after a message naming the row and
// column, when the table cannot be imported.
bool UseCsvDataFile(Options& options, StderrPlatform& platform, ScratchFolder& scratch);

}  // namespace quorel::cli
