// SPDX-License-Identifier: GPL-3.0-or-later
// Game records: the records files (current "2.3", older "2.0", legacy "1.0"), the
// record rule and the stars of a game.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/catalogue.h"
#include "game/result.h"

namespace tv {

constexpr std::size_t kRecordSize23 = 377;
constexpr std::size_t kRecordSize20 = 373;
constexpr std::size_t kRecordsHeaderSize = 22;

enum class RecordsFormat : int { kNone = 0, kV23, kV20, kV10 };

// "2.3", "2.0", "1.0", or "" for none.
const char* RecordsFormatName(RecordsFormat format);

struct RecordRow {
  std::string Name;
  std::int32_t Played = 0;
  std::int32_t Won = 0;
  std::string BestPlayer;
  double BestTime = -1.0;
  std::int32_t BestReshuffles = 0;
};

// Parses the bytes of "tilvane.won2" (or, with `legacy`, of "tilvane.won"). A wrong
// magic or version gives None and no rows; a file that ends early keeps the
// whole records before its end. Names are read as UTF-8, or as Latin-1 when they
// are not valid UTF-8.
RecordsFormat ParseRecords(const std::vector<std::uint8_t>& bytes, bool legacy,
                           std::vector<RecordRow>& rows);

// A legacy time text ("h:mm:ss", "h:mm", with an optional AM or PM) as a fraction
// of a day; -1 when it does not read as a time of day.
double ParseLegacyTime(std::string_view text);

enum class RecordsError : int { kNone = 0, kUnreadable, kUnwritable, kUnknown };

// A record whose values cannot be (negative counts, more won than played, a time that
// is not a number or longer than a day for every game played) is no record.
bool IsSensibleRecord(const RecordRow& row);

// Reads `won2Path`, or `wonPath` when the first does not exist, into the entries
// of the catalogue (a later record of the same entry wins); senseless records are
// left out. A file that exists but cannot be read, or is not a records file of a
// known version, fails (Unreadable, Unknown), and the entries keep their values.
// `unmatched`, when given, gets the records of names the catalogue does not hold.
Result LoadRecords(Catalogue& catalogue, const std::string& won2Path, const std::string& wonPath,
                   RecordsFormat* format = nullptr, std::vector<RecordRow>* unmatched = nullptr);

// The "2.3" bytes of every played entry, in catalogue order, then the `kept` rows.
std::vector<std::uint8_t> EncodeRecords(const Catalogue& catalogue,
                                        const std::vector<RecordRow>& kept = {});

// Writes `won2Path` whole or not at all.
Result SaveRecords(const Catalogue& catalogue, const std::string& won2Path,
                   const std::vector<RecordRow>& kept = {});

inline int StarsFor(int reshuffles) {
  return reshuffles >= 3 ? 0 : 3 - (reshuffles < 0 ? 0 : reshuffles);
}

// Fewer reshuffles win; with as many, only a strictly shorter time.
bool IsNewRecord(const LayoutInfo& entry, double duration, int reshuffles);

}  // namespace tv
