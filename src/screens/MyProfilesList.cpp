#include "screens/profile_Dialog_Name_List.h"

#include "profile/AppState.h"

namespace ostrel {

profile_Dialog_Name_List::profile_Dialog_Name_List(const ScreenContext& context, QWidget* parent)
    : ProfileListScreen(context,
                        ProfileListLook{kNameListScreen, "Screen-7.jpg", kList, kCancel, kYes, kNo,
                                        &manageFile::loadMyNames, &manageFile::myNames,
                                        &manageFile::myCount, {Qt::Key_Tab}, {Qt::Key_Delete},
                                        false},
                        parent) {
  setObjectName(QStringLiteral("profile_Dialog_Name_List"));
}

}  // namespace ostrel
