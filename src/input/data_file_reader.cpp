// The data file reader: a first pass for the object and attribute counts, a
// second pass that dispatches every keyword line, then the checks, defaults
// and derived data (see data_file_finish.cpp).
#include "input/data_file_reader.h"

#include <vector>

#include "input/data_file_finish.h"
#include "input/line_tokenizer.h"
#include "input/list_readers.h"
#include "input/reader_state.h"
#include "input/start_settings.h"
#include "model/captions.h"
#include "model/data_keywords.h"
#include "model/numeric.h"
#include "model/text_file.h"
#include "model/text_format.h"

namespace quorel {
namespace {

// The count after NOBJECTS or NATTRIBUTES: from 1-based position `start`,
// characters are skipped up to the first "/" or digit (or the last
// character), and the leading number from there is rounded.
int CountFromLine(const std::string& line, size_t start) {
  if (line.size() < start) return 0;
  size_t p = start - 1;
  while (p + 1 < line.size()) {
    int c = static_cast<unsigned char>(line[p]);
    if (c - '4' <= 5 && '4' - c <= 5) break;
    ++p;
  }
  return RoundToInt(Val(line.substr(p)));
}

bool FirstPass(Session& s, Platform& platform, const std::string& text) {
  TextReader file = TextReader::OfText(text);
  Problem& p = s.prob;
  while (!file.AtEnd()) {
    std::string line = TrimBlanks(UpperAscii(file.ReadLine()));
    if (line.empty()) continue;
    const DataKeyword keyword = DataKeywordOf(KeywordOf(line));
    if (keyword == DataKeyword::kNObjects) {
      p.NObjects = CountFromLine(line, 10);
      if (p.NObjects > kMaxObjects) {
        platform.ShowMessage("This data file calls for NObjects =" + Str(p.NObjects) +
                             ", which is greater than" + Str(kMaxObjects) +
                             ", the maximum value currently allowed.  Processing will stop to "
                             "avoid a system crash.  ErrMsgRG");
        p.NObjects = 0;
        return false;
      }
    } else if (keyword == DataKeyword::kNAttributes) {
      p.NAttributes = CountFromLine(line, 13);
    }
  }
  return true;
}

void TakeText(std::string& target, const std::string& line, size_t from, size_t count) {
  std::string text = line.size() >= from ? line.substr(from - 1, count) : "";
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '=') text = TrimBlanks(text.substr(1));
  target = text;
}

// One line of the second pass; the list readers take their rows from `r`.
void DispatchLine(Session& s, Platform& platform, ReaderState& r, const std::string& line) {
  Problem& p = s.prob;
  const std::string keyword = KeywordOf(line);
  if ((keyword == "DISSIMILARITY" || keyword == "SIMILARITY" || keyword == "ATTRIBUTE") &&
      UpperAscii(line).find(" LIST") != std::string::npos)
    p.ListSpaceSeen = true;
  const DataKeyword kind = DataKeywordOf(keyword);
  switch (kind) {
    case DataKeyword::kTitle:
      TakeText(p.Title, line, 6, 125);
      break;
    case DataKeyword::kMessage:
      TakeText(p.Title, line, 8, 64);
      break;
    case DataKeyword::kSubtitle:
      TakeText(p.Subtitle, line, 9, 122);
      break;
    case DataKeyword::kSubmessage:
      TakeText(p.Subtitle, line, 11, 120);
      break;
    case DataKeyword::kObjectNamesList:
      ReadObjectNames(s, platform, r);
      break;
    case DataKeyword::kDissimilarityList:
    case DataKeyword::kSimilarityList:
      p.ProximitiesGiven = true;
      p.ProximitiesAreSimilarities = kind == DataKeyword::kSimilarityList;
      ReadProximities(s, platform, r);
      break;
    case DataKeyword::kAttributeList:
      p.AttributesGiven = true;
      ReadAttributes(s, platform, r);
      break;
    case DataKeyword::kWeightList:
    case DataKeyword::kMapWeightList:
      r.WeightListKind = kind == DataKeyword::kWeightList ? "Regular" : "Mapping";
      ReadWeights(s, platform, r);
      break;
    case DataKeyword::kLocationList:
      p.LocationsGiven = true;
      ReadLocations(s, platform, r);
      break;
    case DataKeyword::kNoDataRangeChecks:
      p.NoDataRangeChecks = true;
      break;
    case DataKeyword::kStartParkedObjectsList:
      ReadParkedObjects(s, platform, r);
      break;
    case DataKeyword::kStartParkedAttributesList:
      p.ParkedAttribsGiven = true;
      ReadParkedAttributes(s, platform, r);
      break;
    case DataKeyword::kNObjects:  // counted in the first pass
    case DataKeyword::kNAttributes:
      break;
    case DataKeyword::kNone:
      ApplyStartSetting(s, platform, keyword, line);
      break;
  }
}

void SecondPass(Session& s, Platform& platform, std::string text) {
  SizePairTables(s, s.prob.NObjects);
  ReaderState r;
  r.file = std::make_unique<TextReader>(TextReader::OfText(std::move(text)));
  while (!r.AtEnd() && s.prob.NObjects > 0) {
    std::string line = TrimBlanks(r.file->ReadLine());
    if (!line.empty()) {
      NormalizeKeywordLine(line, r.ListKindMemo);
      DispatchLine(s, platform, r, line);
    }
    s.captions.cmdMDSType = MDSTypeCaptionWithConstant(s);
  }
}

// The one place a data file is opened: a file that is not a plain file or
// is larger than any problem can be is refused with its message before
// anything is read (NObjects = 0 after a refusal); an error of the
// operating system goes to `io_error` instead of a message.  kRead when
// `text` holds the file.
ReadOutcome LoadDataFileText(Session& s, Platform& platform, std::string& text,
                             std::string& io_error) {
  const std::string& path = s.set.DataFileName;
  LoadedText file = LoadTextFile(path, kMaxDataFileBytes);
  const std::string named = path.empty() ? std::string("Your specified file") : path;
  switch (file.outcome) {
    case LoadOutcome::kLoaded:
      text = std::move(file.text);
      return ReadOutcome::kRead;
    case LoadOutcome::kMissing:
      platform.ShowMessage((path.empty() ? std::string("Your specified file does not exist ")
                                         : path + " does not exist ") +
                           "or else the file is empty.  Go to the File menu and select a new data "
                           "file.  ErrMsgRE");
      break;
    case LoadOutcome::kNotARegularFile:
      platform.ShowMessage(
          named +
          " is not a data file: it is a folder, a device or a pipe rather than a "
          "plain text file.  Go to the File menu and select a data file.  ErrMsgRF");
      break;
    case LoadOutcome::kTooLarge:
      platform.ShowMessage(named + " is larger than" +
                           Str(static_cast<int>(kMaxDataFileBytes >> 20)) +
                           " MB, more than any problem of at most" + Str(kMaxObjects) +
                           " objects needs, so it is not read.  Go to the File menu and select a "
                           "data file.  ErrMsgRL");
      break;
    case LoadOutcome::kFailed:
      io_error = file.error;
      s.prob.NObjects = 0;
      return ReadOutcome::kIoError;
  }
  s.prob.NObjects = 0;
  return ReadOutcome::kRefused;
}

ReadOutcome ReadDataFileWith(Session& s, Platform& platform, std::string& io_error,
                             const std::vector<std::string>& extra_start_lines,
                             std::string* rejected);

// Shows the operating system's failure to read the file, as every reader of
// the data file that has no other way to report it does.
ReadOutcome ShowIoError(Session& s, Platform& platform, ReadOutcome outcome,
                        const std::string& io_error) {
  if (outcome == ReadOutcome::kIoError)
    platform.ShowMessage(ReadFailureMessage(io_error, s.set.DataFileName));
  return outcome;
}

}  // namespace

std::string ApplyGivenStartLines(Session& s, Platform& platform,
                                 const std::vector<std::string>& lines) {
  std::string rejected;
  std::string list_kind_memo;
  for (const std::string& text : lines) {
    std::string line = TrimBlanks(text);
    NormalizeKeywordLine(line, list_kind_memo);
    if (!ApplyStartSetting(s, platform, KeywordOf(line), line) && rejected.empty()) rejected = text;
  }
  s.captions.cmdMDSType = MDSTypeCaptionWithConstant(s);
  return rejected;
}

ReadOutcome ReadDataFile(Session& s, Platform& platform, std::string& io_error) {
  return ReadDataFileWith(s, platform, io_error, {}, nullptr);
}

ReadOutcome ReadDataFile(Session& s, Platform& platform,
                         const std::vector<std::string>& start_lines, std::string& rejected) {
  std::string io_error;
  return ShowIoError(s, platform, ReadDataFileWith(s, platform, io_error, start_lines, &rejected),
                     io_error);
}

namespace {

ReadOutcome ReadDataFileWith(Session& s, Platform& platform, std::string& io_error,
                             const std::vector<std::string>& extra_start_lines,
                             std::string* rejected) {
  Problem& p = s.prob;
  // A re-read that restores the file's proximities keeps "(not in use)".
  const bool keep_not_in_use =
      p.KeepObjSetup && s.set.AttributeFunctionNum == MaxAttributeFunctionNum;
  ResetProblem(s);
  std::string text;
  const ReadOutcome loaded = LoadDataFileText(s, platform, text, io_error);
  if (loaded != ReadOutcome::kRead) return loaded;
  if (!FirstPass(s, platform, text)) {
    p.NObjects = 0;
    return ReadOutcome::kRefused;
  }
  if (p.NObjects <= 0) {
    platform.ShowMessage(
        "This data file has no valid Nobjects = ... entry.  Are you sure you selected a valid data "
        "file to open?  For instance, Short Form solution files and Word-format data files will "
        "not work.  Processing will stop to let you check the data file.  ErrMsgR1");
    p.NObjects = 0;
    return ReadOutcome::kRefused;
  }
  if (p.NAttributes > kMaxAttributes) {
    platform.ShowMessage(
        "The data file has too many attributes specified.  Currently, the maximum allowed is 100.  "
        "Only the first 100 will be used.    ErrMsgR1A");
    p.NAttributes = kMaxAttributes;
  }
  SecondPass(s, platform, std::move(text));
  if (p.NObjects == 0) return ReadOutcome::kRefused;
  // Settings given beside the file act as if they stood at its end.
  std::string first_rejected = ApplyGivenStartLines(s, platform, extra_start_lines);
  if (rejected) *rejected = first_rejected;
  FinishDataFile(s, platform, keep_not_in_use);
  if (p.NObjects <= 0) return ReadOutcome::kRefused;
  ++p.ProblemGeneration;
  return ReadOutcome::kRead;
}

}  // namespace

std::string ReadFailureMessage(const std::string& io_error, const std::string& file_name) {
  return io_error +
         " -- the operating system reported this error when you attempted to read the file: " +
         file_name +
         ".  Sorry that this is so vague.  If you can't find the problem, try sending the file as "
         "an email attachment to Tamsel.  ";
}

ReadOutcome ReadDataFile(Session& s, Platform& platform) {
  std::string io_error;
  return ShowIoError(s, platform, ReadDataFile(s, platform, io_error), io_error);
}

}  // namespace quorel
