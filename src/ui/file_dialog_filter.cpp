#include "ui/file_dialog_filter.h"

namespace quorel {

QStringList QtNameFilters(const QString& pipe_filter) {
  QStringList parts = pipe_filter.split('|');
  QStringList filters;
  for (int k = 0; k + 1 < parts.size(); k += 2) {
    QString description = parts[k];
    int bracket = description.indexOf('(');
    if (bracket >= 0) description = description.left(bracket);
    QStringList patterns = parts[k + 1].split(';', Qt::SkipEmptyParts);
    for (QString& pattern : patterns) pattern = pattern.trimmed();
    filters << description.trimmed() + " (" + patterns.join(' ') + ")";
  }
  return filters;
}

}  // namespace quorel
