#include "screens/profile_Dialog_Kelto_Profile.h"

#include "profile/AppState.h"

namespace ostrel {

profile_Dialog_Kelto_Profile::profile_Dialog_Kelto_Profile(const ScreenContext& context,
                                                           QWidget* parent)
    : ProfileListScreen(context,
                        ProfileListLook{kMakerListScreen, "Screen-8.jpg", kList, kCancel, kYes, kNo,
                                        &manageFile::loadMakerNames, &manageFile::makerNames,
                                        &manageFile::makerCount, {Qt::Key_Space},
                                        {Qt::Key_Delete, Qt::Key_Backspace}, true},
                        parent) {
  setObjectName(QStringLiteral("profile_Dialog_Kelto_Profile"));
}

}  // namespace ostrel
