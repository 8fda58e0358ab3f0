#pragma once
// A group of image buttons of which one is chosen and shown lit (the slot
// tabs, the On/Off pair). While the mouse is over a member, that member is
// lit and every other one unlit; when it leaves, the chosen one is lit again.

#include <QObject>

#include <vector>

namespace ostrel {

class ImageButton;

class ChosenButtons : public QObject {
  Q_OBJECT

 public:
  explicit ChosenButtons(QObject* parent = nullptr) : QObject(parent) {}

  void add(ImageButton* button);
  // Lights member index (or none for an index outside the group).
  void choose(int index);
  int chosen() const { return chosen_; }
  ImageButton* button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void light(const ImageButton* lit);

  std::vector<ImageButton*> buttons_;
  int chosen_ = -1;
};

}  // namespace ostrel
