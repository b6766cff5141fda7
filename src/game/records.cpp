// SPDX-License-Identifier: GPL-3.0-or-later
// Reads and writes the records files in all their versions; the record rule and stars.
#include "game/records.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <unordered_map>

#include "game/files.h"
#include "game/names.h"

namespace tv {
namespace {

constexpr char kMagic[] = "MAHSTAT";

// Bounds-checked reads: a read past the end fails and moves nothing.
class Reader {
 public:
  explicit Reader(const std::vector<std::uint8_t>& bytes) : b_(bytes) {}
  std::size_t Left() const { return b_.size() - pos_; }
  bool Bytes(std::size_t n, std::string_view& out) {
    if (Left() < n) return false;
    out = std::string_view(reinterpret_cast<const char*>(b_.data()) + pos_, n);
    pos_ += n;
    return true;
  }
  bool Int(std::int32_t& v) {
    std::string_view s;
    if (!Bytes(4, s)) return false;
    std::uint32_t u = 0;
    for (int k = 3; k >= 0; --k) u = (u << 8) | static_cast<std::uint8_t>(s[std::size_t(k)]);
    v = static_cast<std::int32_t>(u);
    return true;
  }
  bool Double(double& v) {
    std::string_view s;
    if (!Bytes(8, s)) return false;
    std::uint64_t u = 0;
    for (int k = 7; k >= 0; --k) u = (u << 8) | static_cast<std::uint8_t>(s[std::size_t(k)]);
    std::memcpy(&v, &u, sizeof v);
    return true;
  }

 private:
  const std::vector<std::uint8_t>& b_;
  std::size_t pos_ = 0;
};

// Text up to the first NUL, as UTF-8 (Latin-1 when it is not), cut to `maxBytes`.
std::string FieldText(std::string_view field, std::size_t maxBytes) {
  const std::size_t nul = field.find('\0');
  return CutUtf8(Utf8OrLatin1(field.substr(0, nul)), maxBytes);
}

RecordsFormat Header(Reader& in, bool legacy) {
  std::string_view magic, version;
  if (!in.Bytes(8, magic) || !in.Bytes(10, version)) return RecordsFormat::kNone;
  if (magic.substr(0, 7) != kMagic) return RecordsFormat::kNone;
  const std::string_view v = version.substr(0, std::min<std::size_t>(9, version.find('\0')));
  if (legacy) return v == "1.0" ? RecordsFormat::kV10 : RecordsFormat::kNone;
  if (v == "2.3") return RecordsFormat::kV23;
  if (v == "2.0") return RecordsFormat::kV20;
  return RecordsFormat::kNone;
}

// One legacy text field: its length, then its bytes, whole or nothing. A field
// longer than its buffer ends the reading like the end of the file does.
bool LegacyText(Reader& in, std::size_t maxBytes, std::string& out) {
  std::int32_t length = 0;
  std::string_view bytes;
  if (!in.Int(length) || length < 0 || std::size_t(length) > maxBytes ||
      !in.Bytes(std::size_t(length), bytes))
    return false;
  out = FieldText(bytes, maxBytes);
  return true;
}

void PutInt(std::vector<std::uint8_t>& out, std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (int k = 0; k < 4; ++k) out.push_back(static_cast<std::uint8_t>(u >> (8 * k)));
}

void PutText(std::vector<std::uint8_t>& out, const std::string& text, std::size_t size) {
  const std::string cut = CutUtf8(text, size - 1);
  out.insert(out.end(), cut.begin(), cut.end());
  out.insert(out.end(), size - cut.size(), 0);
}

}  // namespace

const char* RecordsFormatName(RecordsFormat format) {
  switch (format) {
    case RecordsFormat::kV23:
      return "2.3";
    case RecordsFormat::kV20:
      return "2.0";
    case RecordsFormat::kV10:
      return "1.0";
    default:
      return "";
  }
}

double ParseLegacyTime(std::string_view text) {
  std::string t = TrimBlanks(text);
  int pm = -1;  // -1: 24-hour clock
  for (const char* suffix : {"AM", "PM", "am", "pm"}) {
    if (t.size() >= 2 && t.compare(t.size() - 2, 2, suffix) == 0) {
      pm = (suffix[0] == 'P' || suffix[0] == 'p') ? 1 : 0;
      t = TrimBlanks(t.substr(0, t.size() - 2));
      break;
    }
  }
  int parts[3] = {0, 0, 0};
  int count = 0;
  std::size_t i = 0;
  while (count < 3) {
    const std::size_t start = i;
    int v = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9' && i - start < 3) v = v * 10 + (t[i++] - '0');
    if (i == start) return -1.0;
    parts[count++] = v;
    if (i == t.size()) break;
    if (t[i] != ':' && t[i] != '.') return -1.0;
    ++i;
  }
  if (i != t.size() || count < 2) return -1.0;
  int h = parts[0];
  if (pm >= 0) {
    if (h < 1 || h > 12) return -1.0;
    h = h % 12 + (pm == 1 ? 12 : 0);
  }
  if (h > 23 || parts[1] > 59 || parts[2] > 59) return -1.0;
  return (h * 3600 + parts[1] * 60 + parts[2]) / 86400.0;
}

RecordsFormat ParseRecords(const std::vector<std::uint8_t>& bytes, bool legacy,
                           std::vector<RecordRow>& rows) {
  Reader in(bytes);
  const RecordsFormat format = Header(in, legacy);
  if (format == RecordsFormat::kNone) return format;
  if (format == RecordsFormat::kV10) {
    while (in.Left() >= 4) {
      RecordRow row;
      std::string time;
      if (!LegacyText(in, kLayoutNameBytes, row.Name) || !in.Int(row.Played) || !in.Int(row.Won) ||
          !LegacyText(in, kPlayerNameBytes, row.BestPlayer) ||
          !LegacyText(in, kLayoutNameBytes, time))
        break;
      row.BestTime = ParseLegacyTime(time);
      rows.push_back(std::move(row));
    }
    return format;
  }
  std::int32_t n = 0;
  if (!in.Int(n)) return format;
  const bool withReshuffles = format == RecordsFormat::kV23;
  for (std::int32_t k = 0; k < n; ++k) {
    RecordRow row;
    std::string_view name, player;
    if (in.Left() < (withReshuffles ? kRecordSize23 : kRecordSize20)) break;
    // The length is checked above, so none of these reads can fail.
    in.Bytes(256, name);
    in.Int(row.Played);
    in.Int(row.Won);
    in.Bytes(101, player);
    in.Double(row.BestTime);
    if (withReshuffles) in.Int(row.BestReshuffles);
    row.Name = FieldText(name, kLayoutNameBytes);
    row.BestPlayer = FieldText(player, kPlayerNameBytes);
    rows.push_back(std::move(row));
  }
  return format;
}

bool IsSensibleRecord(const RecordRow& row) {
  if (row.Played < 0 || row.Won < 0 || row.Won > row.Played || row.BestReshuffles < 0) return false;
  // Times are fractions of a day; none is set (-1) until a game is won.
  if (row.BestTime == -1.0) return true;
  return std::isfinite(row.BestTime) && row.BestTime >= 0 && row.BestTime <= row.Played;
}

Result LoadRecords(Catalogue& catalogue, const std::string& won2Path, const std::string& wonPath,
                   RecordsFormat* format, std::vector<RecordRow>* unmatched) {
  if (format) *format = RecordsFormat::kNone;
  const bool current = FileExists(won2Path);
  if (!current && !FileExists(wonPath)) return {};
  std::vector<std::uint8_t> bytes;
  if (const Result read = ReadWholeFile(current ? won2Path : wonPath, bytes, kMaxRecordsFileBytes);
      !read)
    return Result::Fail(RecordsError::kUnreadable, read.Words());
  std::vector<RecordRow> rows;
  const RecordsFormat read = ParseRecords(bytes, !current, rows);
  if (format) *format = read;
  // An empty file is what a crash during the first write may leave; anything else
  // unknown may be a later version's, and is not to be written over.
  if (read == RecordsFormat::kNone && !bytes.empty())
    return Result::Fail(RecordsError::kUnknown,
                        Text::Template(TV_TRANSLATE_NOOP("Messages",
                                                         "\"%1\" is not a records file of "
                                                         "a version this program knows"),
                                       {current ? won2Path : wonPath}));
  // Folded names looked up once each; the first entry of a name is the one found.
  std::unordered_map<std::u32string, LayoutInfo*> byName;
  for (const EntryPtr& e : catalogue.Entries()) byName.emplace(FoldCase(e->Name), e.get());
  for (const RecordRow& row : rows) {
    if (!IsSensibleRecord(row)) continue;
    const auto found = byName.find(FoldCase(row.Name));
    if (found == byName.end()) {
      if (unmatched) unmatched->push_back(row);
      continue;
    }
    LayoutInfo* entry = found->second;
    entry->Played = row.Played;
    entry->Won = row.Won;
    entry->BestPlayer = row.BestPlayer;
    entry->BestTime = row.BestTime;
    entry->BestReshuffles = read == RecordsFormat::kV23 ? row.BestReshuffles : 0;
    entry->Stars = entry->BestTime != -1.0 ? StarsFor(entry->BestReshuffles) : -1;
  }
  return {};
}

std::vector<std::uint8_t> EncodeRecords(const Catalogue& catalogue,
                                        const std::vector<RecordRow>& kept) {
  std::vector<std::uint8_t> out(kMagic, kMagic + 8);
  PutText(out, "2.3", 10);
  std::int32_t n = static_cast<std::int32_t>(kept.size());
  for (const EntryPtr& e : catalogue.Entries()) n += e->Played > 0 ? 1 : 0;
  PutInt(out, n);
  auto put = [&out](const std::string& name, std::int32_t played, std::int32_t won,
                    const std::string& player, double time, std::int32_t reshuffles) {
    PutText(out, name, 256);
    PutInt(out, played);
    PutInt(out, won);
    PutText(out, player, 101);
    std::uint64_t u = 0;
    std::memcpy(&u, &time, sizeof u);
    for (int k = 0; k < 8; ++k) out.push_back(static_cast<std::uint8_t>(u >> (8 * k)));
    PutInt(out, reshuffles);
  };
  for (const EntryPtr& e : catalogue.Entries())
    if (e->Played > 0)
      put(e->Name, e->Played, e->Won, e->BestPlayer, e->BestTime, e->BestReshuffles);
  for (const RecordRow& r : kept)
    put(r.Name, r.Played, r.Won, r.BestPlayer, r.BestTime, r.BestReshuffles);
  return out;
}

Result SaveRecords(const Catalogue& catalogue, const std::string& won2Path,
                   const std::vector<RecordRow>& kept) {
  const std::vector<std::uint8_t> bytes = EncodeRecords(catalogue, kept);
  if (const Result written = WriteFileAtomically(won2Path, bytes.data(), bytes.size()); !written)
    return Result::Fail(RecordsError::kUnwritable, written.Words());
  return {};
}

bool IsNewRecord(const LayoutInfo& entry, double duration, int reshuffles) {
  if (entry.BestTime == -1.0) return true;
  if (reshuffles != entry.BestReshuffles) return reshuffles < entry.BestReshuffles;
  return duration < entry.BestTime;
}

}  // namespace tv
