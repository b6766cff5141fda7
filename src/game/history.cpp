// SPDX-License-Identifier: GPL-3.0-or-later
// The game history file over SQLite, and the figures drawn from its games.
#include "game/history.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <system_error>

#include "game/files.h"
#include "game/names.h"
#include "game/text.h"

namespace tv {
namespace {

namespace fs = std::filesystem;

constexpr const char* kResultNames[] = {"won", "lost", "stuck", "abandoned"};

// Step k takes a file of version k to version k + 1; a new file runs them all.
constexpr const char* kMigrations[] = {
    "CREATE TABLE games ("
    " id INTEGER PRIMARY KEY,"
    " layout TEXT NOT NULL,"
    " layout_hash INTEGER NOT NULL,"
    " game_number INTEGER NOT NULL,"
    " start_utc INTEGER NOT NULL,"
    " seconds REAL NOT NULL,"
    " result TEXT NOT NULL CHECK (result IN ('won','lost','stuck','abandoned')),"
    " tiles_left INTEGER NOT NULL,"
    " reshuffles INTEGER NOT NULL,"
    " hints INTEGER NOT NULL,"
    " undos INTEGER NOT NULL,"
    " daily INTEGER NOT NULL,"
    " finished INTEGER NOT NULL);",
};
static_assert(std::size(kMigrations) == kHistorySchemaVersion);

constexpr const char* kColumns =
    "id, layout, layout_hash, game_number, start_utc, seconds, result, tiles_left, reshuffles, "
    "hints, undos, daily, finished";

// Frees a statement on every way out.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  sqlite3_stmt* get() const { return stmt_; }
  explicit operator bool() const { return stmt_ != nullptr; }

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

std::string ErrorText(sqlite3* db) {
  return db ? sqlite3_errmsg(db) : "out of memory";
}

GameResult ResultFromName(const unsigned char* text) {
  const std::string name = text ? reinterpret_cast<const char*>(text) : "";
  for (int k = 0; k < 4; ++k)
    if (name == kResultNames[k]) return static_cast<GameResult>(k);
  return GameResult::kAbandoned;
}

HistoryGame ReadRow(sqlite3_stmt* s) {
  HistoryGame g;
  g.Id = sqlite3_column_int64(s, 0);
  const unsigned char* layout = sqlite3_column_text(s, 1);
  g.Layout = layout ? reinterpret_cast<const char*>(layout) : "";
  g.LayoutHash = static_cast<std::uint64_t>(sqlite3_column_int64(s, 2));
  g.GameNumber = static_cast<std::uint32_t>(sqlite3_column_int64(s, 3));
  g.StartUtc = sqlite3_column_int64(s, 4);
  g.Seconds = sqlite3_column_double(s, 5);
  g.Result = ResultFromName(sqlite3_column_text(s, 6));
  g.TilesLeft = sqlite3_column_int(s, 7);
  g.Reshuffles = sqlite3_column_int(s, 8);
  g.Hints = sqlite3_column_int(s, 9);
  g.Undos = sqlite3_column_int(s, 10);
  g.Daily = sqlite3_column_int(s, 11);
  g.Finished = sqlite3_column_int(s, 12) != 0;
  return g;
}

// "history-2026-12-09.sqlite", or with "-2", "-3"... when that is taken.
std::string AsideName(const fs::path& path) {
  const int date = LocalDateNumber(std::time(nullptr));
  char stamp[16];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d", date / 10000, date / 100 % 100, date % 100);
  const fs::path dir = path.parent_path();
  const std::string stem = path.stem().string() + "-" + stamp;
  std::error_code error;
  for (int k = 1;; ++k) {
    std::string name = stem;
    if (k > 1) name.append("-").append(std::to_string(k));
    name.append(".sqlite");
    if (!fs::exists(dir / name, error) && !fs::exists(dir / (name + "-wal"), error))
      return (dir / name).string();
  }
}

double Median(std::vector<double> values) {
  if (values.empty()) return -1;
  const std::size_t mid = values.size() / 2;
  std::nth_element(values.begin(), values.begin() + mid, values.end());
  if (values.size() % 2) return values[mid];
  const double upper = values[mid];
  const double lower = *std::max_element(values.begin(), values.begin() + mid);
  return (lower + upper) / 2;
}

void AppendJsonTime(std::string& out, double seconds) {
  if (seconds < 0) {
    out += "null";
    return;
  }
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.3f", seconds);
  out += buf;
}

}  // namespace

const char* GameResultName(GameResult result) {
  const int k = static_cast<int>(result);
  return k >= 0 && k < 4 ? kResultNames[k] : "abandoned";
}

History::History() = default;

History::~History() {
  Close();
}

void History::Close() {
  if (db_) sqlite3_close_v2(db_);
  db_ = nullptr;
}

Result History::Exec(const char* sql) const {
  char* error = nullptr;
  if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) == SQLITE_OK) return {};
  std::string text = error ? error : ErrorText(db_);
  sqlite3_free(error);
  return Result::Fail(HistoryError::kWrite, text);
}

Result History::OpenFile(const std::string& path, int flags) {
  Close();
  path_ = path;
  movedAside_.clear();
  if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) == SQLITE_OK) return {};
  const std::string why = ErrorText(db_);
  Close();
  return Result::Fail(
      HistoryError::kOpen,
      Text::Template(TV_TRANSLATE_NOOP("Messages", "Cannot open the history %1: %2"), {path, why}));
}

Result History::OpenReadOnly(const std::string& path) {
  if (Result opened = OpenFile(path, SQLITE_OPEN_READONLY); !opened) return opened;
  Result prepared = Prepare(true);
  if (!prepared) Close();
  if (prepared.Is(HistoryError::kDamaged))
    return Result::Fail(
        HistoryError::kDamaged,
        Text::Template(TV_TRANSLATE_NOOP("Messages", "The game history %1 cannot be read: %2"),
                       {path, prepared.Words()}));
  return prepared;
}

Result History::Open(const std::string& path) {
  if (Result opened = OpenFile(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE); !opened)
    return opened;
  Result prepared = Prepare(false);
  if (prepared || !prepared.Is(HistoryError::kDamaged)) {
    if (!prepared) Close();
    return prepared;
  }
  // Damaged or foreign: kept aside for whoever wants it, and a new history begun.
  Close();
  const std::string aside = AsideName(path);
  std::error_code error;
  fs::rename(path, aside, error);
  if (error) {
    return Result::Fail(
        HistoryError::kOpen,
        Text::Template(
            TV_TRANSLATE_NOOP("Messages",
                              "The history %1 cannot be read and cannot be moved aside: %2"),
            {path, error.message()}));
  }
  for (const char* journal : {"-wal", "-journal"})
    if (fs::exists(path + journal, error)) fs::rename(path + journal, aside + journal, error);
  fs::remove(path + "-shm", error);
  movedAside_ = aside;
  const Text why = prepared.Words();
  if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
          SQLITE_OK ||
      !Prepare(false)) {
    Close();
    return Result::Fail(
        HistoryError::kOpen,
        Text::Template(TV_TRANSLATE_NOOP("Messages", "Cannot start a new history %1"), {path}));
  }
  return Result::Fail(
      HistoryError::kDamaged,
      Text::Template(
          TV_TRANSLATE_NOOP(
              "Messages",
              "The game history %1 could not be read (%2); it was moved aside as %3 and a "
              "new history was started."),
          {path, why, aside}));
}

// Checks what the file is, then (writable) sets the journal and brings the schema up.
Result History::Prepare(bool readOnly) {
  sqlite3_busy_timeout(db_, 2000);
  auto damaged = [&](const Text& why) { return Result::Fail(HistoryError::kDamaged, why); };
  std::int64_t applicationId = 0, version = 0, tables = 0;
  {
    Statement s(db_,
                "SELECT (SELECT application_id FROM pragma_application_id),"
                " (SELECT user_version FROM pragma_user_version),"
                " (SELECT count(*) FROM sqlite_schema)");
    if (!s || sqlite3_step(s.get()) != SQLITE_ROW) return damaged(ErrorText(db_));
    applicationId = sqlite3_column_int64(s.get(), 0);
    version = sqlite3_column_int64(s.get(), 1);
    tables = sqlite3_column_int64(s.get(), 2);
  }
  const bool empty = applicationId == 0 && version == 0 && tables == 0;
  if (!empty && applicationId != kHistoryApplicationId)
    return damaged(Text::Template(
        TV_TRANSLATE_NOOP("Messages", "not a game history but another program's database")));
  if (version > kHistorySchemaVersion) {
    return Result::Fail(
        HistoryError::kNewer,
        Text::Template(
            TV_TRANSLATE_NOOP(
                "Messages",
                "The game history %1 was written by a newer version (%2); it is left as it is."),
            {path_, std::to_string(version)}));
  }
  {
    Statement s(db_, "PRAGMA quick_check");
    if (!s || sqlite3_step(s.get()) != SQLITE_ROW) return damaged(ErrorText(db_));
    const unsigned char* verdict = sqlite3_column_text(s.get(), 0);
    const std::string text = verdict ? reinterpret_cast<const char*>(verdict) : "";
    if (text != "ok") return damaged(text);
  }
  if (readOnly) {
    if (empty || version < kHistorySchemaVersion)
      return Result::Fail(
          HistoryError::kRead,
          Text::Template(TV_TRANSLATE_NOOP("Messages", "The game history %1 holds no games yet."),
                         {path_}));
    return {};
  }
  // The write-ahead log keeps the file whole whenever the process dies; a full sync
  // at every commit keeps each game once its result is written.
  if (Result r = Exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL;"); !r) return r;
  return Migrate();
}

Result History::Migrate() {
  std::int64_t version = 0;
  {
    Statement s(db_, "PRAGMA user_version");
    if (!s || sqlite3_step(s.get()) != SQLITE_ROW)
      return Result::Fail(HistoryError::kDamaged, ErrorText(db_));
    version = sqlite3_column_int64(s.get(), 0);
  }
  if (version == kHistorySchemaVersion) return {};
  if (Result r = Exec("BEGIN IMMEDIATE"); !r) return r;
  for (std::int64_t k = version; k < kHistorySchemaVersion; ++k) {
    if (Result r = Exec(kMigrations[k]); !r) {
      (void)Exec("ROLLBACK");
      return Result::Fail(
          HistoryError::kWrite,
          Text::Template(
              TV_TRANSLATE_NOOP("Messages", "Cannot bring the game history %1 up to date: %2"),
              {path_, r.Words()}));
    }
  }
  std::string stamp = "PRAGMA application_id=";
  stamp.append(std::to_string(kHistoryApplicationId)).append("; PRAGMA user_version=");
  stamp.append(std::to_string(kHistorySchemaVersion)).append(";");
  if (Result r = Exec(stamp.c_str()); !r) {
    (void)Exec("ROLLBACK");
    return r;
  }
  return Exec("COMMIT");
}

Result History::Write(HistoryGame& game) {
  if (!db_)
    return Result::Fail(HistoryError::kWrite, Text::Template(TV_TRANSLATE_NOOP(
                                                  "Messages", "The game history is not open.")));
  const char* sql =
      game.Id == 0
          ? "INSERT INTO games (layout, layout_hash, game_number, start_utc, seconds, result, "
            "tiles_left, reshuffles, hints, undos, daily, finished) "
            "VALUES (?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13)"
          : "INSERT OR REPLACE INTO games (id, layout, layout_hash, game_number, start_utc, "
            "seconds, result, tiles_left, reshuffles, hints, undos, daily, finished) "
            "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13)";
  Statement s(db_, sql);
  auto failed = [&] {
    return Result::Fail(
        HistoryError::kWrite,
        Text::Template(TV_TRANSLATE_NOOP("Messages", "Cannot write the game history %1: %2"),
                       {path_, ErrorText(db_)}));
  };
  if (!s) return failed();
  sqlite3_stmt* st = s.get();
  if (game.Id != 0) sqlite3_bind_int64(st, 1, game.Id);
  sqlite3_bind_text(st, 2, game.Layout.c_str(), static_cast<int>(game.Layout.size()),
                    SQLITE_TRANSIENT);
  sqlite3_bind_int64(st, 3, static_cast<std::int64_t>(game.LayoutHash));
  sqlite3_bind_int64(st, 4, game.GameNumber);
  sqlite3_bind_int64(st, 5, game.StartUtc);
  sqlite3_bind_double(st, 6, game.Seconds);
  sqlite3_bind_text(st, 7, GameResultName(game.Result), -1, SQLITE_STATIC);
  sqlite3_bind_int(st, 8, game.TilesLeft);
  sqlite3_bind_int(st, 9, game.Reshuffles);
  sqlite3_bind_int(st, 10, game.Hints);
  sqlite3_bind_int(st, 11, game.Undos);
  sqlite3_bind_int(st, 12, game.Daily);
  sqlite3_bind_int(st, 13, game.Finished ? 1 : 0);
  // One statement is one transaction: committed, and synced, when it is done.
  if (sqlite3_step(st) != SQLITE_DONE) return failed();
  if (game.Id == 0) game.Id = sqlite3_last_insert_rowid(db_);
  return {};
}

Result History::WriteMany(std::vector<HistoryGame>& games) {
  if (Result begun = Exec("BEGIN IMMEDIATE"); !begun) return begun;
  for (HistoryGame& game : games) {
    if (Result written = Write(game); !written) {
      (void)Exec("ROLLBACK");
      return written;
    }
  }
  return Exec("COMMIT");
}

Result History::ReadAll(std::vector<HistoryGame>& games) const {
  games.clear();
  if (!db_)
    return Result::Fail(HistoryError::kRead, Text::Template(TV_TRANSLATE_NOOP(
                                                 "Messages", "The game history is not open.")));
  const std::string sql = std::string("SELECT ") + kColumns + " FROM games ORDER BY start_utc, id";
  Statement s(db_, sql.c_str());
  if (!s)
    return Result::Fail(
        HistoryError::kRead,
        Text::Template(TV_TRANSLATE_NOOP("Messages", "Cannot read the game history %1"), {path_}));
  int step = 0;
  while ((step = sqlite3_step(s.get())) == SQLITE_ROW) games.push_back(ReadRow(s.get()));
  if (step != SQLITE_DONE)
    return Result::Fail(
        HistoryError::kRead,
        Text::Template(TV_TRANSLATE_NOOP("Messages", "Cannot read the game history %1: %2"),
                       {path_, ErrorText(db_)}));
  return {};
}

std::optional<HistoryGame> History::FindUnfinished(const std::string& layout,
                                                   std::uint32_t gameNumber) const {
  if (!db_) return std::nullopt;
  const std::string sql = std::string("SELECT ") + kColumns +
                          " FROM games WHERE finished = 0 AND layout = ?1 AND game_number = ?2"
                          " ORDER BY id DESC LIMIT 1";
  Statement s(db_, sql.c_str());
  if (!s) return std::nullopt;
  sqlite3_bind_text(s.get(), 1, layout.c_str(), static_cast<int>(layout.size()), SQLITE_TRANSIENT);
  sqlite3_bind_int64(s.get(), 2, gameNumber);
  if (sqlite3_step(s.get()) != SQLITE_ROW) return std::nullopt;
  return ReadRow(s.get());
}

HistoryFigures ComputeFigures(const std::vector<const HistoryGame*>& games) {
  HistoryFigures f;
  std::vector<double> times;
  int run = 0;
  for (const HistoryGame* g : games) {
    ++f.Played;
    if (g->Result == GameResult::kWon) {
      ++f.Won;
      times.push_back(g->Seconds);
      f.BestStreak = std::max(f.BestStreak, ++run);
    } else if (g->Finished) {
      run = 0;  // a game still open neither breaks nor extends a streak
    }
  }
  f.CurrentStreak = run;
  if (!times.empty()) {
    f.BestTime = *std::min_element(times.begin(), times.end());
    const std::size_t last = std::min<std::size_t>(10, times.size());
    double sum = 0;
    for (std::size_t k = times.size() - last; k < times.size(); ++k) sum += times[k];
    f.Last10Average = sum / static_cast<double>(last);
    f.MedianTime = Median(std::move(times));
  }
  return f;
}

HistoryStats ComputeStats(const std::vector<HistoryGame>& games, int today) {
  HistoryStats stats;
  std::vector<const HistoryGame*> all;
  all.reserve(games.size());
  // Keyed by the lower-case name; the first spelling met names the layout.
  std::map<std::string, std::pair<std::string, std::vector<const HistoryGame*>>> byLayout;
  std::set<int> dailyWins;
  for (const HistoryGame& g : games) {
    all.push_back(&g);
    auto& entry = byLayout[LowerAscii(g.Layout)];
    if (entry.second.empty()) entry.first = g.Layout;
    entry.second.push_back(&g);
    if (g.Daily != 0) {
      ++stats.DailyPlayed;
      if (g.Result == GameResult::kWon) {
        ++stats.DailyWon;
        dailyWins.insert(DayNumber(g.Daily));
      }
    }
  }
  stats.Overall = ComputeFigures(all);
  for (auto& [key, entry] : byLayout) {
    HistoryFigures f = ComputeFigures(entry.second);
    f.Name = entry.first;
    stats.Layouts.push_back(std::move(f));
  }
  std::sort(stats.Layouts.begin(), stats.Layouts.end(),
            [](const HistoryFigures& a, const HistoryFigures& b) {
              return LessIgnoreCase(a.Name, b.Name);
            });
  int day = DayNumber(today);
  if (!dailyWins.count(day)) --day;  // today's deal may still be ahead
  while (dailyWins.count(day)) {
    ++stats.DailyStreak;
    --day;
  }
  return stats;
}

const HistoryFigures* HistoryStats::Find(const std::string& layout) const {
  for (const HistoryFigures& f : Layouts)
    if (EqualsIgnoreCase(f.Name, layout)) return &f;
  return nullptr;
}

std::vector<double> MovingMedian(const std::vector<double>& values, int width) {
  std::vector<double> out;
  out.reserve(values.size());
  const std::size_t w = static_cast<std::size_t>(std::max(1, width));
  for (std::size_t k = 0; k < values.size(); ++k) {
    const std::size_t from = k + 1 >= w ? k + 1 - w : 0;
    out.push_back(Median(std::vector<double>(values.begin() + from, values.begin() + k + 1)));
  }
  return out;
}

std::string StatsJson(const HistoryStats& stats) {
  const HistoryFigures& o = stats.Overall;
  // Appended piece by piece: GCC 12 misreads "literal" + std::string&& at -O3.
  std::string out = "{\"games\":";
  out.append(std::to_string(o.Played)).append(",\"won\":").append(std::to_string(o.Won));
  out.append(",\"streak\":").append(std::to_string(o.CurrentStreak));
  out.append(",\"best_streak\":").append(std::to_string(o.BestStreak)).append(",\"layouts\":[");
  bool first = true;
  for (const HistoryFigures& f : stats.Layouts) {
    if (!first) out += ',';
    first = false;
    out += "{\"name\":";
    out += JsonString(f.Name);
    out.append(",\"played\":").append(std::to_string(f.Played)).append(",\"won\":");
    out.append(std::to_string(f.Won)).append(",\"best_time\":");
    AppendJsonTime(out, f.BestTime);
    out += ",\"median_time\":";
    AppendJsonTime(out, f.MedianTime);
    out += '}';
  }
  return out + "]}";
}

int LocalDateNumber(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  return (local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
}

// Days from the civil date, proleptic Gregorian (after H. Hinnant's algorithm).
int DayNumber(int date) {
  int y = date / 10000;
  const int m = date / 100 % 100, d = date % 100;
  y -= m <= 2;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = y - era * 400;
  const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

int DateFromDayNumber(int day) {
  const int z = day + 719468;
  const int era = (z >= 0 ? z : z - 146096) / 146097;
  const int doe = z - era * 146097;
  const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int mp = (5 * doy + 2) / 153;
  const int d = doy - (153 * mp + 2) / 5 + 1;
  const int m = mp + (mp < 10 ? 3 : -9);
  const int y = yoe + era * 400 + (m <= 2);
  return y * 10000 + m * 100 + d;
}

}  // namespace tv
