// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the note sources: header lines, instruments, phrases of notes, sections that
// lay phrases on instruments, and the form that strings sections together.
#include "song_source.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <variant>

namespace tv::music {
namespace {

struct PhraseNote {
  std::uint32_t offset = 0;
  std::uint32_t length = 0;
  std::vector<int> keys;
  int velocityPercent = 100;
};

// An expression (controller 11) level, or a swell from one level to another.
struct PhraseSwell {
  std::uint32_t offset = 0;
  std::uint32_t length = 0;  // 0: a step
  int from = 127;
  int to = 127;
};

struct Phrase {
  std::vector<PhraseNote> notes;
  std::vector<PhraseSwell> swells;
  std::uint32_t length = 0;
};

// One item of a section line: a phrase with its changes, or bars of rest.
struct LineItem {
  const Phrase* phrase = nullptr;  // null for rest
  std::string name;
  int repeat = 1;
  int transpose = 0;  // semitones
  int degrees = 0;    // steps along the scale
  std::uint32_t Length(std::uint32_t bar) const {
    return std::uint32_t(repeat) * (phrase ? phrase->length : bar);
  }
};

struct SectionLine {
  int lineNumber = 0;
  std::string instrument;
  std::vector<std::string> items;
};

struct Section {
  std::vector<SectionLine> lines;
};

std::vector<std::string> Words(std::string_view line) {
  std::vector<std::string> words;
  std::istringstream in{std::string(line)};
  std::string word;
  while (in >> word) words.push_back(word);
  return words;
}

std::optional<int> ToInt(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// "1", "0.5", "1.5", "1/3": a length in beats, as whole ticks.
std::optional<std::uint32_t> ToTicks(std::string_view text) {
  long numerator = 0;
  long denominator = 1;
  const std::size_t slash = text.find('/');
  const std::size_t dot = text.find('.');
  if (slash != std::string_view::npos) {
    const auto top = ToInt(text.substr(0, slash));
    const auto bottom = ToInt(text.substr(slash + 1));
    if (!top || !bottom || *bottom <= 0) return std::nullopt;
    numerator = *top;
    denominator = *bottom;
  } else if (dot != std::string_view::npos) {
    const auto whole =
        text.substr(0, dot).empty() ? std::optional<int>(0) : ToInt(text.substr(0, dot));
    const std::string_view fraction = text.substr(dot + 1);
    const auto part = ToInt(fraction);
    if (!whole || !part || fraction.empty() || fraction.size() > 3) return std::nullopt;
    denominator = fraction.size() == 1 ? 10 : fraction.size() == 2 ? 100 : 1000;
    numerator = long(*whole) * denominator + *part;
  } else {
    const auto whole = ToInt(text);
    if (!whole) return std::nullopt;
    numerator = *whole;
  }
  const long ticks = numerator * kTicksPerBeat;
  if (numerator <= 0 || ticks % denominator != 0) return std::nullopt;
  return std::uint32_t(ticks / denominator);
}

std::optional<int> PitchClass(std::string_view name) {
  static const int kNatural[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (name.empty() || name[0] < 'A' || name[0] > 'G') return std::nullopt;
  int pitch = kNatural[name[0] - 'A'];
  if (name.size() == 2 && name[1] == '#')
    ++pitch;
  else if (name.size() == 2 && name[1] == 'b')
    --pitch;
  else if (name.size() != 1)
    return std::nullopt;
  return (pitch + 12) % 12;
}

// The soft percussion a calm song uses, by name; any other drum is given by number.
const std::map<std::string, int, std::less<>> kDrumNames = {
    {"claves", 75},  {"block", 76},  {"lowblock", 77}, {"triangle", 81},
    {"mutetri", 80}, {"shaker", 70}, {"lowtom", 45},   {"floortom", 41},
    {"cabasa", 69},  {"bell", 53},   {"brush", 38},    {"kick", 36}};

std::optional<int> Key(std::string_view text, bool drums) {
  if (drums) {
    if (const auto it = kDrumNames.find(text); it != kDrumNames.end()) return it->second;
    const auto number = ToInt(text);
    if (number && *number >= 27 && *number <= 87) return number;
    return std::nullopt;
  }
  std::size_t split = 1;
  if (text.size() > 1 && (text[1] == '#' || text[1] == 'b')) split = 2;
  const auto pitch = PitchClass(text.substr(0, split));
  const auto octave = ToInt(text.substr(split));
  if (!pitch || !octave || *octave < 0 || *octave > 8) return std::nullopt;
  const int key = (*octave + 1) * 12 + *pitch;
  if (key > 127) return std::nullopt;
  return key;
}

class Parser {
 public:
  Result Parse(std::string_view text, Song& song);

 private:
  Result Fail(SourceError code, int line, const std::string& what) const {
    return Result::Fail(code, "line " + std::to_string(line) + ": " + what);
  }
  Result HeaderLine(const std::vector<std::string>& words, int line);
  Result InstrumentLine(const std::vector<std::string>& words, int line);
  Result PhraseLine(const std::vector<std::string>& words, int line, Phrase& phrase,
                    std::uint32_t& barStart, std::uint32_t& lastLength);
  Result Render(Song& song);
  Result RenderLine(const SectionLine& line, std::uint32_t start, std::uint32_t& end);
  Result RenderTempoLine(const SectionLine& line, std::uint32_t start, std::uint32_t& end);
  Result ParseItem(std::string_view text, int line, LineItem& item) const;
  std::optional<int> Step(int key, int degrees) const;

  Song song_;
  std::set<int> scale_;
  int gainPercent_ = 100;
  std::uint32_t tail_ = 4 * kTicksPerBeat;
  std::map<std::string, Phrase, std::less<>> phrases_;
  std::map<std::string, Section, std::less<>> sections_;
  std::vector<std::pair<std::string, int>> form_;
  std::vector<int> humanise_;  // per instrument, so a change in one part leaves the rest alone
};

Result Parser::HeaderLine(const std::vector<std::string>& words, int line) {
  const std::string& key = words[0];
  auto rest = [&] {
    std::string text;
    for (std::size_t i = 1; i < words.size(); ++i) text += (i > 1 ? " " : "") + words[i];
    return text;
  };
  if (key == "title" || key == "mode") {
    (key == "title" ? song_.title : song_.mode) = rest();
    return {};
  }
  if (key == "scale") {
    for (std::size_t i = 1; i < words.size(); ++i) {
      const auto pitch = PitchClass(words[i]);
      if (!pitch) return Fail(SourceError::kSyntax, line, "not a note name: " + words[i]);
      scale_.insert(*pitch);
    }
    return {};
  }
  if (key == "meter" && words.size() == 2 && words[1].find('/') != std::string::npos) {
    const std::size_t slash = words[1].find('/');
    const auto count = ToInt(std::string_view(words[1]).substr(0, slash));
    const auto unit = ToInt(std::string_view(words[1]).substr(slash + 1));
    if (!count || *count <= 0 || *count > 16 || !unit || (*unit != 2 && *unit != 4 && *unit != 8))
      return Fail(SourceError::kSyntax, line, "meter is beats or beats/unit: 4, 3/4, 6/8");
    song_.meter = *count;
    song_.meterUnit = *unit;
    return {};
  }
  if (key == "tail") {
    const auto ticks = words.size() == 2 ? ToTicks(words[1]) : std::nullopt;
    if (!ticks) return Fail(SourceError::kSyntax, line, "tail needs a length in beats");
    tail_ = *ticks;
    return {};
  }
  const auto value = words.size() == 2 ? ToInt(words[1]) : std::nullopt;
  if (!value || *value <= 0)
    return Fail(SourceError::kSyntax, line, key + " needs one positive number");
  if (key == "tempo")
    song_.tempo = *value;
  else if (key == "meter" && *value > 16)
    return Fail(SourceError::kSyntax, line, "a bar holds at most 16 beats");
  else if (key == "meter")
    song_.meter = *value;
  else if (key == "gain")
    gainPercent_ = *value;
  else
    return Fail(SourceError::kSyntax, line, "unknown word: " + key);
  return {};
}

// instrument NAME (program N | drums) [volume V] [pan P] [reverb R] [chorus C]
//            [velocity V] [gate G]
Result Parser::InstrumentLine(const std::vector<std::string>& words, int line) {
  if (words.size() < 3)
    return Fail(SourceError::kSyntax, line, "instrument needs a name and a sound");
  Instrument instrument;
  instrument.name = words[1];
  bool sound = false;
  for (std::size_t i = 2; i < words.size(); ++i) {
    if (words[i] == "drums") {
      instrument.drums = sound = true;
      continue;
    }
    const auto value = i + 1 < words.size() ? ToInt(words[i + 1]) : std::nullopt;
    const int most = words[i] == "gate" ? 400 : 127;
    if (!value || *value < 0 || *value > most)
      return Fail(SourceError::kSyntax, line,
                  words[i] + " needs a number 0 to " + std::to_string(most));
    const std::string& key = words[i++];
    if (key == "program") {
      if (*value < 1) return Fail(SourceError::kSyntax, line, "programs count from 1");
      instrument.program = *value - 1;
      sound = true;
    } else if (key == "volume")
      instrument.volume = *value;
    else if (key == "pan")
      instrument.pan = *value;
    else if (key == "reverb")
      instrument.reverb = *value;
    else if (key == "chorus")
      instrument.chorus = *value;
    else if (key == "velocity")
      instrument.velocity = *value;
    else if (key == "gate")
      instrument.gatePercent = std::clamp(*value, 10, 400);
    else
      return Fail(SourceError::kSyntax, line, "unknown setting: " + key);
  }
  if (!sound) return Fail(SourceError::kSyntax, line, "instrument needs a program or drums");
  for (const Instrument& other : song_.instruments)
    if (other.name == instrument.name)
      return Fail(SourceError::kSyntax, line, "instrument named twice: " + instrument.name);
  song_.instruments.push_back(std::move(instrument));
  humanise_.push_back(int(song_.instruments.size()) * 7);
  return {};
}

// Notes are PITCH[:BEATS][@PERCENT]; PITCH is a note (D4, F#3), a chord (D3+A3),
// "r" for a rest, or a drum; "|" checks that the bar just ended is full.
Result Parser::PhraseLine(const std::vector<std::string>& words, int line, Phrase& phrase,
                          std::uint32_t& barStart, std::uint32_t& lastLength) {
  for (const std::string& word : words) {
    if (word == "|") {
      const std::uint32_t bar = song_.BarTicks();
      if (phrase.length - barStart != bar) {
        std::ostringstream what;
        what << "bar of " << double(phrase.length - barStart) / kTicksPerBeat << " beats, not "
             << double(bar) / kTicksPerBeat;
        return Fail(SourceError::kBarLength, line, what.str());
      }
      barStart = phrase.length;
      continue;
    }
    std::string_view token = word;
    if (token[0] == '~') {
      // ~N sets the expression; ~A>B:BEATS swells from A to B without taking time.
      PhraseSwell swell;
      swell.offset = phrase.length;
      std::string_view levels = token.substr(1);
      if (const std::size_t colon = levels.find(':'); colon != std::string_view::npos) {
        const auto ticks = ToTicks(levels.substr(colon + 1));
        if (!ticks) return Fail(SourceError::kSyntax, line, "bad length in " + word);
        swell.length = *ticks;
        levels = levels.substr(0, colon);
      }
      const std::size_t arrow = levels.find('>');
      const auto from = ToInt(levels.substr(0, arrow));
      const auto to = arrow == std::string_view::npos ? from : ToInt(levels.substr(arrow + 1));
      if (!from || !to || *from < 0 || *from > 127 || *to < 0 || *to > 127 ||
          (arrow != std::string_view::npos) != (swell.length > 0))
        return Fail(SourceError::kSyntax, line, "expression is ~N or ~A>B:BEATS: " + word);
      swell.from = *from;
      swell.to = *to;
      phrase.swells.push_back(swell);
      continue;
    }
    PhraseNote note;
    if (const std::size_t at = token.find('@'); at != std::string_view::npos) {
      const auto percent = ToInt(token.substr(at + 1));
      if (!percent || *percent <= 0 || *percent > 200)
        return Fail(SourceError::kSyntax, line, "bad loudness in " + word);
      note.velocityPercent = *percent;
      token = token.substr(0, at);
    }
    if (const std::size_t colon = token.find(':'); colon != std::string_view::npos) {
      const auto ticks = ToTicks(token.substr(colon + 1));
      if (!ticks) return Fail(SourceError::kSyntax, line, "bad length in " + word);
      lastLength = *ticks;
      token = token.substr(0, colon);
    }
    if (lastLength == 0) return Fail(SourceError::kSyntax, line, "the first note needs a length");
    note.offset = phrase.length;
    note.length = lastLength;
    phrase.length += lastLength;
    if (token == "r") continue;
    std::size_t begin = 0;
    while (begin <= token.size()) {
      std::size_t plus = token.find('+', begin);
      if (plus == std::string_view::npos) plus = token.size();
      // Drum names resolve when the phrase is laid on an instrument; keep them raw.
      const std::string_view part = token.substr(begin, plus - begin);
      const auto melodic = Key(part, false);
      const auto drum = Key(part, true);
      if (!melodic && !drum) return Fail(SourceError::kSyntax, line, "not a note: " + word);
      note.keys.push_back(melodic ? *melodic : -*drum);  // negative marks a drum
      begin = plus + 1;
    }
    phrase.notes.push_back(std::move(note));
  }
  return {};
}

// NAME followed by any of *N (repeat), +N / -N (semitones), ^N / ^-N (scale steps);
// "_" is a bar of rest.
Result Parser::ParseItem(std::string_view text, int line, LineItem& item) const {
  const std::size_t nameEnd = std::min(text.find_first_of("*+-^"), text.size());
  item.name = std::string(text.substr(0, nameEnd));
  std::size_t at = nameEnd;
  while (at < text.size()) {
    const char kind = text[at];
    std::size_t end = text.find_first_of("*+-^", at + 1);
    if (kind == '^' && end == at + 1 && text[end] == '-') end = text.find_first_of("*+-^", end + 1);
    if (end == std::string_view::npos) end = text.size();
    const auto number =
        ToInt(text.substr(at + (kind == '-' ? 0 : 1), end - at - (kind == '-' ? 0 : 1)));
    if (!number) return Fail(SourceError::kSyntax, line, "bad change in " + std::string(text));
    if (kind == '*') {
      if (*number <= 0) return Fail(SourceError::kSyntax, line, "bad repeat " + std::string(text));
      item.repeat = *number;
    } else if (kind == '^') {
      item.degrees = *number;
    } else {
      item.transpose = *number;
    }
    at = end;
  }
  if (item.name == "_") return {};
  const auto phrase = phrases_.find(item.name);
  if (phrase == phrases_.end())
    return Fail(SourceError::kUnknownName, line, "no phrase " + item.name);
  item.phrase = &phrase->second;
  return {};
}

// A key moved along the scale by `degrees` steps; nullopt when it is not in the scale.
std::optional<int> Parser::Step(int key, int degrees) const {
  if (degrees == 0) return key;
  const std::vector<int> classes(scale_.begin(), scale_.end());
  const auto found = std::find(classes.begin(), classes.end(), key % 12);
  if (found == classes.end()) return std::nullopt;
  const int size = int(classes.size());
  const int index = (key / 12) * size + int(found - classes.begin()) + degrees;
  if (index < 0) return std::nullopt;
  return (index / size) * 12 + classes[std::size_t(index % size)];
}

// One section line: items as ParseItem reads them, "@PERCENT" for the loudness of what
// follows, and "@FROM>TO" for loudness that moves evenly up to the next "@" or the end.
Result Parser::RenderLine(const SectionLine& line, std::uint32_t start, std::uint32_t& end) {
  if (line.instrument == "tempo") return RenderTempoLine(line, start, end);
  const auto found = std::find_if(song_.instruments.begin(), song_.instruments.end(),
                                  [&](const Instrument& i) { return i.name == line.instrument; });
  if (found == song_.instruments.end())
    return Fail(SourceError::kUnknownName, line.lineNumber, "no instrument " + line.instrument);
  Instrument& instrument = *found;
  int& humanise = humanise_[std::size_t(found - song_.instruments.begin())];
  const std::uint32_t bar = song_.BarTicks();

  // Loudness marks hold a place among the items so a swell knows how far it reaches.
  struct Mark {
    int from = 100;
    int to = 100;
  };
  std::vector<std::variant<LineItem, Mark>> items;
  for (std::string_view text : line.items) {
    if (text[0] == '@') {
      const std::size_t arrow = text.find('>');
      const auto from =
          ToInt(text.substr(1, arrow == std::string_view::npos ? text.npos : arrow - 1));
      const auto to = arrow == std::string_view::npos ? from : ToInt(text.substr(arrow + 1));
      if (!from || !to || *from <= 0 || *from > 200 || *to <= 0 || *to > 200)
        return Fail(SourceError::kSyntax, line.lineNumber, "bad loudness " + std::string(text));
      items.emplace_back(Mark{*from, *to});
      continue;
    }
    LineItem item;
    if (Result result = ParseItem(text, line.lineNumber, item); !result) return result;
    items.emplace_back(std::move(item));
  }

  std::uint32_t cursor = start;
  Mark loudness;
  std::uint32_t markStart = start;
  std::uint32_t markSpan = 1;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (const Mark* mark = std::get_if<Mark>(&items[i])) {
      loudness = *mark;
      markStart = cursor;
      markSpan = 0;
      for (std::size_t j = i + 1; j < items.size() && std::holds_alternative<LineItem>(items[j]);
           ++j)
        markSpan += std::get<LineItem>(items[j]).Length(bar);
      markSpan = std::max<std::uint32_t>(markSpan, 1);
      continue;
    }
    const LineItem& item = std::get<LineItem>(items[i]);
    if (!item.phrase) {
      cursor += item.Length(bar);
      continue;
    }
    const Phrase& phrase = *item.phrase;
    for (int r = 0; r < item.repeat; ++r) {
      for (const PhraseNote& source : phrase.notes) {
        const std::uint32_t noteStart = cursor + source.offset;
        const int linePercent = loudness.from + int(std::int64_t(loudness.to - loudness.from) *
                                                    (noteStart - markStart) / markSpan);
        for (const int raw : source.keys) {
          int key = raw;
          if (instrument.drums != (raw < 0)) {
            // A name such as "block" is a drum only; a note name is a pitch only.
            const std::string kind = instrument.drums ? "a pitch" : "a drum";
            return Fail(SourceError::kSyntax, line.lineNumber,
                        "phrase " + item.name + " plays " + kind + " on " + instrument.name);
          }
          if (instrument.drums) {
            key = -raw;
          } else {
            const auto stepped = Step(key, item.degrees);
            if (!stepped)
              return Fail(SourceError::kOutOfScale, line.lineNumber,
                          "phrase " + item.name + " steps from outside the scale");
            key = *stepped + item.transpose;
            if (key < 0 || key > 127)
              return Fail(SourceError::kSyntax, line.lineNumber, "shifted out of range");
            if (!scale_.empty() && !scale_.contains(key % 12))
              return Fail(SourceError::kOutOfScale, line.lineNumber,
                          "phrase " + item.name + " leaves the scale");
          }
          humanise = (humanise * 5 + 3) % 7;  // a small, repeatable unevenness
          const int velocity =
              instrument.velocity * linePercent / 100 * source.velocityPercent / 100 + humanise - 3;
          Note note;
          note.start = noteStart;
          note.length = std::max<std::uint32_t>(
              1, source.length * std::uint32_t(instrument.gatePercent) / 100);
          note.key = std::uint8_t(key);
          note.velocity = std::uint8_t(std::clamp(velocity, 1, 127));
          instrument.notes.push_back(note);
        }
      }
      for (const PhraseSwell& swell : phrase.swells) {
        // Steps of an eighth of a beat are smooth enough to hear as one swell.
        const std::uint32_t steps = std::max<std::uint32_t>(1, swell.length / (kTicksPerBeat / 8));
        for (std::uint32_t step = 0; step <= (swell.length ? steps : 0); ++step) {
          const int value = swell.from + (swell.to - swell.from) * int(step) / int(steps);
          const std::uint32_t tick = cursor + swell.offset + swell.length * step / steps;
          auto& controls = instrument.controls;
          if (!controls.empty() && controls.back().tick == tick && controls.back().number == 11)
            controls.pop_back();
          controls.push_back({tick, 11, std::uint8_t(value)});
        }
      }
      cursor += phrase.length;
    }
  }
  if ((cursor - start) % bar != 0)
    return Fail(SourceError::kBarLength, line.lineNumber,
                "the line for " + line.instrument + " is not whole bars");
  end = std::max(end, cursor);
  return {};
}

// tempo BPM:BEATS ... holds a tempo; A>B:BEATS moves evenly from A to B.
Result Parser::RenderTempoLine(const SectionLine& line, std::uint32_t start, std::uint32_t& end) {
  std::uint32_t cursor = start;
  for (const std::string& text : line.items) {
    const std::size_t colon = text.find(':');
    const std::size_t arrow = text.find('>');
    const std::uint32_t length =
        colon == std::string::npos ? 0
                                   : ToTicks(std::string_view(text).substr(colon + 1)).value_or(0);
    const std::string_view speeds = std::string_view(text).substr(0, colon);
    const int from = ToInt(speeds.substr(0, arrow)).value_or(0);
    const int to = arrow == std::string::npos ? from : ToInt(speeds.substr(arrow + 1)).value_or(0);
    if (length == 0 || from < 20 || from > 300 || to < 20 || to > 300)
      return Fail(SourceError::kSyntax, line.lineNumber,
                  "tempo is BPM:BEATS or A>B:BEATS: " + text);
    // A quarter of a beat per step: a slowing that the ear hears as one gesture.
    const std::uint32_t steps =
        from == to ? 1 : std::max<std::uint32_t>(1, length / (kTicksPerBeat / 4));
    for (std::uint32_t step = 0; step < steps; ++step) {
      const double bpm = from + double(to - from) * step / std::max<std::uint32_t>(1, steps - 1);
      const auto microseconds = std::uint32_t(60000000.0 / bpm + 0.5);
      const std::uint32_t tick = cursor + length * step / steps;
      auto& changes = song_.tempoChanges;
      while (!changes.empty() && changes.back().tick >= tick) changes.pop_back();
      changes.push_back({tick, microseconds});
    }
    cursor += length;
  }
  end = std::max(end, cursor);
  return {};
}

Result Parser::Render(Song& song) {
  std::uint32_t cursor = 0;
  for (const auto& [name, line] : form_) {
    const auto section = sections_.find(name);
    if (section == sections_.end())
      return Fail(SourceError::kUnknownName, line, "no section " + name);
    std::uint32_t end = cursor;
    for (const SectionLine& sectionLine : section->second.lines)
      if (Result result = RenderLine(sectionLine, cursor, end); !result) return result;
    cursor = end;
  }
  if (cursor == 0) return Fail(SourceError::kSyntax, 0, "the form plays nothing");
  song_.length = cursor + tail_;
  if (song_.Seconds() > 600) return Fail(SourceError::kTooLong, 0, "longer than ten minutes");
  int channel = 0;
  for (Instrument& instrument : song_.instruments) {
    instrument.volume = std::clamp(instrument.volume * gainPercent_ / 100, 0, 127);
    if (instrument.drums) {
      instrument.channel = kDrumChannel;
      continue;
    }
    if (channel == kDrumChannel) ++channel;
    if (channel > 15) return Fail(SourceError::kSyntax, 0, "more than 15 pitched instruments");
    instrument.channel = channel++;
    auto& notes = instrument.notes;
    std::stable_sort(notes.begin(), notes.end(),
                     [](const Note& a, const Note& b) { return a.start < b.start; });
    // A note left ringing ends where the same key strikes again, or that key's release
    // would cut the new note short.
    for (std::size_t i = 0; i < notes.size(); ++i)
      for (std::size_t j = i + 1;
           j < notes.size() && notes[j].start < notes[i].start + notes[i].length; ++j)
        if (notes[j].key == notes[i].key && notes[j].start > notes[i].start)
          notes[i].length = notes[j].start - notes[i].start;
    std::stable_sort(instrument.controls.begin(), instrument.controls.end(),
                     [](const Control& a, const Control& b) { return a.tick < b.tick; });
    for (const Note& note : notes)
      if (note.start + note.length > song_.length)
        return Fail(SourceError::kBarLength, 0, instrument.name + " rings past the tail");
    if (!instrument.controls.empty() && instrument.controls.back().tick > song_.length)
      return Fail(SourceError::kBarLength, 0, instrument.name + " swells past the end");
  }
  if (song_.title.empty()) return Fail(SourceError::kSyntax, 0, "the song has no title");
  song = std::move(song_);
  return {};
}

Result Parser::Parse(std::string_view text, Song& song) {
  enum class Block { kNone, kPhrase, kSection } block = Block::kNone;
  std::string blockName;
  Phrase phrase;
  Section section;
  std::uint32_t barStart = 0;
  std::uint32_t lastLength = 0;
  int lineNumber = 0;
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = text.find('\n', begin);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(begin, end - begin);
    begin = end + 1;
    ++lineNumber;
    if (const std::size_t hash = line.find('#'); hash != std::string_view::npos) {
      // '#' after a note letter is a sharp; a comment starts at a '#' that opens a word.
      if (hash == 0 || std::isspace(static_cast<unsigned char>(line[hash - 1])))
        line = line.substr(0, hash);
    }
    const std::vector<std::string> words = Words(line);
    if (words.empty()) continue;
    if (words[0] == "end") {
      if (block == Block::kPhrase) {
        // Whole bars, or an even part of one so a bar can hold two chords.
        const std::uint32_t bar = song_.BarTicks();
        if (phrase.length == 0 || (phrase.length % bar != 0 && bar % phrase.length != 0))
          return Fail(SourceError::kBarLength, lineNumber,
                      "phrase " + blockName + " is neither whole bars nor an even part of one");
        for (const PhraseSwell& swell : phrase.swells)
          if (swell.offset + swell.length > phrase.length)
            return Fail(SourceError::kBarLength, lineNumber,
                        "a swell runs past the end of phrase " + blockName);
        if (!phrases_.emplace(blockName, std::move(phrase)).second)
          return Fail(SourceError::kSyntax, lineNumber, "phrase named twice: " + blockName);
      } else if (block == Block::kSection) {
        if (!sections_.emplace(blockName, std::move(section)).second)
          return Fail(SourceError::kSyntax, lineNumber, "section named twice: " + blockName);
      } else {
        return Fail(SourceError::kSyntax, lineNumber, "end without phrase or section");
      }
      block = Block::kNone;
      phrase = {};
      section = {};
      continue;
    }
    if (block == Block::kPhrase) {
      if (Result result = PhraseLine(words, lineNumber, phrase, barStart, lastLength); !result)
        return result;
      continue;
    }
    if (block == Block::kSection) {
      if (words.size() < 2)
        return Fail(SourceError::kSyntax, lineNumber, "a section line needs phrases");
      section.lines.push_back({lineNumber, words[0], {words.begin() + 1, words.end()}});
      continue;
    }
    if (words[0] == "phrase" || words[0] == "section") {
      if (words.size() != 2)
        return Fail(SourceError::kSyntax, lineNumber, words[0] + " needs one name");
      block = words[0] == "phrase" ? Block::kPhrase : Block::kSection;
      blockName = words[1];
      barStart = lastLength = 0;
    } else if (words[0] == "instrument") {
      if (Result result = InstrumentLine(words, lineNumber); !result) return result;
    } else if (words[0] == "form") {
      for (std::size_t i = 1; i < words.size(); ++i) form_.emplace_back(words[i], lineNumber);
    } else if (Result result = HeaderLine(words, lineNumber); !result) {
      return result;
    }
  }
  if (block != Block::kNone)
    return Fail(SourceError::kSyntax, lineNumber, blockName + " has no end");
  return Render(song);
}

void PutVarLength(std::vector<std::uint8_t>& out, std::uint32_t value) {
  std::uint8_t bytes[5];
  int count = 0;
  bytes[count++] = value & 0x7F;
  while (value >>= 7) bytes[count++] = std::uint8_t((value & 0x7F) | 0x80);
  while (count > 0) out.push_back(bytes[--count]);
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(std::uint8_t(value >> (8 * i)));
}

struct Event {
  std::uint32_t tick;
  int order;  // at one tick: set-up, then note offs, then note ons
  std::vector<std::uint8_t> bytes;
};

void PutTrack(std::vector<std::uint8_t>& out, std::vector<Event> events, std::uint32_t end) {
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  std::vector<std::uint8_t> body;
  std::uint32_t now = 0;
  for (const Event& event : events) {
    PutVarLength(body, event.tick - now);
    now = event.tick;
    body.insert(body.end(), event.bytes.begin(), event.bytes.end());
  }
  PutVarLength(body, end - now);
  body.insert(body.end(), {0xFF, 0x2F, 0x00});
  out.insert(out.end(), {'M', 'T', 'r', 'k'});
  PutBigEndian(out, std::uint32_t(body.size()), 4);
  out.insert(out.end(), body.begin(), body.end());
}

std::vector<std::uint8_t> Text(std::uint8_t type, const std::string& text) {
  std::vector<std::uint8_t> bytes{0xFF, type};
  PutVarLength(bytes, std::uint32_t(text.size()));
  bytes.insert(bytes.end(), text.begin(), text.end());
  return bytes;
}

}  // namespace

double Song::SecondsAt(std::uint32_t tick) const {
  double seconds = 0;
  std::uint32_t from = 0;
  double perTick = 60.0 / tempo / kTicksPerBeat;
  for (const TempoChange& change : tempoChanges) {
    if (change.tick >= tick) break;
    seconds += (change.tick - from) * perTick;
    from = change.tick;
    perTick = change.microsecondsPerBeat / 1e6 / kTicksPerBeat;
  }
  return seconds + (tick - from) * perTick;
}

Result ParseSong(std::string_view text, Song& song) {
  return Parser().Parse(text, song);
}

std::vector<std::uint8_t> WriteMidi(const Song& song) {
  std::vector<std::uint8_t> out{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
  PutBigEndian(out, std::uint32_t(song.instruments.size() + 1), 2);
  PutBigEndian(out, kTicksPerBeat, 2);

  const std::uint32_t microseconds = 60000000u / std::uint32_t(song.tempo);
  std::vector<Event> tempo{{0, 0, Text(0x03, song.title)},
                           {0,
                            1,
                            {0xFF, 0x51, 0x03, std::uint8_t(microseconds >> 16),
                             std::uint8_t(microseconds >> 8), std::uint8_t(microseconds)}},
                           {0,
                            2,
                            {0xFF, 0x58, 0x04, std::uint8_t(song.meter),
                             std::uint8_t(song.meterUnit == 8   ? 3
                                          : song.meterUnit == 2 ? 1
                                                                : 2),
                             std::uint8_t(song.meterUnit == 8 ? 36 : 24), 8}}};
  for (const TempoChange& change : song.tempoChanges) {
    const std::uint32_t us = change.microsecondsPerBeat;
    tempo.push_back(
        {change.tick,
         3,
         {0xFF, 0x51, 0x03, std::uint8_t(us >> 16), std::uint8_t(us >> 8), std::uint8_t(us)}});
  }
  PutTrack(out, std::move(tempo), song.length);

  for (const Instrument& instrument : song.instruments) {
    const auto channel = std::uint8_t(instrument.channel);
    auto control = [&](std::uint8_t number, int value) {
      return Event{0, 0, {std::uint8_t(0xB0 | channel), number, std::uint8_t(value)}};
    };
    std::vector<Event> events{
        {0, 0, Text(0x03, instrument.name)},
        control(0, 0),
        {0, 0, {std::uint8_t(0xC0 | channel), std::uint8_t(instrument.program)}},
        control(7, instrument.volume),
        control(10, instrument.pan),
        control(91, instrument.reverb),
        control(93, instrument.chorus)};
    for (const Control& c : instrument.controls)
      events.push_back({c.tick, 0, {std::uint8_t(0xB0 | channel), c.number, c.value}});
    for (const Note& note : instrument.notes) {
      events.push_back({note.start, 2, {std::uint8_t(0x90 | channel), note.key, note.velocity}});
      events.push_back({note.start + note.length, 1, {std::uint8_t(0x80 | channel), note.key, 0}});
    }
    PutTrack(out, std::move(events), song.length);
  }
  return out;
}

}  // namespace tv::music
