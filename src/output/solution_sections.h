// The three parts of a solution file: the header, the solution and, in the
// long format only, the input section that lets the file be read again.
#pragma once

#include <string>

#include "model/session.h"
#include "model/text_file.h"
#include "model/text_format.h"
#include "output/name_column.h"

namespace quorel::output {

void WriteHeader(TextWriter& out, const Session& s, const std::string& file_name,
                 const DateTime& when);
void WriteSolutionPart(TextWriter& out, const Session& s, const NameColumn& names);
void WriteInputSection(TextWriter& out, const Session& s, const NameColumn& names);
// The attribute table of the input section (when NAttributes >= 1).
void WriteAttributeSection(TextWriter& out, const Session& s, const NameColumn& names);

// One coordinate: " -0.2500", " +0.0000" for |v| < 0.0001, " +0.2500".
std::string CoordinateText(float value);

// The end of every table row of a parked object.
inline const char* ParkedEnd(const Session& s, int i) {
  return s.prob.ObjParked[i] ? " (parked)" : "";
}

inline const std::string kUnderscores(60, '_');

}  // namespace quorel::output
