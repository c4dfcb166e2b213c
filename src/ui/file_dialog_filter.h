// The file dialogs' filter, written as "description|pattern|..." pairs, in
// the form Qt's file dialogs take.
#pragma once

#include <QString>
#include <QStringList>

namespace quorel {

inline constexpr const char* kDataFileFilter =
    "All Files (*.*)|*.*|Data Files (*.dat)|*.dat|Text Files (*.txt)|*.txt|Data or Text Files "
    "(*.dat, *.txt)|*.dat;*.txt";
// The filter the dialogs start with: the fourth, 1-based.
inline constexpr int kDataFileFilterIndex = 4;

// What a file dialog offers: its filter, the 1-based filter it starts with
// and the suffix a save dialog adds to a name without one.
struct FileDialogKind {
  const char* filter;
  int filter_index;
  const char* default_suffix;
};
inline constexpr FileDialogKind kDataFiles{kDataFileFilter, kDataFileFilterIndex, "dat"};
// Pictures, in the order of their formats (SVG, PDF, PNG).
inline constexpr FileDialogKind kPictureFiles[] = {
    {"SVG Pictures (*.svg)|*.svg|All Files (*.*)|*.*", 1, "svg"},
    {"PDF Documents (*.pdf)|*.pdf|All Files (*.*)|*.*", 1, "pdf"},
    {"PNG Pictures (*.png)|*.png|All Files (*.*)|*.*", 1, "png"}};
inline constexpr FileDialogKind kCsvFiles{"CSV Files (*.csv)|*.csv|All Files (*.*)|*.*", 1, "csv"};

// One Qt name filter per pair: the description without its own bracketed
// pattern list, then the pair's patterns in brackets, separated by blanks:
// "Data or Text Files (*.dat *.txt)".
QStringList QtNameFilters(const QString& pipe_filter);

}  // namespace quorel
