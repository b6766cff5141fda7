// SPDX-License-Identifier: GPL-3.0-or-later
// The game number dialog: shows the current deal's number and takes a new one.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tv {

// The game number check: a signed 64-bit decimal (leading blanks and a sign allowed)
// whose low 32 bits are not all zero; the result is those low 32 bits.
std::optional<std::uint32_t> ParseGameNumber(const std::string& text);

constexpr const char* kGameNumberRangeMessage =
    "The number must be in the range from 1 to 2147483647 !";

class TF_Shuffle : public QDialog {
  Q_OBJECT

 public:
  // `report` shows a message to the player (the program's message box).
  explicit TF_Shuffle(std::function<void(const std::string&)> report, QWidget* parent = nullptr);

  // Offers `seed` and runs the dialog modally; true with `seed` replaced by the number
  // entered when the player confirms, false with `seed` unchanged otherwise.
  bool Ask(std::uint32_t& seed);

  // The number the dialog holds (the offered one until OK accepts another).
  std::uint32_t Seed() const { return seed_; }
  void SetSeed(std::uint32_t seed) { seed_ = seed; }

  QLineEdit* ShuffleEdit() const { return E_Shuffle; }
  QPushButton* OkButton() const { return B_Ok; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormActivate();
  void B_OkClick();

  std::function<void(const std::string&)> report_;
  std::uint32_t seed_ = 0;
  QWidget* P_Form = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* E_Shuffle = nullptr;
  QPushButton* B_Ok = nullptr;
  QPushButton* B_Cancel = nullptr;
};

}  // namespace tv
