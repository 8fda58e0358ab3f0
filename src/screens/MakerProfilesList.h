#pragma once
// The maker's profiles (Keltoprofile/: shipped ones and those fetched from
// the server), listed for loading into the current slot or deleting. Delete
// and Backspace open the delete prompt; Space is swallowed while Tab moves
// between the controls; a double click loads also while the prompt is shown.

#include "screens/ProfileListScreen.h"

namespace ostrel {

class MakerProfilesList : public ProfileListScreen {
  Q_OBJECT

 public:
  // Control ids (each control's objectName is its id).
  enum Control : int { kList = 1183, kCancel = 1173, kYes = 1191, kNo = 1192 };

  explicit MakerProfilesList(const ScreenContext& context, QWidget* parent = nullptr);
};

}  // namespace ostrel
