#pragma once
// The keys of the profile lists: besides what every screen swallows, the F1
// key and a typed lower-case p (both carry code 0x70) never reach the list,
// and the keys that ask to delete the selected profile open the delete prompt
// before they go on to the list.

#include <functional>
#include <vector>

#include "screens/ScreenKeyFilter.h"

namespace ostrel {

class ProfileListKeyFilter : public ScreenKeyFilter {
  Q_OBJECT

 public:
  ProfileListKeyFilter(std::vector<int> extraKeys, std::vector<int> promptKeys,
                       std::function<void()> openPrompt, QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<int> promptKeys_;
  std::function<void()> openPrompt_;
};

}  // namespace ostrel
