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

// One Qt name filter per pair: the description without its own bracketed
// pattern list, then the pair's patterns in brackets, separated by blanks:
// "Data or Text Files (*.dat *.txt)".
QStringList QtNameFilters(const QString& pipe_filter);

}  // namespace quorel
