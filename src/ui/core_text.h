// Texts of the core (single-byte, lines ended by CR LF) as Qt shows them.
#pragma once

#include <QString>
#include <string>

namespace quorel {

inline QString CoreText(const std::string& text) {
  QString q = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  q.replace("\r\n", "\n");
  return q;
}

}  // namespace quorel
