// A recording stand-in for the window, for the field tests.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "game/host.h"

namespace tv::test {

class FieldTestHost : public NullGameHost {
 public:
  std::vector<std::string> messages;
  std::map<Command, bool> enabled;

  void Enable(Command command, bool on) override { enabled[command] = on; }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
};

}  // namespace tv::test
