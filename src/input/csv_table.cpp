#include "input/csv_table.h"

#include <csv.h>

#include <algorithm>

namespace quorel {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
// How far into a file the separator is looked for.
constexpr int kLinesToDetectSeparator = 50;

// Receives libcsv's cells and row ends, and counts lines so that a message
// can name the row as an editor or a spreadsheet shows it.
struct Collector {
  CsvTable* table = nullptr;
  CsvRow row;
  bool in_row = false;
  int line = 1;
  bool after_cr = false;
};

int LineBreaksIn(const char* text, size_t length) {
  int breaks = 0;
  for (size_t k = 0; k < length; ++k) {
    if (text[k] == '\n' && (k == 0 || text[k - 1] != '\r')) ++breaks;
    if (text[k] == '\r') ++breaks;
  }
  return breaks;
}

void OnCell(void* data, size_t length, void* user) {
  auto* c = static_cast<Collector*>(user);
  if (!c->in_row) {
    c->row = CsvRow{c->line, {}};
    c->in_row = true;
  }
  const char* text = static_cast<const char*>(data);
  c->row.cells.emplace_back(text ? text : "", text ? length : 0);
  // A quoted cell may run over several lines.
  c->line += LineBreaksIn(text, text ? length : 0);
  c->after_cr = false;
}

void OnRowEnd(int terminator, void* user) {
  auto* c = static_cast<Collector*>(user);
  if (c->in_row) {
    c->table->rows.push_back(std::move(c->row));
    c->in_row = false;
  }
  if (terminator == CSV_CR) {
    ++c->line;
    c->after_cr = true;
  } else if (terminator == CSV_LF) {
    if (!c->after_cr) ++c->line;
    c->after_cr = false;
  }
}

int IsBlank(unsigned char c) {
  return c == CSV_SPACE;
}

int IsBlankOrTab(unsigned char c) {
  return c == CSV_SPACE || c == CSV_TAB;
}

int LineAt(std::string_view text, size_t offset) {
  offset = std::min(offset, text.size());
  return 1 + LineBreaksIn(text.data(), offset);
}

// The number of bytes of the UTF-8 sequence led by `lead`, 0 when it
// cannot lead one.
int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

bool IsContinuation(unsigned char c) {
  return (c & 0xC0) == 0x80;
}

}  // namespace

char SeparatorChar(CsvSeparator separator) {
  switch (separator) {
    case CsvSeparator::kSemicolon:
      return ';';
    case CsvSeparator::kTab:
      return '\t';
    case CsvSeparator::kComma:
      break;
  }
  return ',';
}

CsvSeparator DetectSeparator(std::string_view text) {
  bool quoted = false;
  int lines = 0;
  bool tab_seen = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == ';') return CsvSeparator::kSemicolon;
    if (c == '\t') tab_seen = true;
    if (c == '\n' && ++lines >= kLinesToDetectSeparator) break;
  }
  return tab_seen ? CsvSeparator::kTab : CsvSeparator::kComma;
}

CsvTable ParseCsv(std::string_view text, CsvSeparator separator) {
  if (text.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
    text.remove_prefix(kUtf8ByteOrderMark.size());
  std::string single_byte;
  if (std::any_of(text.begin(), text.end(), [](char c) { return c & 0x80; }) && IsValidUtf8(text)) {
    single_byte = Utf8ToLatin1(text);
    text = single_byte;
  }

  CsvTable table;
  csv_parser parser;
  if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL) != 0) {
    table.error = "The CSV reader could not be started.";
    return table;
  }
  csv_set_delim(&parser, static_cast<unsigned char>(SeparatorChar(separator)));
  csv_set_space_func(&parser, separator == CsvSeparator::kTab ? IsBlank : IsBlankOrTab);
  Collector collector;
  collector.table = &table;
  size_t used = csv_parse(&parser, text.data(), text.size(), OnCell, OnRowEnd, &collector);
  int status = used < text.size()                                     ? csv_error(&parser)
               : csv_fini(&parser, OnCell, OnRowEnd, &collector) == 0 ? CSV_SUCCESS
                                                                      : csv_error(&parser);
  csv_free(&parser);
  if (status == CSV_EPARSE) {
    table.error =
        "The quotes are not written as in a CSV file: a quoted cell begins and ends with a quote, "
        "and a quote inside it is doubled.";
    table.error_line = used < text.size() ? LineAt(text, used)
                       : collector.in_row ? collector.row.line
                                          : collector.line;
  } else if (status != CSV_SUCCESS) {
    table.error = std::string("The CSV reader failed: ") + csv_strerror(status) + ".";
    table.error_line = LineAt(text, used);
  }
  if (!table.error.empty()) table.rows.clear();
  return table;
}

std::string CsvCell(std::string_view text, CsvSeparator separator) {
  bool needs_quotes = text.find_first_of(std::string{'"', '\r', '\n', SeparatorChar(separator)}) !=
                          std::string_view::npos ||
                      (!text.empty() && (text.front() == ' ' || text.back() == ' '));
  if (!needs_quotes) return std::string(text);
  std::string quoted(csv_write(nullptr, 0, text.data(), text.size()), '\0');
  csv_write(quoted.data(), quoted.size(), text.data(), text.size());
  return quoted;
}

bool IsValidUtf8(std::string_view text) {
  for (size_t k = 0; k < text.size();) {
    int length = SequenceLength(static_cast<unsigned char>(text[k]));
    if (length == 0 || k + length > text.size()) return false;
    for (int m = 1; m < length; ++m)
      if (!IsContinuation(static_cast<unsigned char>(text[k + m]))) return false;
    k += length;
  }
  return true;
}

std::string Utf8ToLatin1(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t k = 0; k < text.size();) {
    auto lead = static_cast<unsigned char>(text[k]);
    int length = std::max(1, SequenceLength(lead));
    if (length == 2 && lead <= 0xC3) {
      out += static_cast<char>(((lead & 0x03) << 6) | (text[k + 1] & 0x3F));
    } else {
      out += length == 1 ? text[k] : '?';
    }
    k += length;
  }
  return out;
}

}  // namespace quorel
