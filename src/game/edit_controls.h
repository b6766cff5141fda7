// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's controls that the main window shows before the editor's own tools:
// the chosen tool, the level mode and the custom level, and the rules of switching them.
#pragma once

namespace tv {

enum class EditTool : int { kDraw = 0, kErase = 1, kMove = 2 };
enum class LevelMode : int { kAuto = 0, kCustom = 1 };

constexpr int kMaxCustomZ = 20;

struct EditControls {
  EditTool Tool = EditTool::kDraw;
  LevelMode ZMode = LevelMode::kAuto;
  int CustomZ = 0;
  bool LayoutModified = false;

  // The right mouse button: Erase from Draw, Draw from any other tool.
  EditTool RightButtonTool() const {
    return Tool == EditTool::kDraw ? EditTool::kErase : EditTool::kDraw;
  }
  // The Z key: the level mode not selected.
  LevelMode OtherZMode() const {
    return ZMode == LevelMode::kAuto ? LevelMode::kCustom : LevelMode::kAuto;
  }
  // Custom level up or down, within 0 to 20.
  void ChangeCustomZ(int delta) {
    CustomZ += delta;
    if (CustomZ < 0) CustomZ = 0;
    if (CustomZ > kMaxCustomZ) CustomZ = kMaxCustomZ;
  }
  // As edit mode starts: Draw, Auto Z, nothing modified.
  void Enter() {
    Tool = EditTool::kDraw;
    ZMode = LevelMode::kAuto;
    LayoutModified = false;
  }
};

}  // namespace tv
