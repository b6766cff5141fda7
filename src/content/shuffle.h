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

// The game numbers the game makes, shows and accepts: every 32-bit generator state but 0.
constexpr std::uint32_t kFirstGameNumber = 1;
constexpr std::uint32_t kLastGameNumber = 4294967295u;

// The game number check: a decimal number (leading blanks and a plus sign allowed) from
// kFirstGameNumber to kLastGameNumber. Anything else is refused, never wrapped into range.
std::optional<std::uint32_t> ParseGameNumber(const std::string& text);

constexpr const char* kGameNumberRangeText = QT_TRANSLATE_NOOP("TF_Shuffle", "1 to 4294967295");
constexpr const char* kGameNumberRangeMessage =
    QT_TRANSLATE_NOOP("TF_Shuffle", "The number must be in the range from 1 to 4294967295 !");

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
