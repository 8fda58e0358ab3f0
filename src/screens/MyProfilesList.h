#pragma once
// The user's own profiles (Myprofile/), listed for loading into the current
// slot or deleting. Delete opens the delete prompt; a double click is ignored
// while the prompt is shown.

#include "screens/ProfileListScreen.h"

namespace ostrel {

class MyProfilesList : public ProfileListScreen {
  Q_OBJECT

 public:
  // Control ids (each control's objectName is its id).
  enum Control : int { kList = 1171, kCancel = 1172, kYes = 1189, kNo = 1190 };

  explicit MyProfilesList(const ScreenContext& context, QWidget* parent = nullptr);
};

}  // namespace ostrel
